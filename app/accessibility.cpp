#include "app/accessibility.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "app/accessible_board.h"
#include "app/accessible_status.h"
#include "app/board_view.h"
#include "support/catalogue.h"

namespace kestravane {

namespace {

class ReadoutAccessible : public QAccessibleWidget {
 public:
  explicit ReadoutAccessible(Readout* readout) : QAccessibleWidget(readout, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? static_cast<const Readout*>(widget())->Spoken() : QAccessibleWidget::text(t);
  }
};

// A menu item, named by its words, with its shortcut, or else its letter.
class MenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  MenuItemAccessible(QMenu* menu, QAction* action) : menu_(menu), action_(action), told_(state()) {
    watch_ = QObject::connect(action, &QAction::changed, action, [this] { TellStates(); });
  }
  ~MenuItemAccessible() override { QObject::disconnect(watch_); }

  bool isValid() const override { return menu_ && action_; }
  QObject* object() const override { return action_; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    if (t == QAccessible::Name) return WithoutMnemonic(action_->text());
    if (t == QAccessible::Accelerator) {
      const QKeySequence shortcut = action_->shortcut().isEmpty() ? QKeySequence::mnemonic(action_->text())
                                                                  : action_->shortcut();
      return shortcut.toString(QKeySequence::NativeText);
    }
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    return OnScreen(*menu_, menu_->actionGeometry(action_));
  }
  QAccessible::Role role() const override { return QAccessible::MenuItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    state.focusable = true;
    state.disabled = !action_->isEnabled();
    state.checkable = action_->isCheckable();
    state.checked = action_->isChecked();
    state.invisible = !action_->isVisible() || !menu_->isVisible();
    state.focused = menu_->activeAction() == action_;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (isValid() && action == pressAction() && action_->isEnabled()) action_->trigger();
  }
  QStringList keyBindingsForAction(const QString& action) const override {
    return action == pressAction() ? QStringList(text(QAccessible::Accelerator)) : QStringList();
  }

 private:
  // A reader keeps the states it was told: it hears when an item is grayed
  // or checked, one change an event.
  void TellStates() {
    const QAccessible::State now = state();
    QAccessible::State grayed, checked;
    grayed.disabled = now.disabled != told_.disabled;
    checked.checked = now.checked != told_.checked;
    told_ = now;
    for (const QAccessible::State& change : {grayed, checked}) {
      if (!change.disabled && !change.checked) continue;
      QAccessibleStateChangeEvent event(this, change);
      QAccessible::updateAccessibility(&event);
    }
  }

  QPointer<QMenu> menu_;
  QPointer<QAction> action_;
  QAccessible::State told_;
  QMetaObject::Connection watch_;
};

QAccessibleInterface* AccessibleFor(const QString&, QObject* object) {
  if (auto* board = qobject_cast<BoardView*>(object)) return new BoardAccessible(board);
  if (auto* line = qobject_cast<StatusLabel*>(object)) return new StatusLineAccessible(line);
  if (auto* readout = qobject_cast<Readout*>(object)) return new ReadoutAccessible(readout);
  if (auto* action = qobject_cast<QAction*>(object); action && !action->menu() && !action->isSeparator()) {
    for (QObject* holder : action->associatedObjects())
      if (auto* menu = qobject_cast<QMenu*>(holder)) return new MenuItemAccessible(menu, action);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(AccessibleFor); }

}  // namespace kestravane
