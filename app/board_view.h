#pragma once

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegion>
#include <QWidget>

#include "app/board_labels.h"
#include "display/board_texts.h"
#include "display/surface.h"
#include "engine/identifiers.h"
#include "engine/session.h"

namespace kestravane {

// The main window's client area: the board the game draws into its image,
// with the panels' labels, the ship buttons and the status line over it. It
// draws itself whole from the session whenever part of it is owed.
class BoardView : public QWidget {
  Q_OBJECT

 public:
  BoardView(Session& session, QColor background, QWidget* parent);

  // Marks `area` of the board, or all of it, for the next paint. Nothing is
  // erased: the area keeps its pixels until the board is drawn.
  void Invalidate(const QRect& area);
  void Invalidate() { Invalidate(image_.rect()); }
  // Draws whatever is owed into the board's image at once, and puts it on
  // the screen if the window is up, without letting any input through.
  void PaintNow();

  // Draws straight onto the board's image outside a paint; ShowDrawn() then
  // puts what was drawn on the screen at once.
  Surface& Canvas() { return canvas_; }
  void ShowDrawn();
  void ShowTexts(const BoardTexts& texts);

  // Every text put on the status line is also announced, even one the line
  // shows already. A text too wide for the line loses the middle of
  // `elidable`, a part of it, so that the words after that stay in view; the
  // whole text is the line's tip.
  void SetStatus(const QString& text, const QString& elidable);
  QString Status() const { return statusLine_->text(); }
  const Session& session() const { return session_; }
  // Enables or disables the four ship buttons and repaints the board.
  void EnableShipButtons(bool enable);

  const QImage& image() const { return image_; }

 signals:
  void keyPressed(int key, Qt::KeyboardModifiers modifiers, bool repeated);
  void leftPressed(QPoint at);
  void rightPressed(QPoint at);
  void shipCommand(Command command);
  void statusShown(const QString& text);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QLabel* AddLabel(const platform::Rect& place, const char* text, Qt::Alignment alignment, bool etched = false);
  Readout* AddReadout(const platform::Rect& place, const char* caption, Qt::Alignment alignment);
  template <class Label>
  Label* Place(Label* label, const platform::Rect& place, Qt::Alignment alignment);
  QPushButton* AddButton(const platform::Rect& place, const char* text, Command command, const char* name = nullptr);
  void PaintOwed();
  // Tells a screen reader, when one listens, what the last paint changed.
  void TellScreenReader(bool focusIn);

  Session& session_;
  QColor background_;
  QImage image_;
  Surface canvas_{image_};
  QRegion owed_;
  bool blitOnly_ = false;

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
};

}  // namespace kestravane
