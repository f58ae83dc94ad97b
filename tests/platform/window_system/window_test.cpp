#include <QApplication>
#include <QCursor>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <array>
#include <memory>

#include "game_window.h"
#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/menu.h"
#include "platform/surface.h"

namespace {

constexpr platform::Color Red{200, 16, 16};
constexpr platform::Color Green{16, 200, 16};

QColor AsQColor(platform::Color colour) { return QColor(colour.red, colour.green, colour.blue); }

QRect AsQRect(const platform::Rect& rect) {
  return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void Fill(platform::Window* window, const platform::Rect& area, platform::Color colour) {
  platform::Surface* surface = platform::WindowSurface(window);
  platform::FillRect(surface, area, colour);
  platform::ReleaseSurface(surface);
}

// What the window system is asked for: a window of one size, with the frame
// Qt gives fixed-size windows and no maximize button.
bool AsksForAFixedSizeWithoutMaximize(const QWidget* frame) {
  const QWindow* native = frame->windowHandle();
  return native && native->flags().testFlag(Qt::MSWindowsFixedSizeDialogHint) &&
         !native->flags().testFlag(Qt::WindowMaximizeButtonHint) && native->minimumSize() == frame->size() &&
         native->maximumSize() == frame->size();
}

const std::array<platform::MenuItem, 1> GameItems{{{101, "&New\tCtrl+N"}}};
const std::array<platform::MenuPopup, 1> OnePopup{{{"&Game", GameItems}}};

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    // Windows a test left behind go now, before the next one looks.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void platformStartsTheApplicationTheGameExpects() {
    QVERIFY(qobject_cast<QApplication*>(QCoreApplication::instance()));
    QCOMPARE(QCoreApplication::applicationName(), QString("Kestravane"));
    QVERIFY(!QApplication::quitOnLastWindowClosed());
  }

  void quitBeforeTheLoopEndsTheLoopAtOnce() {
    // Should the loop not end by itself, this ends it with a wrong answer.
    QTimer stuck;
    stuck.setSingleShot(true);
    connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    stuck.start(2000);

    platform::QuitEventLoop(7);
    QCOMPARE(platform::RunEventLoop(), 7);
    QTimer::singleShot(0, [] { platform::QuitEventLoop(3); });
    QCOMPARE(platform::RunEventLoop(), 3);
  }

  void mainWindowHasAFixedClientAreaUnderItsMenuBar() {
    TestWindow window;
    QVERIFY(window);
    QCOMPARE(platform::MainWindow(), window);
    platform::InstallMenu(window, OnePopup);
    QVERIFY(ShowAndActivate(window));

    QWidget* frame = window->widget();
    QWidget* clientArea = ClientAreaOf(window);
    const auto* menuBar = frame->findChild<QMenuBar*>();
    QVERIFY(menuBar && menuBar->isVisible() && !menuBar->isNativeMenuBar());
    QCOMPARE(clientArea->size(), QSize(470, 350));
    QCOMPARE(clientArea->mapTo(frame, QPoint(0, 0)), QPoint(0, menuBar->height()));
    QCOMPARE(frame->size(), QSize(470, 350 + menuBar->height()));
    QVERIFY(AsksForAFixedSizeWithoutMaximize(frame));
    frame->resize(600, 500);
    QCOMPARE(clientArea->size(), QSize(470, 350));

    const Qt::WindowFlags flags = frame->windowHandle()->flags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(frame->windowTitle(), QString("Kestravane"));
    QVERIFY(!frame->windowIcon().isNull());
    QCOMPARE(frame->pos(), QPoint(40, 30));

    window.Destroy();
    QCOMPARE(platform::MainWindow(), nullptr);
  }

  void popupIsFramelessAndCanStayOnTop() {
    platform::WindowSpec shape = MainWindowShape();
    shape.frame = platform::WindowFrame::Popup;
    shape.topMost = true;
    TestWindow window(shape);
    QVERIFY(window);
    QCOMPARE(platform::MainWindow(), nullptr);
    const Qt::WindowFlags flags = window->widget()->windowFlags();
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!window->widget()->isVisible());
    QCOMPARE(ClientAreaOf(window)->size(), QSize(470, 350));
  }

  void refusedCreationLeavesNoWindow() {
    RecordingEvents events;
    events.acceptCreation = false;
    const platform::Result<platform::Window*> refused = platform::CreateAppWindow(MainWindowShape(), &events);
    QVERIFY(!refused);
    QCOMPARE(refused.error(), 0);
    QCOMPARE(events.calls, QStringList({"Created", "Destroyed"}));
    QCOMPARE(platform::MainWindow(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* widget : QApplication::topLevelWidgets()) QVERIFY(!widget->isVisible());
  }

  void clientAreaStartsInItsBackgroundColour() {
    platform::WindowSpec shape = MainWindowShape();
    shape.background = {10, 120, 200};
    TestWindow window(shape);
    platform::Surface* surface = platform::WindowSurface(window);
    QCOMPARE(platform::PixelAt(surface, 0, 0), shape.background);
    QCOMPARE(platform::PixelAt(surface, 469, 349), shape.background);
    platform::ReleaseSurface(surface);
    QVERIFY(ShowAndActivate(window));
    QCOMPARE(ScreenColour(window, 235, 175), AsQColor(shape.background));
  }

  void invalidatedAreaIsPaintedOnceAndShown() {
    TestWindow window;
    RecordingEvents& events = window.events;
    events.onPaint = [](platform::Window* painted) { Fill(painted, {10, 10, 30, 30}, Red); };
    QVERIFY(ShowAndActivate(window));
    QTest::qWait(20);
    events.calls.clear();

    const platform::Rect first{0, 0, 20, 20};
    const platform::Rect second{15, 15, 40, 40};
    platform::InvalidateRect(window, &first);
    platform::InvalidateRect(window, &second);
    QTRY_COMPARE(events.Named("Paint").size(), 1);
    QTest::qWait(50);
    QCOMPARE(events.Named("Paint").size(), 1);
    QCOMPARE(ScreenColour(window, 10, 10), AsQColor(Red));
    QCOMPARE(ScreenColour(window, 29, 29), AsQColor(Red));
    QCOMPARE(ScreenColour(window, 30, 30), QColor(192, 192, 192));
  }

  void exposureShowsTheImageWithoutTheGame() {
    TestWindow window;
    RecordingEvents& events = window.events;
    QVERIFY(ShowAndActivate(window));
    Fill(window, {100, 100, 110, 110}, Green);
    QTest::qWait(20);
    events.calls.clear();

    ClientAreaOf(window)->repaint();
    window->widget()->hide();
    platform::ShowWindow(window, platform::ShowMode::Normal);
    QVERIFY(QTest::qWaitForWindowExposed(window->widget()));
    QTest::qWait(50);
    QVERIFY(events.Named("Paint").isEmpty());
    QCOMPARE(ScreenColour(window, 105, 105), AsQColor(Green));
  }

  void drawingOutsidePaintReachesTheScreenAtOnce() {
    TestWindow window;
    RecordingEvents& events = window.events;
    QVERIFY(ShowAndActivate(window));
    QTest::qWait(20);
    events.calls.clear();

    // No event is processed between the release and the look at the screen.
    Fill(window, {200, 100, 220, 120}, Red);
    QCOMPARE(ScreenColour(window, 210, 110), AsQColor(Red));
    QVERIFY(events.calls.isEmpty());

    // A paint the game still owes is neither run nor lost by it, and the
    // invalid area keeps its pixels until the game draws.
    platform::InvalidateRect(window, nullptr);
    Fill(window, {0, 0, 10, 10}, Green);
    QCOMPARE(ScreenColour(window, 5, 5), AsQColor(Green));
    QVERIFY(events.calls.isEmpty());
    QTRY_COMPARE(events.Named("Paint").size(), 1);
    QCOMPARE(ScreenColour(window, 5, 5), AsQColor(Green));
  }

  // A new window owes its whole first paint; UpdateWindow pays it and shows
  // it before the loop runs, and owes nothing after.
  void updateWindowPaintsANewWindowWholeBeforeTheLoopRuns() {
    TestWindow window;
    RecordingEvents& events = window.events;
    events.onPaint = [](platform::Window* painted) { Fill(painted, {0, 0, 470, 350}, Red); };
    platform::ShowWindow(window, platform::ShowMode::Normal);
    platform::UpdateWindow(window);
    QCOMPARE(events.Named("Paint").size(), 1);
    QVERIFY(window->widget()->windowHandle()->isExposed());
    QCOMPARE(ScreenColour(window, 0, 0), AsQColor(Red));
    QCOMPARE(ScreenColour(window, 469, 349), AsQColor(Red));

    platform::UpdateWindow(window);
    QCOMPARE(events.Named("Paint").size(), 1);
  }

  void closeBoxAsksTheGameFirst() {
    TestWindow window;
    RecordingEvents& events = window.events;
    events.allowClose = false;
    QVERIFY(ShowAndActivate(window));
    const QPointer<QWidget> frame = window->widget();

    QVERIFY(!frame->close());
    QVERIFY(frame->isVisible());
    QCOMPARE(platform::MainWindow(), window);
    QCOMPARE(events.calls.filter("Close").size(), 1);
    QVERIFY(events.Named("Destroyed").isEmpty());

    events.allowClose = true;
    frame->close();
    QCOMPARE(events.calls.mid(events.calls.size() - 2),
             QStringList({"CloseRequested", "Destroyed"}));
    QCOMPARE(platform::MainWindow(), nullptr);
    QVERIFY(!frame->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(frame.isNull());
  }

  void topMostKeepsPlaceSizeAndVisibility() {
    TestWindow window;
    QVERIFY(ShowAndActivate(window));
    QWidget* frame = window->widget();
    const QRect before = frame->geometry();

    platform::SetTopMost(window, true);
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QVERIFY(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->geometry(), before);
    QCOMPARE(ClientAreaOf(window)->size(), QSize(470, 350));
    // Qt made a new native window for the new band.
    QVERIFY(AsksForAFixedSizeWithoutMaximize(frame));

    // A hidden window stays hidden, whichever band it moves to.
    frame->hide();
    platform::SetTopMost(window, false);
    QVERIFY(!frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!frame->isVisible());
  }

  void movesAndReportsTheWholeFrame() {
    TestWindow window;
    QVERIFY(ShowAndActivate(window));
    platform::MoveWindow(window, 120, 90);
    QWidget* frame = window->widget();
    QTRY_COMPARE(frame->frameGeometry().topLeft(), QPoint(120, 90));

    const QRect shown = AsQRect(platform::NormalFrame(window));
    QCOMPARE(shown, frame->frameGeometry());
    QVERIFY(shown.height() > 350);

    platform::ShowWindow(window, platform::ShowMode::Minimized);
    QTRY_VERIFY(frame->isMinimized());
    QCOMPARE(AsQRect(platform::NormalFrame(window)), shown);

    platform::BringToFront(window);
    QTRY_VERIFY(!frame->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(frame));
  }

  void waitCursorNests() {
    platform::BeginWaitCursor();
    platform::BeginWaitCursor();
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform::EndWaitCursor();
    QVERIFY(QApplication::overrideCursor());
    platform::EndWaitCursor();
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    QApplication::setOverrideCursor(Qt::CrossCursor);
    platform::EndWaitCursor();
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QApplication::restoreOverrideCursor();
  }
};

int main(int argc, char** argv) {
  platform::StartPlatform(argv[0]);
  // The game leaves its application to the end of the process; the test
  // ends it, so that the leak checker sees Qt clean up after itself.
  const std::unique_ptr<QCoreApplication> application(QCoreApplication::instance());
  WindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_test.moc"
