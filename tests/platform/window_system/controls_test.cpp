#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

#include "game_window.h"
#include "platform/controls.h"
#include "platform/status_line.h"

namespace {

struct Control {
  platform::ControlKind kind;
  int id;
  const char* text;
  platform::Rect place;
};

// One of each kind of the panels' controls, and the readouts whose texts
// are the widest for their room, at their sizes in the game.
const Control PanelControls[] = {
    {platform::ControlKind::Label, 201, " Weapons", {10, 30, 70, 43}},
    {platform::ControlKind::CentredLabel, 204, "Missiles", {80, 30, 140, 43}},
    {platform::ControlKind::PushButton, 301, "&Aim", {150, 30, 182, 50}},
    {platform::ControlKind::PushButton, 302, "&Fire", {190, 30, 222, 50}},
    {platform::ControlKind::CentredLabel, 401, "8-8-8", {240, 30, 272, 43}},
    {platform::ControlKind::CentredLabel, 402, "360", {280, 30, 300, 43}},
    {platform::ControlKind::Label, 404, "100% Kill Ratio", {240, 70, 325, 83}},
    {platform::ControlKind::Label, 405, "60 Ships Remain", {240, 90, 325, 103}},
};

bool MakeControl(platform::Window* window, const Control& control) {
  const platform::Status made = platform::CreateControl(window, control.kind, control.id, control.text, control.place);
  return made && made.error() == 0;
}

// The space the button's style leaves for its text.
QRect ButtonTextRoom(const QPushButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

// How many pixels of the label, as drawn, are exactly `colour`.
int PixelsOf(QLabel* label, const QColor& colour) {
  const QImage drawn = label->grab().toImage();
  int count = 0;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) count += drawn.pixelColor(x, y) == colour;
  }
  return count;
}

// Pixels brighter than the window's light grey ground: only a highlight
// drawn in white can make them.
int LighterThanGround(QLabel* label) {
  const QImage drawn = label->grab().toImage();
  int count = 0;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) count += drawn.pixelColor(x, y).lightness() > 200;
  }
  return count;
}

}  // namespace

class ControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsSitWhereTheGamePutsThemAndTheirTextsFitInASmallSansFace() {
    TestWindow window;
    for (const Control& control : PanelControls) QVERIFY(MakeControl(window, control));
    for (const Control& control : PanelControls) {
      QWidget* item = window->Item(control.id);
      QVERIFY(item);
      QCOMPARE(item->parentWidget(), ClientAreaOf(window));
      QCOMPARE(item->geometry(),
               QRect(QPoint(control.place.left, control.place.top),
                     QPoint(control.place.right - 1, control.place.bottom - 1)));
      QVERIFY(!item->isHidden());
      const bool isButton = control.kind == platform::ControlKind::PushButton;
      QCOMPARE(qobject_cast<QPushButton*>(item) != nullptr, isButton);
      QCOMPARE(qobject_cast<QLabel*>(item) != nullptr, !isButton);

      const QFontInfo face(item->font());
      QCOMPARE(face.family(), QString("DejaVu Sans"));
      QVERIFY(face.pointSizeF() >= 7 && face.pointSizeF() <= 9);
      const QFontMetrics metrics(item->font());
      QString text = QString(control.text).remove('&');
      QRect room = item->contentsRect();
      if (auto* button = qobject_cast<QPushButton*>(item)) room = ButtonTextRoom(button);
      QVERIFY2(metrics.horizontalAdvance(text) <= room.width(), control.text);
      QVERIFY2(metrics.height() <= room.height(), control.text);
    }
    const auto* weapons = qobject_cast<QLabel*>(window->Item(201));
    QCOMPARE(weapons->text(), QString(" Weapons"));
    QCOMPARE(weapons->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(qobject_cast<QLabel*>(window->Item(204))->alignment(), Qt::Alignment(Qt::AlignCenter));
    QCOMPARE(qobject_cast<QPushButton*>(window->Item(301))->text(), QString("&Aim"));
  }

  void labelsStandOnTheWindowsBackground() {
    platform::WindowSpec shape = MainWindowShape();
    shape.background = {10, 120, 200};
    TestWindow window(shape);
    QVERIFY(MakeControl(window, PanelControls[0]));
    auto* label = qobject_cast<QLabel*>(window->Item(201));
    QVERIFY(label->autoFillBackground());
    const QImage drawn = label->grab().toImage();
    QCOMPARE(drawn.pixelColor(drawn.width() - 1, 0), QColor(10, 120, 200));
    QCOMPARE(drawn.pixelColor(0, drawn.height() - 1), QColor(10, 120, 200));
  }

  // Whatever the desktop's theme, a disabled text is etched: grey letters
  // over a white copy one pixel down and to the right.
  void disabledLabelIsEtched() {
    TestWindow window;
    QVERIFY(MakeControl(window, PanelControls[1]));
    auto* label = qobject_cast<QLabel*>(window->Item(204));
    const QColor normalText = label->palette().color(QPalette::Active, QPalette::WindowText);
    const QColor gray(128, 128, 128);
    QVERIFY(PixelsOf(label, normalText) > 0);
    QCOMPARE(PixelsOf(label, gray), 0);
    QCOMPARE(LighterThanGround(label), 0);

    platform::EnableControl(window, 204, false);
    QVERIFY(!label->isEnabled());
    QCOMPARE(PixelsOf(label, normalText), 0);
    QVERIFY(PixelsOf(label, gray) > 0);
    QVERIFY(LighterThanGround(label) > 0);

    platform::EnableControl(window, 204, true);
    QVERIFY(PixelsOf(label, normalText) > 0);
  }

  void buttonSendsItsCommandAndLeavesTheKeyboardToTheGame() {
    TestWindow window;
    RecordingEvents& events = window.events;
    for (const Control& control : PanelControls) QVERIFY(MakeControl(window, control));
    QVERIFY(ShowAndActivate(window));
    QWidget* clientArea = ClientAreaOf(window);
    QTRY_COMPARE(QApplication::focusWidget(), clientArea);
    events.calls.clear();

    QTest::mouseClick(window->Item(302), Qt::LeftButton);
    QCOMPARE(events.calls, QStringList({"Command 302"}));
    QCOMPARE(QApplication::focusWidget(), clientArea);

    QTest::keyClick(window->widget()->windowHandle(), Qt::Key_A, Qt::AltModifier);
    // The game hears Alt go down; the letter itself belongs to the button,
    // which shows itself pressed for a moment before it acts.
    QTRY_COMPARE(events.calls, QStringList({"Command 302", "KeyDown 18", "Command 301"}));
    QTest::keyClick(window->widget()->windowHandle(), Qt::Key_Space);
    QCOMPARE(events.calls.last(), QString("KeyDown 32"));

    platform::EnableControl(window, 302, false);
    QTest::mouseClick(window->Item(302), Qt::LeftButton);
    QCOMPARE(events.Named("Command").size(), 2);
  }

  void statusLineCountsAsVisibleOnlyWhenShown() {
    QVERIFY(!platform::StatusLineVisible());
    TestWindow window;
    QVERIFY(platform::CreateControl(window, platform::ControlKind::StatusLine, 500, "Ready", {0, 334, 470, 350}));
    auto* line = qobject_cast<QLabel*>(window->Item(500));
    QVERIFY(line);
    QCOMPARE(line->frameShape(), QFrame::NoFrame);
    QVERIFY(!platform::StatusLineVisible());

    QVERIFY(ShowAndActivate(window));
    QVERIFY(platform::StatusLineVisible());
    platform::SetStatusText("Engines engaged");
    QCOMPARE(line->text(), QString("Engines engaged"));

    platform::ShowWindow(window, platform::ShowMode::Hidden);
    QVERIFY(!platform::StatusLineVisible());
    window.Destroy();
    QVERIFY(!platform::StatusLineVisible());
  }
};

QTEST_MAIN(ControlsTest)

#include "controls_test.moc"
