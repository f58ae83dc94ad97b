#include "app/accessible_status.h"

#include "app/accessible_leaf.h"

namespace kestravane {

namespace {

// One message, shown to a reader as a notification.
class Notice : public AccessibleLeaf {
 public:
  using AccessibleLeaf::AccessibleLeaf;

  QString message;

  QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? message : QString(); }
  QRect rect() const override { return parent()->rect(); }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override { return {}; }
};

}  // namespace

StatusLineAccessible::~StatusLineAccessible() {
  for (const QAccessible::Id notice : notices_)
    if (notice) QAccessible::deleteAccessibleInterface(notice);
}

void StatusLineAccessible::Announce(const QString& previous) {
  QAccessibleTextUpdateEvent update(this, 0, previous, Whole());
  QAccessible::updateAccessibility(&update);
  QAccessible::Id& id = notices_[std::exchange(next_, (next_ + 1) % notices_.size())];
  if (!id) id = QAccessible::registerAccessibleInterface(new Notice(*this));
  auto* notice = static_cast<Notice*>(QAccessible::accessibleInterface(id));
  notice->message = Whole();
  QAccessibleEvent shown(notice, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

void* StatusLineAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

// The tip repeats the text; it is no description.
QString StatusLineAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Description) return {};
  return t == QAccessible::Name ? Whole() : QAccessibleWidget::text(t);
}

QAccessible::State StatusLineAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.readOnly = true;
  return state;
}

QString StatusLineAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = offset;
  return {};
}

}  // namespace kestravane
