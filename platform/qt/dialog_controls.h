#pragma once

#include <QButtonGroup>
#include <QLabel>
#include <QPointer>
#include <vector>

#include "platform/dialog_layout.h"
#include "platform/qt/dialog_units.h"

namespace platform {

class LayoutDialog;

// Makes the controls of a layout inside its dialog, in table order, so that
// the keyboard order and the radio groups follow the table.
class DialogControlBuilder {
 public:
  DialogControlBuilder(LayoutDialog& dialog, const DialogUnits& units);

  void Add(const DialogControl& control);
  // Chains the tab stops once every control exists.
  void Finish();

 private:
  QWidget* Make(const DialogControl& control);
  QWidget* MakePushButton(const DialogControl& control);
  QWidget* MakeCheckable(const DialogControl& control);
  QWidget* MakeGroupBox(const DialogControl& control);
  QWidget* MakeLabel(const DialogControl& control, Qt::Alignment alignment);
  QWidget* MakeIcon();
  QWidget* MakeEdit(const DialogControl& control);
  QWidget* MakeList(const DialogControl& control);

  LayoutDialog& dialog_;
  const DialogUnits& units_;
  // The automatic radio buttons since the last control that starts a group.
  QButtonGroup* radioGroup_ = nullptr;
  // A label with a mnemonic hands the keyboard to the control after it.
  QPointer<QLabel> labelAwaitingBuddy_;
  std::vector<QWidget*> tabStops_;
};

}  // namespace platform
