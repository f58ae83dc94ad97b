#include "app/accessible_board.h"

#include <QWindow>
#include <utility>

#include "app/accessibility.h"
#include "app/accessible_leaf.h"
#include "app/picture_texts.h"
#include "display/main_layout.h"
#include "platform/qt/rect_qt.h"
#include "support/catalogue.h"

namespace kestravane {

namespace {

constexpr int CellCount = AxisLength * AxisLength;

// The axes the scanner's rows and columns run along, by scan axis.
QChar RowAxis(const GameState& state) { return EffectiveAxis(state) == ScanAxis::Y ? u'Z' : u'Y'; }
QChar ColumnAxis(const GameState& state) { return EffectiveAxis(state) == ScanAxis::X ? u'Z' : u'X'; }

// "Z 0, Y 4, X 4: target, destroyed Roder ship": the quadrant, then what the
// scanner shows there.
QString CellName(const Session& session, Quadrant quadrant) {
  Text seen = Text::UnknownCell;
  if (ShipShown(session.Grid, quadrant, session.ScannerTracing))
    seen = session.Grid.Struck[QuadrantIndex(quadrant.Z, quadrant.Y, quadrant.X)] ? Text::DestroyedShipCell
                                                                                  : Text::LiveShipCell;
  else if (SearchedEmpty(session.Grid, quadrant))
    seen = Text::SearchedCell;
  const std::string what = ShipQuadrant(session.State) == quadrant ? Tr(Text::TargetCell, seen).toStdString()
                                                                   : Tr(seen).toStdString();
  return Tr(Text::CellName, quadrant.Z, quadrant.Y, quadrant.X, what);
}

void Tell(QAccessibleInterface* about, QAccessible::Event what) {
  QAccessibleEvent event(about, what);
  QAccessible::updateAccessibility(&event);
}

class ScannerCell : public AccessibleLeaf, public QAccessibleTableCellInterface {
 public:
  ScannerCell(ScannerTable& table, ScanAxis axis, Quadrant quadrant)
      : AccessibleLeaf(table), table_(table), axis_(axis), quadrant_(quadrant) {}

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && isValid() ? CellName(Session(), quadrant_) : QString();
  }
  QRect rect() const override {
    if (!isValid()) return {};
    return OnScreen(*table_.board(), table_.board()->Zoomed(platform::ToQRect(CellRect(Place()))));
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    state.invisible = !SectorShown(Session()) || !InSector();
    state.focusable = true;
    state.focused = table_.Target() == this && table_.board()->hasFocus();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return Place().Column; }
  int rowIndex() const override { return Place().Row; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return &table_; }

 private:
  const kestravane::Session& Session() const { return table_.board()->session(); }
  // Where the quadrant shows while the scanner looks along the cell's axis.
  kestravane::Cell Place() const {
    GameState along = Session().State;
    along.Axis = axis_;
    return CellOf(along, quadrant_);
  }
  bool InSector() const {
    const GameState& state = Session().State;
    return EffectiveAxis(state) == axis_ && SectorQuadrant(state, Place().Row, Place().Column) == quadrant_;
  }

  ScannerTable& table_;
  ScanAxis axis_;
  Quadrant quadrant_;
};

// Which sector the scanner shows: its axis and its fixed coordinate.
int SectorKey(const GameState& state) {
  return static_cast<int>(EffectiveAxis(state)) * AxisLength + SectorCoordinate(state);
}

}  // namespace

BoardAccessible::BoardAccessible(BoardView* board)
    : QAccessibleWidget(board), table_(new ScannerTable(board)),
      tableId_(QAccessible::registerAccessibleInterface(table_)) {}

// The table and its cells are the board's; Qt's register keeps them only so
// that readers can name them.
BoardAccessible::~BoardAccessible() { QAccessible::deleteAccessibleInterface(tableId_); }

int BoardAccessible::childCount() const { return 1 + QAccessibleWidget::childCount(); }

QAccessibleInterface* BoardAccessible::child(int index) const {
  return index == 0 ? table_ : QAccessibleWidget::child(index - 1);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (child == table_) return 0;
  const int index = QAccessibleWidget::indexOfChild(child);
  return index < 0 ? -1 : index + 1;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
  return widget()->hasFocus() ? table_->Target() : QAccessibleWidget::focusChild();
}

void BoardAccessible::Follow(bool focusIn) { table_->Follow(focusIn); }

ScannerTable::ScannerTable(BoardView* board) : board_(board) {}

ScannerTable::~ScannerTable() {
  for (const QAccessible::Id cell : cells_)
    if (cell) QAccessible::deleteAccessibleInterface(cell);
}

QAccessibleInterface* ScannerTable::Cell(int row, int column) const {
  if (!board_ || row < 0 || row >= AxisLength || column < 0 || column >= AxisLength) return nullptr;
  const GameState& state = board_->session().State;
  const Quadrant quadrant = SectorQuadrant(state, row, column);
  const ScanAxis axis = EffectiveAxis(state);
  QAccessible::Id& cell = cells_[static_cast<std::size_t>(static_cast<int>(axis) * QuadrantCount +
                                                          QuadrantIndex(quadrant.Z, quadrant.Y, quadrant.X))];
  if (!cell)
    cell = QAccessible::registerAccessibleInterface(new ScannerCell(*const_cast<ScannerTable*>(this), axis, quadrant));
  return QAccessible::accessibleInterface(cell);
}

QAccessibleInterface* ScannerTable::Target() const {
  const Session& session = board_->session();
  if (!SectorShown(session)) return const_cast<ScannerTable*>(this);
  const kestravane::Cell target = ShipCell(session.State);
  return Cell(target.Row, target.Column);
}

void ScannerTable::Follow(bool focusIn) {
  const Session& session = board_->session();
  const bool told = target_ != nullptr;
  // Another sector is other cells; within one, a cell may change its name.
  const int sector = SectorKey(session.State);
  const bool sameSector = sector == sector_;
  sector_ = sector;
  if (told && !sameSector) {
    QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
  }
  for (int index = 0; index < CellCount; ++index) {
    QString name = CellName(session, SectorQuadrant(session.State, index / AxisLength, index % AxisLength));
    QString& last = names_[static_cast<std::size_t>(index)];
    if (name == last) continue;
    last = std::move(name);
    if (told && sameSector) Tell(child(index), QAccessible::NameChanged);
  }
  // A page's words are read with the table as it takes the keyboard. Qt
  // would send a changed description as the object, not the words, which
  // one reader fails on.
  if (QString page = PictureText(session); page != page_) {
    const bool sector = page.isEmpty(), sectorWas = page_.isEmpty();
    page_ = std::move(page);
    // The cells go out of sight under a page and come back after it.
    for (int index = 0; told && sector != sectorWas && index < CellCount; ++index)
      Tell(child(index), sector ? QAccessible::ObjectShow : QAccessible::ObjectHide);
  }
  QAccessibleInterface* target = Target();
  if (board_->hasFocus() && (focusIn || target != target_)) Tell(target, QAccessible::Focus);
  target_ = target;
}

QWindow* ScannerTable::window() const { return board_ ? board_->window()->windowHandle() : nullptr; }

QAccessibleInterface* ScannerTable::childAt(int x, int y) const {
  if (!board_) return nullptr;
  const QPoint at = board_->ImagePixel(board_->mapFromGlobal(QPoint(x, y)));
  const std::optional<kestravane::Cell> cell = CellAt(at.x(), at.y());
  return cell ? Cell(cell->Row, cell->Column) : nullptr;
}

QAccessibleInterface* ScannerTable::parent() const {
  return board_ ? QAccessible::queryAccessibleInterface(board_.data()) : nullptr;
}

QAccessibleInterface* ScannerTable::child(int index) const {
  return index < 0 || index >= CellCount ? nullptr : Cell(index / AxisLength, index % AxisLength);
}

int ScannerTable::indexOfChild(const QAccessibleInterface* child) const {
  const auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
  return cell && Cell(cell->rowIndex(), cell->columnIndex()) == child
             ? cell->rowIndex() * AxisLength + cell->columnIndex()
             : -1;
}

QString ScannerTable::text(QAccessible::Text t) const {
  if (!board_) return {};
  if (t == QAccessible::Name) return Tr(Text::ScannerName);
  if (t == QAccessible::Description) return PictureText(board_->session());
  return {};
}

QRect ScannerTable::rect() const {
  return board_ ? OnScreen(*board_, board_->Zoomed(platform::ToQRect(layout::ScannerArea))) : QRect();
}

QAccessible::State ScannerTable::state() const {
  QAccessible::State state;
  if (!board_) return state;
  const bool page = !SectorShown(board_->session());
  state.focusable = page;
  state.focused = page && board_->hasFocus();
  return state;
}

void* ScannerTable::interface_cast(QAccessible::InterfaceType type) {
  return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
}

QString ScannerTable::columnDescription(int column) const {
  return board_ ? QStringLiteral("%1 %2").arg(ColumnAxis(board_->session().State)).arg(column) : QString();
}

QString ScannerTable::rowDescription(int row) const {
  return board_ ? QStringLiteral("%1 %2").arg(RowAxis(board_->session().State)).arg(row) : QString();
}

}  // namespace kestravane
