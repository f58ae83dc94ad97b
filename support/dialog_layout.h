#pragma once

#include <QLabel>
#include <QLayout>
#include <QList>

#include "engine/identifiers.h"

class QDialog;

namespace kestravane {

// A rectangle in dialog units: a horizontal unit is a quarter of the dialog
// font's average letter width, a vertical unit an eighth of its height, so a
// dialog keeps its proportions whatever size the font ends up. A control
// placed with no size takes its own (an icon).
struct UnitRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Gives `dialog` the game's dialog font, its caption and a frame the player
// cannot resize, modal over its owner (or the whole game without one).
void SetUpDialog(QDialog& dialog, const QString& caption);

// Places each control of a dialog at its rectangle in dialog units, rounded
// to whole pixels, in a dialog of `width` x `height` units. A control whose
// words need more room than their rectangle (a longer translation) grows,
// and what follows it moves along: to its right across, below it down; a
// frame around it grows with it, and the dialog last. The dialog keeps the
// size the layout gives it.
class DialogLayout final : public QLayout {
 public:
  DialogLayout(QWidget* dialog, int width, int height);
  ~DialogLayout() override;

  template <class Control>
  Control* Add(Control* control, UnitRect rect) {
    pending_ = rect;
    addWidget(control);
    return control;
  }

  // Dialog units in pixels of the dialog's font, rounded to the nearest.
  int Across(int units) const;
  int Down(int units) const;

  void addItem(QLayoutItem* item) override;
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  int count() const override { return static_cast<int>(placed_.size()); }
  QSize sizeHint() const override;
  QSize minimumSize() const override { return sizeHint(); }
  void setGeometry(const QRect& rect) override;
  void invalidate() override;

 private:
  struct Placed {
    QLayoutItem* item;
    UnitRect units;
  };
  void Arrange() const;

  QList<Placed> placed_;
  UnitRect pending_;
  QSize units_;
  mutable QList<QRect> arranged_;
  mutable QSize size_;
};

// A label showing icon `icon` at its own size; empty when the icon cannot be
// loaded.
QLabel* IconLabel(Icon icon);

// A one-line label. The game's face is wider than the one its layouts were
// drawn for, so a text a little too long for its line is drawn a little
// condensed; one that needs more than that makes its label grow.
class DialogLabel : public QLabel {
 public:
  explicit DialogLabel(const QString& text, Qt::Alignment alignment = Qt::AlignLeft);

  // The narrowest the words may be drawn.
  int NeededWidth() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kestravane
