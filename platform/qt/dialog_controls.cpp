#include "platform/qt/dialog_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "platform/qt/game_text.h"
#include "platform/qt/picture_data.h"
#include "platform/qt/tab_stop_delegate.h"
#include "platform/qt/template_dialog.h"
#include "platform/resources.h"

namespace platform {
namespace {

// Button styles (the low four bits).
constexpr int PushButton = 0;
constexpr int DefaultPushButton = 1;
constexpr int CheckBox = 2;
constexpr int AutoCheckBox = 3;
constexpr int RadioButton = 4;
constexpr int ThreeState = 5;
constexpr int AutoThreeState = 6;
constexpr int GroupBox = 7;
constexpr int AutoRadioButton = 9;

// Static styles.
constexpr int StaticCentre = 1;
constexpr int StaticRight = 2;
constexpr int StaticIcon = 3;

// Edit styles.
constexpr std::uint32_t EditCentre = 0x1;
constexpr std::uint32_t EditRight = 0x2;
constexpr std::uint32_t EditReadOnly = 0x800;
constexpr std::uint32_t EditNumber = 0x2000;

// List and combo box styles.
constexpr std::uint32_t ListTabStops = 0x80;
constexpr int ListTabStopUnits = 32;
constexpr int ComboDropDownList = 3;

// A check box or radio button the game checks itself when told it was clicked.
template <class Button>
class ManualButton : public Button {
 public:
  using Button::Button;

 protected:
  void nextCheckState() override {}
};

std::optional<std::uint16_t> ClassAtom(const NameOrOrdinal& controlClass) {
  if (controlClass.ordinal) return controlClass.ordinal;
  const QString name = QString::fromStdU16String(controlClass.name).toLower();
  if (name == u"button") return control_class::Button;
  if (name == u"edit") return control_class::Edit;
  if (name == u"static") return control_class::Static;
  if (name == u"listbox") return control_class::ListBox;
  if (name == u"combobox") return control_class::ComboBox;
  return std::nullopt;
}

QString ControlText(const ControlTemplate& control) {
  return WithLineBreaks(QString::fromStdU16String(control.text.name));
}

}  // namespace

DialogControlBuilder::DialogControlBuilder(TemplateDialog& dialog, const DialogUnits& units)
    : dialog_(dialog), units_(units) {}

bool DialogControlBuilder::Add(const ControlTemplate& control) {
  const std::optional<std::uint16_t> atom = ClassAtom(control.controlClass);
  if (!atom) return false;
  if (control.style & style::Group) radioGroup_ = nullptr;

  QWidget* widget = nullptr;
  switch (*atom) {
    case control_class::Button:
      widget = MakeButton(control);
      break;
    case control_class::Edit:
      widget = MakeEdit(control);
      break;
    case control_class::Static:
      widget = MakeStatic(control);
      break;
    case control_class::ListBox:
      widget = MakeList(control);
      break;
    case control_class::ComboBox:
      widget = MakeCombo(control);
      break;
    default:
      return false;
  }

  widget->setGeometry(units_.Pixels(control.x, control.y, control.width, control.height));
  // A combo box's height in the template includes its drop-down list.
  if (*atom == control_class::ComboBox)
    widget->resize(widget->width(), widget->sizeHint().height());
  widget->setEnabled(!(control.style & style::Disabled));
  widget->setHidden(!(control.style & style::Visible));
  if (widget->focusPolicy() != Qt::NoFocus) {
    if (control.style & style::TabStop) {
      widget->setFocusPolicy(Qt::StrongFocus);
      tabStops_.push_back(widget);
    } else {
      widget->setFocusPolicy(Qt::ClickFocus);
    }
    if (labelAwaitingBuddy_) labelAwaitingBuddy_->setBuddy(widget);
    labelAwaitingBuddy_.clear();
  }
  dialog_.AddItem(control.id, widget);
  return true;
}

void DialogControlBuilder::Finish() {
  for (std::size_t i = 1; i < tabStops_.size(); ++i)
    QWidget::setTabOrder(tabStops_[i - 1], tabStops_[i]);
}

QWidget* DialogControlBuilder::MakeButton(const ControlTemplate& control) {
  const int type = control.style & 0x0F;
  const int id = control.id;
  if (type == GroupBox) {
    auto* box = new QGroupBox(ControlText(control), &dialog_);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFocusPolicy(Qt::NoFocus);
    box->lower();
    return box;
  }
  if (type == CheckBox || type == AutoCheckBox || type == ThreeState || type == AutoThreeState ||
      type == RadioButton || type == AutoRadioButton) {
    return MakeCheckable(control, type);
  }
  auto* button = new QPushButton(ControlText(control), &dialog_);
  button->setAutoDefault(true);
  if (type == DefaultPushButton) dialog_.SetDefaultButton(id, button);
  QObject::connect(button, &QAbstractButton::clicked, &dialog_,
                   [dialog = &dialog_, id] { dialog->Notify(id, NotifyClicked); });
  return button;
}

QWidget* DialogControlBuilder::MakeCheckable(const ControlTemplate& control, int type) {
  const QString text = ControlText(control);
  QAbstractButton* button = nullptr;
  if (type == AutoCheckBox || type == AutoThreeState) {
    button = new QCheckBox(text, &dialog_);
  } else if (type == CheckBox || type == ThreeState) {
    button = new ManualButton<QCheckBox>(text, &dialog_);
  } else if (type == AutoRadioButton) {
    button = new QRadioButton(text, &dialog_);
    if (!radioGroup_) radioGroup_ = new QButtonGroup(&dialog_);
    radioGroup_->addButton(button);
  } else {
    button = new ManualButton<QRadioButton>(text, &dialog_);
  }
  // Radio buttons belong to the groups the template draws, not to their parent.
  button->setAutoExclusive(false);
  const int id = control.id;
  QObject::connect(button, &QAbstractButton::clicked, &dialog_,
                   [dialog = &dialog_, id] { dialog->Notify(id, NotifyClicked); });
  return button;
}

QWidget* DialogControlBuilder::MakeStatic(const ControlTemplate& control) {
  auto* label = new QLabel(&dialog_);
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  const int type = control.style & 0x1F;
  if (type == StaticIcon) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (control.text.ordinal) {
      int error = 0;
      const Picture icon = LoadIconResource(*control.text.ordinal, error);
      if (!icon.IsNull()) label->setPixmap(QPixmap::fromImage(icon.data()->image));
    }
    return label;
  }
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | (type == StaticCentre  ? Qt::AlignHCenter
                                      : type == StaticRight ? Qt::AlignRight
                                                            : Qt::AlignLeft));
  label->setText(ControlText(control));
  if (label->text().contains(QLatin1Char('&'))) labelAwaitingBuddy_ = label;
  return label;
}

QWidget* DialogControlBuilder::MakeEdit(const ControlTemplate& control) {
  auto* edit = new QLineEdit(ControlText(control), &dialog_);
  if (control.style & EditNumber) {
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  }
  edit->setAlignment(Qt::AlignVCenter | (control.style & EditRight    ? Qt::AlignRight
                                         : control.style & EditCentre ? Qt::AlignHCenter
                                                                      : Qt::AlignLeft));
  edit->setReadOnly(control.style & EditReadOnly);
  const int id = control.id;
  QObject::connect(edit, &QLineEdit::textChanged, &dialog_,
                   [dialog = &dialog_, id] { dialog->Notify(id, NotifyEditChanged); });
  return edit;
}

QWidget* DialogControlBuilder::MakeList(const ControlTemplate& control) {
  auto* list = new QListWidget(&dialog_);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  if (control.style & ListTabStops) {
    list->setItemDelegate(new TabStopDelegate(units_.HorizontalPixels(ListTabStopUnits), list));
  }
  const int id = control.id;
  QObject::connect(list, &QListWidget::itemSelectionChanged, &dialog_,
                   [dialog = &dialog_, id] { dialog->Notify(id, NotifySelectionChanged); });
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog_,
                   [dialog = &dialog_, id] { dialog->Notify(id, NotifyDoubleClicked); });
  return list;
}

QWidget* DialogControlBuilder::MakeCombo(const ControlTemplate& control) {
  auto* combo = new QComboBox(&dialog_);
  combo->setEditable((control.style & 0x3) != ComboDropDownList);
  const int id = control.id;
  QObject::connect(combo, &QComboBox::activated, &dialog_,
                   [dialog = &dialog_, id] { dialog->Notify(id, NotifySelectionChanged); });
  return combo;
}

}  // namespace platform
