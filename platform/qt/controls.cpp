#include "platform/controls.h"

#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <cerrno>

#include "platform/qt/app_window.h"
#include "platform/qt/client_area.h"
#include "platform/status_line.h"

namespace platform {
namespace {

// The panels' captions and readouts are laid out for a small 8-point face:
// at 10 pixels DejaVu Sans fits "60 Ships Remain" into its 85-pixel readout.
constexpr int ControlFontPixels = 10;

QPointer<QLabel> statusLine;

QFont ControlFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(ControlFontPixels);
  return font;
}

// A disabled text is drawn etched, as the panel titles always were: grey
// letters over a white copy one pixel down and to the right.
class StaticText : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (isEnabled()) return QLabel::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setFont(font());
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(rect().translated(1, 1), static_cast<int>(alignment()), text());
    painter.setPen(QColor(128, 128, 128));
    painter.drawText(rect(), static_cast<int>(alignment()), text());
  }
};

QLabel* MakeLabel(AppWindow* window, ControlKind kind, const QString& text) {
  auto* label = new StaticText(text, window->clientArea());
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(kind == ControlKind::CentredLabel ? Qt::AlignCenter
                                                        : Qt::AlignLeft | Qt::AlignVCenter);
  // Over the game's own drawing the text needs a solid ground.
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, window->background());
  label->setPalette(palette);
  label->setAutoFillBackground(true);
  return label;
}

QPushButton* MakeButton(AppWindow* window, int id, const QString& text) {
  auto* button = new QPushButton(text, window->clientArea());
  // The game's keys go to the client area, never to a button.
  button->setFocusPolicy(Qt::NoFocus);
  QObject::connect(button, &QPushButton::clicked, window,
                   [window, id] { window->events()->Command(window, id, false); });
  return button;
}

}  // namespace

Status CreateControl(Window* window, ControlKind kind, int id, const char* text, const Rect& place) {
  AppWindow* appWindow = AppWindow::From(window);
  if (!appWindow) return Status::Failure(EINVAL);
  const QString caption = QString::fromUtf8(text);
  QWidget* control = nullptr;
  if (kind == ControlKind::PushButton) {
    control = MakeButton(appWindow, id, caption);
  } else {
    QLabel* label = MakeLabel(appWindow, kind, caption);
    if (kind == ControlKind::StatusLine) statusLine = label;
    control = label;
  }
  control->setFont(ControlFont());
  control->setGeometry(place.left, place.top, place.right - place.left, place.bottom - place.top);
  control->show();
  window->AddItem(id, control);
  return Done{};
}

void EnableControl(Window* window, int id, bool enabled) {
  if (QWidget* control = window->Item(id)) control->setEnabled(enabled);
}

bool StatusLineVisible() { return statusLine && statusLine->isVisible(); }

void SetStatusText(const char* text) {
  if (statusLine) statusLine->setText(QString::fromUtf8(text));
}

}  // namespace platform
