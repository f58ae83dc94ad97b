#pragma once

#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/identifiers.h"

class QButtonGroup;
class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kestravane {

// A rectangle in dialog units: a horizontal unit is a quarter of the dialog
// font's average letter width, a vertical unit an eighth of its height, so a
// form keeps its proportions whatever size the font ends up.
struct UnitRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Whether Tab reaches a control. The others still take the keyboard from a
// click or their letter.
enum class Tab { Stop, Skip };

// The game breaks lines with carriage returns, as its catalogue was written.
QString FromGameText(std::string_view text);

// A control's words without the "&" that marks their mnemonic.
QString WithoutMnemonic(const QString& text);

// A form's radio button. Qt's button group or the form's own set checks one
// of a kind, never Qt's exclusive siblings, so Qt would tell a screen reader
// it is a check box: a class of its own lets the game tell its role.
class FormRadioButton : public QRadioButton {
  Q_OBJECT

 public:
  FormRadioButton(const QString& text, bool checksItself, QWidget* parent)
      : QRadioButton(text, parent), checksItself_(checksItself) {}

 protected:
  void nextCheckState() override {
    if (checksItself_) QRadioButton::nextCheckState();
  }

 private:
  bool checksItself_;
};

// Radio buttons that the dialog checks one of as the player clicks them, and
// that stand apart for the keyboard as other controls do: Tab visits each one
// that is a tab stop, where it would enter a button group once.
class RadioSet {
 public:
  // Checks button `id` and clears the others; clears them all for an ID the
  // set does not have.
  void Check(int id);
  // The checked button's ID, or -1.
  int Checked() const;

  // Told the ID of the button the player clicked, once it is checked.
  std::function<void(int)> chosen;

 private:
  friend class Form;
  std::vector<std::pair<int, QRadioButton*>> buttons_;
};

// Lays out a modal dialog or box in dialog units, one control a call. The
// order of the calls is the order Tab visits the controls in and the
// stacking order; a label with "&" hands its letter to the next control that
// takes the keyboard.
class Form {
 public:
  // Gives `dialog` its caption, the game's dialog font, a fixed size and its
  // place: `rect`'s corner measured from its owner's client area, or from
  // the desktop's corner when it has none.
  Form(QDialog& dialog, const char* caption, UnitRect rect);

  // A titled frame around other controls; it takes no input.
  QGroupBox* Frame(const char* title, UnitRect rect);
  // Wrapped text; a one-line text too long for its line is drawn condensed.
  QLabel* Label(const char* text, UnitRect rect, Qt::Alignment alignment = Qt::AlignLeft);
  // The icon resource, grown from `rect` to the icon's size; empty when the
  // icon cannot be loaded.
  QLabel* IconIn(unsigned icon, UnitRect rect);
  QLabel* IconAt(Icon icon, int x, int y) { return IconIn(Id(icon), {x, y, 0, 0}); }
  QLineEdit* Edit(UnitRect rect, Tab tab = Tab::Stop);
  // Enter anywhere but on another push button presses the default one.
  QPushButton* Button(const char* text, UnitRect rect, bool isDefault = false, Tab tab = Tab::Stop);
  QCheckBox* Check(const char* text, UnitRect rect, Tab tab = Tab::Stop);
  // Radio buttons that check one of their group themselves, wherever they
  // stand in the form. Tab enters the group once; the arrows move within it.
  QButtonGroup* RadioGroup();
  QRadioButton* Radio(QButtonGroup* group, int id, const char* text, UnitRect rect, Tab tab = Tab::Stop);
  QRadioButton* Radio(RadioSet& set, int id, const char* text, UnitRect rect, Tab tab = Tab::Stop);
  // Lines of text, one selected at a time; tabs in a line move on to
  // multiples of `tabStopUnits` across (none when 0).
  QListWidget* List(UnitRect rect, int tabStopUnits, Tab tab = Tab::Stop);

  int Across(int units) const { return units * baseX_ / 4; }
  int Down(int units) const { return units * baseY_ / 8; }

 private:
  QRect Pixels(const UnitRect& rect) const;
  template <class Control>
  Control* Focusable(Control* control, UnitRect rect, Tab tab);

  QDialog& dialog_;
  int baseX_;
  int baseY_;
  QLabel* labelAwaitingBuddy_ = nullptr;
  QWidget* lastTabStop_ = nullptr;
};

}  // namespace kestravane
