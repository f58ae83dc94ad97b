#include "platform/qt/dialog_controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "platform/qt/dialog_label.h"
#include "platform/qt/game_text.h"
#include "platform/qt/icon_label.h"
#include "platform/qt/layout_dialog.h"
#include "platform/qt/tab_stop_delegate.h"

namespace platform {
namespace {

using Kind = DialogControlKind;

// A check box or radio button the game checks itself when told it was clicked.
template <class Button>
class ManualButton : public Button {
 public:
  using Button::Button;

 protected:
  void nextCheckState() override {}
};

QString ControlText(const DialogControl& control) { return FromGameText(control.text); }

}  // namespace

DialogControlBuilder::DialogControlBuilder(LayoutDialog& dialog, const DialogUnits& units)
    : dialog_(dialog), units_(units) {}

void DialogControlBuilder::Add(const DialogControl& control) {
  if (Has(control.flags, ControlFlags::GroupStart)) radioGroup_ = nullptr;

  QWidget* widget = Make(control);
  widget->setGeometry(units_.Pixels(control.rect));
  if (control.kind == Kind::Icon && control.icon != 0) {
    if (const Result<Picture> icon = LoadIconResource(control.icon)) ShowIcon(static_cast<QLabel*>(widget), *icon);
  }
  widget->setEnabled(!Has(control.flags, ControlFlags::Disabled));
  widget->setHidden(Has(control.flags, ControlFlags::Hidden));
  if (widget->focusPolicy() != Qt::NoFocus) {
    if (Has(control.flags, ControlFlags::TabStop)) {
      widget->setFocusPolicy(Qt::StrongFocus);
      tabStops_.push_back(widget);
    } else {
      widget->setFocusPolicy(Qt::ClickFocus);
    }
    if (labelAwaitingBuddy_) labelAwaitingBuddy_->setBuddy(widget);
    labelAwaitingBuddy_.clear();
  }
  if (control.id != NoItem) dialog_.AddItem(control.id, widget);
}

void DialogControlBuilder::Finish() {
  for (std::size_t i = 1; i < tabStops_.size(); ++i)
    QWidget::setTabOrder(tabStops_[i - 1], tabStops_[i]);
}

QWidget* DialogControlBuilder::Make(const DialogControl& control) {
  switch (control.kind) {
    case Kind::Label:
      return MakeLabel(control, Qt::AlignLeft);
    case Kind::CentredLabel:
      return MakeLabel(control, Qt::AlignHCenter);
    case Kind::RightLabel:
      return MakeLabel(control, Qt::AlignRight);
    case Kind::Icon:
      return MakeIcon();
    case Kind::Edit:
    case Kind::NumberEdit:
      return MakeEdit(control);
    case Kind::PushButton:
    case Kind::DefaultPushButton:
      return MakePushButton(control);
    case Kind::AutoRadioButton:
    case Kind::RadioButton:
    case Kind::AutoCheckBox:
    case Kind::CheckBox:
      return MakeCheckable(control);
    case Kind::GroupBox:
      return MakeGroupBox(control);
    case Kind::ListBox:
      return MakeList(control);
  }
  return MakeLabel(control, Qt::AlignLeft);
}

QWidget* DialogControlBuilder::MakePushButton(const DialogControl& control) {
  auto* button = new QPushButton(ControlText(control), &dialog_);
  button->setAutoDefault(true);
  const int id = control.id;
  if (control.kind == Kind::DefaultPushButton) dialog_.SetDefaultButton(id, button);
  QObject::connect(button, &QAbstractButton::clicked, &dialog_,
                   [dialog = &dialog_, id] { dialog->Notify(id, NotifyClicked); });
  return button;
}

QWidget* DialogControlBuilder::MakeCheckable(const DialogControl& control) {
  const QString text = ControlText(control);
  QAbstractButton* button = nullptr;
  switch (control.kind) {
    case Kind::AutoCheckBox:
      button = new QCheckBox(text, &dialog_);
      break;
    case Kind::CheckBox:
      button = new ManualButton<QCheckBox>(text, &dialog_);
      break;
    case Kind::AutoRadioButton:
      button = new QRadioButton(text, &dialog_);
      if (!radioGroup_) radioGroup_ = new QButtonGroup(&dialog_);
      radioGroup_->addButton(button);
      break;
    default:
      button = new ManualButton<QRadioButton>(text, &dialog_);
      break;
  }
  // Radio buttons belong to the groups the layout draws, not to their parent.
  button->setAutoExclusive(false);
  const int id = control.id;
  QObject::connect(button, &QAbstractButton::clicked, &dialog_,
                   [dialog = &dialog_, id] { dialog->Notify(id, NotifyClicked); });
  return button;
}

QWidget* DialogControlBuilder::MakeGroupBox(const DialogControl& control) {
  auto* box = new QGroupBox(ControlText(control), &dialog_);
  box->setAttribute(Qt::WA_TransparentForMouseEvents);
  box->setFocusPolicy(Qt::NoFocus);
  box->lower();
  return box;
}

QWidget* DialogControlBuilder::MakeLabel(const DialogControl& control, Qt::Alignment alignment) {
  auto* label = new DialogLabel(&dialog_);
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | alignment);
  label->setText(ControlText(control));
  if (label->text().contains(QLatin1Char('&'))) labelAwaitingBuddy_ = label;
  return label;
}

QWidget* DialogControlBuilder::MakeIcon() {
  auto* label = new QLabel(&dialog_);
  label->setFocusPolicy(Qt::NoFocus);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QWidget* DialogControlBuilder::MakeEdit(const DialogControl& control) {
  auto* edit = new QLineEdit(ControlText(control), &dialog_);
  if (control.kind == Kind::NumberEdit) {
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  }
  const int id = control.id;
  QObject::connect(edit, &QLineEdit::textChanged, &dialog_,
                   [dialog = &dialog_, id] { dialog->Notify(id, NotifyEditChanged); });
  return edit;
}

QWidget* DialogControlBuilder::MakeList(const DialogControl& control) {
  auto* list = new QListWidget(&dialog_);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  if (control.listTabStop > 0) {
    list->setItemDelegate(new TabStopDelegate(units_.HorizontalPixels(control.listTabStop), list));
  }
  const int id = control.id;
  QObject::connect(list, &QListWidget::itemSelectionChanged, &dialog_,
                   [dialog = &dialog_, id] { dialog->Notify(id, NotifySelectionChanged); });
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog_,
                   [dialog = &dialog_, id] { dialog->Notify(id, NotifyDoubleClicked); });
  return list;
}

}  // namespace platform
