#pragma once

#include <QAccessibleInterface>

namespace kestravane {

// Something a screen reader finds that has no children and no object of its
// own, only a parent that it lives and dies with: a cell of the scanner, a
// notification of the status line.
class AccessibleLeaf : public QAccessibleInterface {
 public:
  explicit AccessibleLeaf(QAccessibleInterface& parent) : parent_(parent) {}

  bool isValid() const override { return parent_.isValid(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent_.window(); }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return &parent_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}

 private:
  QAccessibleInterface& parent_;
};

}  // namespace kestravane
