#pragma once

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "display/result_panel.h"
#include "display/surface.h"
#include "engine/identifiers.h"
#include "engine/message.h"
#include "engine/session.h"
#include "platform/resources.h"

namespace kestravane {

// The status line. It shows a text cut to fit, keeps the whole text as its
// tip, and tells a screen reader every text put on it, even the one it shows
// already, in a way that a reader that looks only after the next message
// still hears this one.
class StatusLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

  void Show(const QString& whole, const QString& shown);
  const QString& Whole() const { return whole_; }

 private:
  QString whole_;
};

// A panel's figure, which a screen reader hears under its caption: the
// caption's "%1" stands for the figure, the first word the label shows.
class Readout : public QLabel {
  Q_OBJECT

 public:
  Readout(Text caption, QWidget* parent) : QLabel(parent), caption_(caption) {}

  QString Spoken() const;

 private:
  Text caption_;
};

// The main window's client area: the board the game draws into its image,
// with the panels' labels, the ship buttons and the status line over it.
class BoardView : public QWidget {
  Q_OBJECT

 public:
  BoardView(Session& session, QColor background, platform::PictureStore& pictures, QWidget* parent);

  // Records the sector on the scanner in the scan log, game or no game,
  // draws the board whole from the session into its image, gives the labels
  // their texts, puts it on the screen and tells a screen reader, when one
  // listens, what changed.
  void Refresh();

  // Draws straight onto the board's image, as a missile's flight does;
  // ShowDrawn() then puts what was drawn on the screen at once.
  Surface& Canvas() { return canvas_; }
  void ShowDrawn();

  // Every text put on the status line is also announced, even one the line
  // shows already. A text too wide for the line loses the middle of the
  // file path among the message's values, if any, so that the words after
  // it stay in view; the whole text is the line's tip.
  void ShowStatus(const Message& message);
  void ShowStatus(const QString& text, const QString& elidable = {});
  QString Status() const { return statusLine_->text(); }
  const Session& session() const { return session_; }
  // The icons and pages the board draws with, decoded once for every window.
  platform::PictureStore& pictures() { return pictures_; }
  // Enables or disables the four ship buttons.
  void EnableShipButtons(bool enable);

  const QImage& image() const { return image_; }

  // Shows the board `zoom` times as large: each of the image's pixels a
  // square of screen pixels, the labels and buttons grown to match.
  void SetZoom(int zoom);
  int Zoom() const { return zoom_; }
  // A rectangle of the board's image where it shows on the widget.
  QRect Zoomed(const QRect& area) const { return {area.topLeft() * zoom_, area.size() * zoom_}; }
  // The pixel of the board's image that a point of the widget falls in.
  QPoint ImagePixel(QPointF at) const;

 signals:
  void keyPressed(int key, bool repeated);
  void leftPressed(QPoint at);
  void rightPressed(QPoint at);
  void shipCommand(Command command);
  void statusShown(const QString& text);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  template <class Label>
  Label* Place(Label* label, const platform::Rect& place, Qt::Alignment alignment);
  QLabel* AddTitle(const platform::Rect& place, Text title);
  // A line of the result, in one of the page's colours on its black.
  QLabel* AddResultLine(const platform::Rect& place, QColor color);
  void ShowResult(const std::optional<ResultTexts>& result);
  QPushButton* AddButton(const platform::Rect& place, const QString& text, Command command);
  // Puts the labels and buttons in their places at the zoom, in its size of type.
  void FitToZoom();
  void FitWords();
  // The status text as the line shows it, with its `elidable` part shortened
  // to fit when it is too wide.
  QString Elided(const QString& text, const QString& elidable) const;
  // Tells a screen reader, when one listens, what the last drawing changed.
  void TellScreenReader(bool focusIn);

  Session& session_;
  QColor background_;
  platform::PictureStore& pictures_;
  QImage image_;
  Surface canvas_{image_};
  // The last key let go and when, by the window system's clock.
  std::pair<int, quint64> released_{Qt::Key_unknown, 0};
  int zoom_ = 1;
  // Every label and button over the drawing, and its place on the image.
  std::vector<std::pair<QWidget*, platform::Rect>> placed_;
  QString statusElidable_;

  StatusLabel* statusLine_;
  QLabel* scanLabel_;
  Readout* weaponsReadout_;
  Readout* missileCount_;
  Readout* enginesReadout_;
  Readout* fuelCount_;
  Readout* scannerReadout_;
  Readout* sectorShips_;
  Readout* sectorDestroyed_;
  Readout* sectorRemaining_;
  QLabel* shipsRemaining_;
  QLabel* killRatio_;
  QPushButton* aim_;
  QPushButton* fire_;
  QPushButton* reverse_;
  QPushButton* engage_;
  // The finished game's result over its last page, hidden the rest of the time.
  std::vector<QLabel*> result_;
  QPushButton* copyResult_;
  QPushButton* huntMap_;
};

}  // namespace kestravane
