#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

#include "app/board_view.h"
#include "engine/sector.h"

namespace kestravane {

class ScannerTable;

// The board as a screen reader finds it: first the scanner, a table of the
// sector's cells, then the panels' labels and buttons and the status line.
class BoardAccessible : public QAccessibleWidget {
 public:
  explicit BoardAccessible(BoardView* board);
  ~BoardAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override;

  // Tells the reader what the last paint changed: the cells' names, the page
  // shown in place of the sector, and, while the board has the keyboard,
  // the cell the target moved to, or the page. `focusIn` says the board has
  // just taken the keyboard, which puts the reader on that cell again.
  void Follow(bool focusIn);

 private:
  ScannerTable* table_;
  QAccessible::Id tableId_;
};

// The scanner's 9 x 9 cells, named from what the player could see of them.
// A cell is a quadrant as the scanner shows it along one axis: a move or a
// turn of the scanner puts the target on another cell, which a reader then
// announces.
class ScannerTable : public QAccessibleInterface, public QAccessibleTableInterface {
 public:
  explicit ScannerTable(BoardView* board);
  ~ScannerTable() override;

  const BoardView* board() const { return board_; }
  QAccessibleInterface* Cell(int row, int column) const;
  // The cell the target is in, or the table while it shows a page.
  QAccessibleInterface* Target() const;
  void Follow(bool focusIn);

  bool isValid() const override { return board_; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int index) const override;
  int childCount() const override { return AxisLength * AxisLength; }
  int indexOfChild(const QAccessibleInterface* child) const override;
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Table; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override { return Cell(row, column); }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return AxisLength; }
  int rowCount() const override { return AxisLength; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  QPointer<BoardView> board_;
  // Made as a reader comes to them, one for each axis and quadrant.
  mutable std::array<QAccessible::Id, 3 * QuadrantCount> cells_{};
  // What the reader was last told: the sector shown, its cells' names, the
  // page, the object with the keyboard.
  int sector_ = -1;
  std::array<QString, AxisLength * AxisLength> names_;
  QString page_;
  QAccessibleInterface* target_ = nullptr;
};

}  // namespace kestravane
