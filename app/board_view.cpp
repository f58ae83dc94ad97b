#include "app/board_view.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/accessibility.h"
#include "app/accessible_board.h"
#include "display/main_layout.h"
#include "display/main_paint.h"
#include "platform/qt/rect_qt.h"
#include "support/catalogue.h"
#include "support/etched_label.h"

namespace kestravane {

namespace {

// The panels' captions and readouts are laid out for a small 8-point face:
// at 10 pixels DejaVu Sans fits "60 Ships Remain" into its 85-pixel readout.
constexpr int LabelFontPixels = 10;

QFont LabelFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(LabelFontPixels);
  return font;
}

void SetText(QLabel* label, const std::optional<std::string>& text) {
  if (text) label->setText(QString::fromStdString(*text));
}

}  // namespace

BoardView::BoardView(Session& session, QColor background, QWidget* parent)
    : QWidget(parent), session_(session), background_(background), image_(ClientWidth, ClientHeight, QImage::Format_RGB32) {
  using namespace layout;
  // Before any of the game's widgets is asked for its accessible interface:
  // Qt keeps the first answer for a widget's class.
  InstallAccessibility();
  image_.fill(background_);
  // A new board owes its first paint, all of it, as soon as it shows.
  owed_ = image_.rect();
  setFixedSize(ClientWidth, ClientHeight);
  setFocusPolicy(Qt::StrongFocus);
  // The image covers every pixel, so Qt need not clear anything first.
  setAttribute(Qt::WA_OpaquePaintEvent);

  const std::string ready = CatalogueText(Text::Ready).value_or("");
  const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
  statusLine_ = Place(new StatusLabel(QString::fromStdString(ready), this), StatusLine, left);
  scanLabel_ = AddLabel(ScanLabel, "", Qt::AlignCenter);
  AddLabel(WeaponsTitle, " Weapons", left, true);
  weaponsReadout_ = AddReadout(WeaponsReadout, "Weapons target %1", Qt::AlignCenter);
  AddLabel(MissilesLabel, "Missiles", left);
  missileCount_ = AddReadout(MissileCount, "Missiles %1", left);
  aim_ = AddButton(AimButton, "&Aim", Command::Aim);
  fire_ = AddButton(FireButton, "&Fire", Command::Fire);
  AddLabel(EnginesTitle, " Engines", left, true);
  enginesReadout_ = AddReadout(EnginesReadout, "Engines position %1", Qt::AlignCenter);
  AddLabel(FuelLabel, "Fuel", left);
  fuelCount_ = AddReadout(FuelCount, "Fuel %1", left);
  reverse_ = AddButton(ReverseButton, "<<<", Command::Reverse, "Engines back");
  engage_ = AddButton(EngageButton, ">>>", Command::Engage, "Engines forward");
  AddLabel(ScannerTitle, " Scanner", left, true);
  scannerReadout_ = AddReadout(ScannerReadout, "Scanner position %1", Qt::AlignCenter);
  sectorShips_ = AddReadout(SectorShips, "Roder ships in sector %1", left);
  sectorDestroyed_ = AddReadout(SectorDestroyed, "Destroyed in sector %1", left);
  sectorRemaining_ = AddReadout(SectorRemaining, "Remaining in sector %1", left);
  shipsRemaining_ = AddLabel(ShipsRemaining, "", left);
  killRatio_ = AddLabel(KillRatio, "", left);
}

QLabel* BoardView::AddLabel(const platform::Rect& place, const char* text, Qt::Alignment alignment, bool etched) {
  const QString caption = QString::fromUtf8(text);
  QLabel* label = Place(etched ? new EtchedLabel(caption, this) : new QLabel(caption, this), place, alignment);
  // A panel's title takes no part in play.
  label->setEnabled(!etched);
  return label;
}

Readout* BoardView::AddReadout(const platform::Rect& place, const char* caption, Qt::Alignment alignment) {
  return Place(new Readout(caption, this), place, alignment);
}

template <class Label>
Label* BoardView::Place(Label* label, const platform::Rect& place, Qt::Alignment alignment) {
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment);
  // Over the game's own drawing the text needs a solid ground.
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, background_);
  label->setPalette(palette);
  label->setAutoFillBackground(true);
  label->setFont(LabelFont());
  label->setGeometry(platform::ToQRect(place));
  return label;
}

QPushButton* BoardView::AddButton(const platform::Rect& place, const char* text, Command command, const char* name) {
  auto* button = new QPushButton(QString::fromUtf8(text), this);
  if (name) button->setAccessibleName(QString::fromUtf8(name));
  // The game's keys go to the board, never to a button.
  button->setFocusPolicy(Qt::NoFocus);
  button->setFont(LabelFont());
  button->setGeometry(platform::ToQRect(place));
  connect(button, &QPushButton::clicked, this, [this, command] { emit shipCommand(command); });
  return button;
}

void BoardView::SetStatus(const QString& text, const QString& elidable) {
  const QFontMetrics metrics(statusLine_->font());
  const int overflow = metrics.horizontalAdvance(text) - statusLine_->contentsRect().width();
  const qsizetype at = elidable.isEmpty() ? -1 : text.indexOf(elidable);
  QString shown = text;
  if (overflow > 0 && at >= 0)
    shown.replace(at, elidable.size(),
                  metrics.elidedText(elidable, Qt::ElideMiddle, metrics.horizontalAdvance(elidable) - overflow));
  statusLine_->Show(text, shown);
  emit statusShown(text);
}

void BoardView::Invalidate(const QRect& area) {
  const QRect clipped = area & image_.rect();
  if (clipped.isEmpty()) return;
  owed_ += clipped;
  update(clipped);
}

void BoardView::PaintNow() {
  PaintOwed();
  if (isVisible()) repaint();
}

void BoardView::ShowDrawn() {
  const QRect area = canvas_.TakeChanged();
  if (area.isEmpty()) return;
  blitOnly_ = true;
  repaint(area);
  blitOnly_ = false;
  // That paint used up Qt's pending update, but the board may still be owed one.
  if (!owed_.isEmpty()) update(owed_.boundingRect());
}

void BoardView::ShowTexts(const BoardTexts& texts) {
  SetText(scanLabel_, texts.ScanLabel);
  SetText(weaponsReadout_, texts.WeaponsReadout);
  SetText(missileCount_, texts.MissileCount);
  SetText(enginesReadout_, texts.EnginesReadout);
  SetText(fuelCount_, texts.FuelCount);
  SetText(scannerReadout_, texts.ScannerReadout);
  SetText(sectorShips_, texts.SectorShips);
  SetText(sectorDestroyed_, texts.SectorDestroyed);
  SetText(sectorRemaining_, texts.SectorRemaining);
  SetText(shipsRemaining_, texts.ShipsRemaining);
  SetText(killRatio_, texts.KillRatio);
}

void BoardView::EnableShipButtons(bool enable) {
  for (QPushButton* button : {aim_, fire_, reverse_, engage_}) button->setEnabled(enable);
  Invalidate();
}

// Every paint of the game draws the whole board, whatever was owed.
void BoardView::PaintOwed() {
  if (owed_.isEmpty()) return;
  owed_ = QRegion();
  BoardTexts texts;
  PaintBoard(canvas_, texts, session_);
  canvas_.TakeChanged();
  ShowTexts(texts);
  TellScreenReader(false);
}

void BoardView::TellScreenReader(bool focusIn) {
  if (auto* board = ListeningAs<BoardAccessible>(this)) board->Follow(focusIn);
}

bool BoardView::event(QEvent* event) {
  // Tab is one of the game's keys, not a move to the next control.
  if (event->type() == QEvent::KeyPress) {
    keyPressEvent(static_cast<QKeyEvent*>(event));
    return true;
  }
  return QWidget::event(event);
}

void BoardView::paintEvent(QPaintEvent* event) {
  if (!blitOnly_) PaintOwed();
  QPainter painter(this);
  const QRect area = event->rect();
  const qreal ratio = devicePixelRatioF();
  if (ratio == 1.0) {
    painter.drawImage(area, image_, area);
    return;
  }
  // Pixel art stays sharp at any scale: each screen pixel shows the game's
  // pixel it falls in, never a blend, so that at 1.5 a game pixel becomes a
  // block of one or two screen pixels each way. A click goes to the pixel
  // it falls in by the same rule.
  const auto start = [ratio](int from) { return static_cast<int>(std::floor(from * ratio)); };
  const auto end = [ratio](int to) { return static_cast<int>(std::ceil(to * ratio)); };
  const int left = start(area.left()), top = start(area.top());
  QImage scaled(std::min(end(area.right() + 1), end(image_.width())) - left,
                std::min(end(area.bottom() + 1), end(image_.height())) - top, QImage::Format_RGB32);
  std::vector<int> column(static_cast<std::size_t>(scaled.width()));
  for (int x = 0; x < scaled.width(); ++x) column[static_cast<std::size_t>(x)] = static_cast<int>((left + x) / ratio);
  for (int y = 0; y < scaled.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(image_.constScanLine(static_cast<int>((top + y) / ratio)));
    auto* to = reinterpret_cast<QRgb*>(scaled.scanLine(y));
    for (int x = 0; x < scaled.width(); ++x) to[x] = from[column[static_cast<std::size_t>(x)]];
  }
  scaled.setDevicePixelRatio(ratio);
  painter.drawImage(QPointF(left / ratio, top / ratio), scaled);
}

void BoardView::keyPressEvent(QKeyEvent* event) {
  emit keyPressed(event->key(), event->modifiers(), event->isAutoRepeat());
}

// Qt tells a reader the board took the keyboard once this returns; the
// reader then hears the cell the target is in.
void BoardView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (QAccessible::isActive()) QMetaObject::invokeMethod(this, [this] { TellScreenReader(true); }, Qt::QueuedConnection);
}

// The game counts presses, not double clicks; QWidget hands the second press
// of a double click, which comes as a double click alone, to this too.
void BoardView::mousePressEvent(QMouseEvent* event) {
  const QPoint at(static_cast<int>(std::floor(event->position().x())),
                  static_cast<int>(std::floor(event->position().y())));
  if (event->button() == Qt::LeftButton) emit leftPressed(at);
  if (event->button() == Qt::RightButton) emit rightPressed(at);
}

}  // namespace kestravane
