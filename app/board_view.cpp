#include "app/board_view.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "app/accessibility.h"
#include "app/accessible_board.h"
#include "app/accessible_status.h"
#include "app/path_dir.h"
#include "display/board_paint.h"
#include "display/main_layout.h"
#include "engine/sector.h"
#include "platform/qt/rect_qt.h"
#include "support/catalogue.h"
#include "support/etched_label.h"

namespace kestravane {

namespace {

// The panels' captions and readouts are laid out for a small 8-point face:
// at 10 pixels DejaVu Sans fits "60 Ships Remain" into its 85-pixel readout.
constexpr int LabelFontPixels = 10;
// How far a longer translation may squeeze the panels' face: condensed to
// this stretch, then down to this size of type.
constexpr int NarrowestStretch = 75;
constexpr int SmallestFontPixels = 8;

QFont LabelFont(int zoom) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(LabelFontPixels * zoom);
  return font;
}

// Each refresh fits the words again; a font that stays costs no new layout.
void SetFont(QWidget& widget, const QFont& font) {
  if (widget.font() != font) widget.setFont(font);
}

}  // namespace

void StatusLabel::Show(const QString& whole, const QString& shown) {
  const QString previous = std::exchange(whole_, whole);
  setText(shown);
  setToolTip(whole);
  if (auto* line = ListeningAs<StatusLineAccessible>(this)) line->Announce(previous);
}

QString Readout::Spoken() const {
  return Tr(caption_, text().section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty).toStdString());
}

BoardView::BoardView(Session& session, QColor background, platform::PictureStore& pictures, QWidget* parent)
    : QWidget(parent),
      session_(session),
      background_(background),
      pictures_(pictures),
      image_(ClientWidth, ClientHeight, QImage::Format_RGB32) {
  using namespace layout;
  // Before any of the game's widgets is asked for its accessible interface:
  // Qt keeps the first answer for a widget's class.
  InstallAccessibility();
  image_.fill(background_);
  // The board draws its own light panels: its texts and buttons keep the
  // style's own light colours whatever scheme the desktop has, dark ones too.
  setPalette(style()->standardPalette());
  setFixedSize(ClientWidth, ClientHeight);
  setFocusPolicy(Qt::StrongFocus);
  // The image covers every pixel, so Qt need not clear anything first.
  setAttribute(Qt::WA_OpaquePaintEvent);

  const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
  statusLine_ = Place(new StatusLabel(Tr(Text::Ready), this), StatusLine, left);
  scanLabel_ = Place(new QLabel(this), ScanLabel, Qt::AlignCenter);
  AddTitle(WeaponsTitle, Text::WeaponsTitle);
  weaponsReadout_ = Place(new Readout(Text::WeaponsReadoutName, this), WeaponsReadout, Qt::AlignCenter);
  Place(new QLabel(Tr(Text::MissilesLabel), this), MissilesLabel, left);
  missileCount_ = Place(new Readout(Text::MissileCountName, this), MissileCount, left);
  aim_ = AddButton(AimButton, Tr(Text::AimButton), Command::Aim);
  fire_ = AddButton(FireButton, Tr(Text::FireButton), Command::Fire);
  AddTitle(EnginesTitle, Text::EnginesTitle);
  enginesReadout_ = Place(new Readout(Text::EnginesReadoutName, this), EnginesReadout, Qt::AlignCenter);
  Place(new QLabel(Tr(Text::FuelLabel), this), FuelLabel, left);
  fuelCount_ = Place(new Readout(Text::FuelCountName, this), FuelCount, left);
  reverse_ = AddButton(ReverseButton, QStringLiteral("<<<"), Command::Reverse);
  reverse_->setAccessibleName(Tr(Text::ReverseButtonName));
  engage_ = AddButton(EngageButton, QStringLiteral(">>>"), Command::Engage);
  engage_->setAccessibleName(Tr(Text::EngageButtonName));
  AddTitle(ScannerTitle, Text::ScannerTitle);
  scannerReadout_ = Place(new Readout(Text::ScannerReadoutName, this), ScannerReadout, Qt::AlignCenter);
  sectorShips_ = Place(new Readout(Text::SectorShipsName, this), SectorShips, left);
  sectorDestroyed_ = Place(new Readout(Text::SectorDestroyedName, this), SectorDestroyed, left);
  sectorRemaining_ = Place(new Readout(Text::SectorRemainingName, this), SectorRemaining, left);
  shipsRemaining_ = Place(new QLabel(this), ShipsRemaining, left);
  killRatio_ = Place(new QLabel(this), KillRatio, left);
  const QColor white(255, 255, 255), aqua(0, 255, 255), yellow(255, 255, 0);
  result_ = {AddResultLine(ResultHeading, aqua),     AddResultLine(ResultUniverse, white),
             AddResultLine(ResultDifficulty, white), AddResultLine(ResultShips, white),
             AddResultLine(ResultMissiles, white),   AddResultLine(ResultFuel, white),
             AddResultLine(ResultTime, white),       AddResultLine(ResultPlaceLine, yellow)};
  result_.back()->setWordWrap(true);
  result_.back()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  copyResult_ = AddButton(CopyResultButton, Tr(Text::CopyResultButton), Command::CopyResult);
  huntMap_ = AddButton(HuntMapButton, Tr(Text::HuntMapButton), Command::HuntMap);
  ShowResult(std::nullopt);
  FitToZoom();
}

// A panel's title takes no part in play.
QLabel* BoardView::AddTitle(const platform::Rect& place, Text title) {
  QLabel* label = Place(new EtchedLabel(Tr(title), this), place, Qt::AlignLeft | Qt::AlignVCenter);
  label->setEnabled(false);
  return label;
}

QLabel* BoardView::AddResultLine(const platform::Rect& place, QColor color) {
  QLabel* line = Place(new QLabel(this), place, Qt::AlignLeft | Qt::AlignVCenter);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::WindowText, color);
  line->setPalette(palette);
  return line;
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
  placed_.emplace_back(label, place);
  return label;
}

QPushButton* BoardView::AddButton(const platform::Rect& place, const QString& text, Command command) {
  auto* button = new QPushButton(text, this);
  // The game's keys go to the board, never to a button.
  button->setFocusPolicy(Qt::NoFocus);
  placed_.emplace_back(button, place);
  connect(button, &QPushButton::clicked, this, [this, command] { emit shipCommand(command); });
  return button;
}

void BoardView::SetZoom(int zoom) {
  zoom_ = zoom;
  FitToZoom();
  // A path on the status line is measured again in the new size of type.
  if (!statusElidable_.isEmpty()) statusLine_->setText(Elided(statusLine_->Whole(), statusElidable_));
  update();
}

QPoint BoardView::ImagePixel(QPointF at) const {
  return {static_cast<int>(std::floor(at.x() / zoom_)), static_cast<int>(std::floor(at.y() / zoom_))};
}

void BoardView::FitToZoom() {
  setFixedSize(ClientWidth * zoom_, ClientHeight * zoom_);
  for (const auto& [widget, place] : placed_) {
    widget->setGeometry(Zoomed(platform::ToQRect(place)));
    if (auto* title = dynamic_cast<EtchedLabel*>(widget)) title->SetDepth(zoom_);
  }
  FitWords();
}

// The panels are drawn into the board's picture and cannot grow: words longer
// than the English they were drawn for are set condensed, then smaller, in
// the room there is. The English keeps the panels' own face. The status line
// shortens a path instead and shows the whole line as its tip.
void BoardView::FitWords() {
  for (const auto& [widget, place] : placed_) {
    if (widget == statusLine_) {
      SetFont(*widget, LabelFont(zoom_));
      continue;
    }
    const auto* button = qobject_cast<QPushButton*>(widget);
    const auto* label = qobject_cast<QLabel*>(widget);
    if (label && label->wordWrap()) {  // it takes a second line instead
      SetFont(*widget, LabelFont(zoom_));
      continue;
    }
    const QString words = WithoutMnemonic(button ? button->text() : label->text());
    const int room = widget->contentsRect().width() -
                     (button ? button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) : 0);
    QFont font = LabelFont(zoom_);
    const auto tooWide = [&] { return QFontMetrics(font).horizontalAdvance(words) > room; };
    for (int stretch = 100; stretch > NarrowestStretch && tooWide();) font.setStretch(--stretch);
    for (int pixels = LabelFontPixels * zoom_; pixels > SmallestFontPixels * zoom_ && tooWide();)
      font.setPixelSize(--pixels);
    SetFont(*widget, font);
  }
}

void BoardView::ShowStatus(const Message& message) {
  // The only text a status line takes is a file's path; its folders give
  // way first.
  QString folders;
  for (const TextArgument& argument : message.Arguments)
    if (const auto* path = std::get_if<std::string>(&argument)) folders = QString::fromStdString(PathDir(*path));
  ShowStatus(Tr(message), folders);
}

void BoardView::ShowStatus(const QString& text, const QString& elidable) {
  statusElidable_ = elidable;
  statusLine_->Show(text, Elided(text, elidable));
  emit statusShown(text);
}

QString BoardView::Elided(const QString& text, const QString& elidable) const {
  const QFontMetrics metrics(statusLine_->font());
  const int overflow = metrics.horizontalAdvance(text) - statusLine_->contentsRect().width();
  const qsizetype at = elidable.isEmpty() ? -1 : text.indexOf(elidable);
  QString shown = text;
  if (overflow > 0 && at >= 0)
    shown.replace(at, elidable.size(),
                  metrics.elidedText(elidable, Qt::ElideMiddle, metrics.horizontalAdvance(elidable) - overflow));
  return shown;
}

void BoardView::EnableShipButtons(bool enable) {
  for (QPushButton* button : {aim_, fire_, reverse_, engage_}) button->setEnabled(enable);
}

void BoardView::Refresh() {
  // The scan log holds what the scanner has shown: the sector drawn now.
  RecordSectorScan(session_.Grid, session_.State, session_.Log);
  const BoardTexts texts = PaintBoard(canvas_, session_, pictures_);
  canvas_.TakeChanged();
  if (texts.ScanLabel) scanLabel_->setText(*texts.ScanLabel);
  weaponsReadout_->setText(texts.WeaponsReadout);
  missileCount_->setText(texts.MissileCount);
  enginesReadout_->setText(texts.EnginesReadout);
  fuelCount_->setText(texts.FuelCount);
  scannerReadout_->setText(texts.ScannerReadout);
  sectorShips_->setText(texts.SectorShips);
  sectorDestroyed_->setText(texts.SectorDestroyed);
  sectorRemaining_->setText(texts.SectorRemaining);
  shipsRemaining_->setText(texts.ShipsRemaining);
  killRatio_->setText(texts.KillRatio);
  ShowResult(texts.Result);
  FitWords();
  update();
  TellScreenReader(false);
}

void BoardView::ShowResult(const std::optional<ResultTexts>& result) {
  const QStringList lines = result ? result->Lines() : QStringList();
  for (std::size_t index = 0; index < result_.size(); ++index) {
    if (result) result_[index]->setText(lines[static_cast<qsizetype>(index)]);
    result_[index]->setVisible(result.has_value());
  }
  for (QPushButton* button : {copyResult_, huntMap_}) {
    button->setVisible(result.has_value());
    button->setEnabled(result.has_value());
  }
}

void BoardView::ShowDrawn() {
  const QRect area = canvas_.TakeChanged();
  if (!area.isEmpty()) repaint(Zoomed(area));
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
  QPainter painter(this);
  const QRect area = event->rect();
  const qreal ratio = devicePixelRatioF();
  if (ratio == 1.0 && zoom_ == 1) {
    painter.drawImage(area, image_, area);
    return;
  }
  // Pixel art stays sharp at any scale, the desktop's times the zoom: each
  // screen pixel shows the game's pixel it falls in, never a blend, so that
  // at 1.5 a game pixel becomes a block of one or two screen pixels each way.
  // A click goes to the pixel it falls in by the same rule.
  const qreal scale = ratio * zoom_;
  const auto start = [ratio](int from) { return static_cast<int>(std::floor(from * ratio)); };
  const auto end = [ratio](int to) { return static_cast<int>(std::ceil(to * ratio)); };
  const int left = start(area.left()), top = start(area.top());
  QImage scaled(std::min(end(area.right() + 1), end(width())) - left,
                std::min(end(area.bottom() + 1), end(height())) - top, QImage::Format_RGB32);
  std::vector<int> column(static_cast<std::size_t>(scaled.width()));
  for (int x = 0; x < scaled.width(); ++x) column[static_cast<std::size_t>(x)] = static_cast<int>((left + x) / scale);
  for (int y = 0; y < scaled.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(image_.constScanLine(static_cast<int>((top + y) / scale)));
    auto* to = reinterpret_cast<QRgb*>(scaled.scanLine(y));
    for (int x = 0; x < scaled.width(); ++x) to[x] = from[column[static_cast<std::size_t>(x)]];
  }
  scaled.setDevicePixelRatio(ratio);
  painter.drawImage(QPointF(left / ratio, top / ratio), scaled);
}

// An X server repeats a held key as a release and a press at one moment,
// which Qt does not always mark as a repeat. Events the program makes
// itself carry no time.
void BoardView::keyPressEvent(QKeyEvent* event) {
  const bool again = event->timestamp() != 0 && released_ == std::pair<int, quint64>(event->key(), event->timestamp());
  emit keyPressed(event->key(), event->isAutoRepeat() || again);
}

void BoardView::keyReleaseEvent(QKeyEvent* event) {
  released_ = {event->key(), event->timestamp()};
  QWidget::keyReleaseEvent(event);
}

// Qt tells a reader the board took the keyboard once this returns; the
// reader then hears the cell the target is in.
void BoardView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (!QAccessible::isActive()) return;
  QMetaObject::invokeMethod(this, [this] { TellScreenReader(true); }, Qt::QueuedConnection);
}

// The game counts presses, not double clicks; QWidget hands the second press
// of a double click, which comes as a double click alone, to this too.
void BoardView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = ImagePixel(event->position());
  if (event->button() == Qt::LeftButton) emit leftPressed(at);
  if (event->button() == Qt::RightButton) emit rightPressed(at);
}

}  // namespace kestravane
