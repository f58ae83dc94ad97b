#pragma once

#include <optional>
#include <string>

#include "platform/dialog_layout.h"
#include "platform/resources.h"
#include "platform/window.h"

namespace platform {

// What a modal dialog tells the game that runs it.
class DialogEvents {
 public:
  virtual ~DialogEvents() = default;
  // The dialog and its controls exist, not yet shown. Return true to give
  // the keyboard to the default button (or the first control that takes it).
  virtual bool Initialise(Window* /*dialog*/) { return true; }
  // A button was pressed (or, for an edit field or list box, `notification`
  // says what happened to it). Enter presses the default button; Escape
  // and the close box send command 2.
  virtual void Command(Window* /*dialog*/, int /*id*/, int /*notification*/) {}
};

// Notifications of DialogEvents::Command.
inline constexpr int NotifyClicked = 0;
inline constexpr int NotifyEditChanged = 0x0300;
inline constexpr int NotifySelectionChanged = 1;
inline constexpr int NotifyDoubleClicked = 2;

// Runs a modal dialog laid out by `layout`. Blocks, with the owner taking no
// input, until EndDialog, and returns EndDialog's result.
int RunDialog(Window* owner, const DialogLayout& layout, DialogEvents* events);
void EndDialog(Window* dialog, int result);

// Item operations on a running dialog (and on the main window's controls).
std::string ItemText(Window* dialog, int item);
// The item's text as a decimal number with blanks around it, a sign only
// when signed; nothing when it is not one or does not fit in 32 bits. An
// unsigned number above the signed range comes back as its 32-bit pattern.
std::optional<int> ItemInt(Window* dialog, int item, bool isSigned);
void SetItemInt(Window* dialog, int item, int value, bool isSigned);
void SetItemIcon(Window* dialog, int item, const Picture& icon);
void CheckButton(Window* dialog, int item, bool checked);
bool ButtonChecked(Window* dialog, int item);
// Checks `item` and clears every other radio button from `first` to `last`.
void CheckRadioButton(Window* dialog, int first, int last, int item);
// Gives `item` the keyboard; an edit field's text is selected, ready to be
// typed over.
void FocusItem(Window* dialog, int item);

void ClearList(Window* dialog, int item);
// Adds a line; tabs in it move to the list's tab stops.
void AddListLine(Window* dialog, int item, const char* line);
void SelectListLine(Window* dialog, int item, int index);
int SelectedListLine(Window* dialog, int item);

}  // namespace platform
