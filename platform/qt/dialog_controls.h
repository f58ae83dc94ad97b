#pragma once

#include <QButtonGroup>
#include <QLabel>
#include <QPointer>
#include <vector>

#include "platform/qt/dialog_template.h"
#include "platform/qt/dialog_units.h"

namespace platform {

class TemplateDialog;

// Makes the controls of a template inside its dialog, in template order, so
// that the keyboard order and the radio groups follow the template.
class DialogControlBuilder {
 public:
  DialogControlBuilder(TemplateDialog& dialog, const DialogUnits& units);

  // False when the control's class is not one the dialogs know.
  bool Add(const ControlTemplate& control);
  // Chains the tab stops once every control exists.
  void Finish();

 private:
  QWidget* MakeButton(const ControlTemplate& control);
  QWidget* MakeStatic(const ControlTemplate& control);
  QWidget* MakeEdit(const ControlTemplate& control);
  QWidget* MakeList(const ControlTemplate& control);
  QWidget* MakeCombo(const ControlTemplate& control);
  QWidget* MakeCheckable(const ControlTemplate& control, int type);

  TemplateDialog& dialog_;
  const DialogUnits& units_;
  // The automatic radio buttons since the last control that starts a group.
  QButtonGroup* radioGroup_ = nullptr;
  // A label with a mnemonic hands the keyboard to the control after it.
  QPointer<QLabel> labelAwaitingBuddy_;
  std::vector<QWidget*> tabStops_;
};

}  // namespace platform
