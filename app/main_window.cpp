#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QSessionManager>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "app/commands.h"
#include "app/window_placement.h"
#include "display/main_layout.h"
#include "engine/game_flow.h"
#include "engine/generation.h"
#include "platform/qt/window_icon.h"
#include "platform/screen.h"
#include "platform/system.h"
#include "support/catalogue.h"

namespace kestravane {

namespace {

// The window manager's caption, the menu bar and the borders are measured
// only once the window is on screen; this is room enough for them.
constexpr int FrameWidth(int zoom) { return ClientWidth * zoom + 16; }
constexpr int FrameHeight(int zoom) { return ClientHeight * zoom + 80; }

// How often a document another start handed over looks for the dialog in
// its way to be gone.
constexpr int DialogCheckMilliseconds = 200;

// A place the player can see and reach, for the window as it is placed.
void PlaceOnScreen(Placement& placement, int width, int height) {
  const WindowOrigin origin = KeepOnScreen(placement.Left, placement.Top, width, height, platform::ScreenWorkAreas());
  placement.Left = origin.x;
  placement.Top = origin.y;
}

// The game is drawn for one size: the buttons named leave maximize out, the
// layout gives the window equal least and greatest sizes, and the last hint
// asks for a frame without a sizing border.
constexpr Qt::WindowFlags MainFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                      Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

QColor ColorOf(platform::Color color) { return QColor(color.red, color.green, color.blue); }

// The application's look for the menu bar, except that Alt alone never takes
// the keyboard into it. Qt would otherwise keep every key in the menu bar
// after a tap of Alt or a menu left with Esc, with nothing on the screen to
// say so, and the game's keys and shortcuts would seem dead. Alt with a
// popup's letter still opens the popup, and Left and Right still move on
// from an open one.
class MenuBarStyle : public QProxyStyle {
 public:
  MenuBarStyle() : QProxyStyle(QApplication::style()->name()) {}

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* answer) const override {
    return hint == SH_MenuBar_AltKeyNavigation ? 0 : QProxyStyle::styleHint(hint, option, widget, answer);
  }
};

// What the pointer or the keyboard highlights in the menus: an item, or
// nothing that is one (a popup's title, a separator, the menus closing).
using MenuHighlight = std::function<void(const QAction* item)>;

// A popup of the game's menu bar. Qt highlights, and announces, only the
// enabled items; under the pointer on a separator or a grayed item its
// highlight goes without a word, and the game's menu help would go on
// describing the item left behind. This popup tells of those too: a grayed
// item as itself, anything else as no item.
class PopupMenu : public QMenu {
 public:
  PopupMenu(const QString& title, MenuHighlight highlight, QWidget* parent)
      : QMenu(title, parent), highlight_(std::move(highlight)) {}

 protected:
  void mouseMoveEvent(QMouseEvent* event) override {
    QMenu::mouseMoveEvent(event);
    // An item Qt still highlights has been announced already.
    if (!isVisible() || activeAction()) return;
    const QAction* pointed = actionAt(event->position().toPoint());
    const bool grayedItem = pointed && !pointed->isSeparator() && !pointed->isEnabled();
    highlight_(grayedItem ? pointed : nullptr);
  }

 private:
  MenuHighlight highlight_;
};

}  // namespace

MainWindow::MainWindow(const LibraryState& library, AppSettings& settings, Splash& splash, Services& services)
    : QMainWindow(nullptr, settings.TopMost ? MainFrame | Qt::WindowStaysOnTopHint : MainFrame),
      settings_(settings),
      splash_(splash),
      board_(new BoardView(session_, ColorOf(library.BackgroundColor), services.pictures, this)),
      controller_(*this, session_, document_, settings, library.IniPath, splash, services.sound) {
  setCentralWidget(board_);
  board_->SetZoom(settings_.Zoom);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  setWindowIcon(platform::WindowIcon());
  BuildMenus();

  connect(board_, &BoardView::keyPressed, this,
          [this](int key, bool repeated) { controller_.PressKey(key, repeated); });
  connect(board_, &BoardView::shipCommand, this,
          [this](Command command) { controller_.Handle([this, command] { controller_.Run(command); }); });
  connect(board_, &BoardView::leftPressed, this, [this](QPoint at) { controller_.LeftClick(at); });
  connect(board_, &BoardView::rightPressed, this, [this](QPoint at) { controller_.RightClick(at); });
  // The end of the desktop session is one more way out, which the player may
  // still cancel at the save question.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
    if (!CloseApplication()) manager.cancel();
  });

  document_.Path = settings_.FileSpec;
  GameState& state = session_.State;
  state.Difficulty = settings_.Difficulty;
  state.Missiles = {0, MissilesFor(state.Difficulty), 0};
  state.Fuel = {0, FuelFor(state.Difficulty), 0};
  DocumentContext context = controller_.Documents();
  CloseGame(context);
  UpdateMenus();
  board_->setFocus();
}

void MainWindow::BuildMenus() {
  menuBar()->setNativeMenuBar(false);
  // A widget does not own its style, which must outlive it: the window,
  // which outlives its menu bar, keeps it.
  auto* style = new MenuBarStyle;
  style->setParent(this);
  menuBar()->setStyle(style);
  const MenuHighlight help = [this](const QAction* item) { ShowMenuHelp(item); };
  PopupMenu* menu = nullptr;
  std::optional<Text> popup;
  for (const CommandEntry& entry : Commands()) {
    if (popup != entry.menu) {
      popup = entry.menu;
      menu = new PopupMenu(Tr(entry.menu), help, menuBar());
      menuBar()->addMenu(menu);
      // Qt hides a menu before it triggers the chosen action, so the help
      // goes back to "Ready ..." before the command shows its own status line.
      connect(menu, &QMenu::aboutToShow, this, [this] { ShowMenuHelp(nullptr); });
      connect(menu, &QMenu::aboutToHide, this, [this] { ShowMenuHelp(nullptr); });
    } else if (entry.separatorBefore) {
      menu->addSeparator();
    }
    QAction* action = menu->addAction(Tr(entry.item));
    QList<QKeySequence> keys = QKeySequence::keyBindings(entry.standardKey);
    for (const QKeyCombination key : entry.keys)
      if (key.key() != Qt::Key_unknown) keys << key;
    action->setShortcuts(keys);
    action->setStatusTip(Tr(entry.help));
    const Command command = entry.command;
    actions_[command] = action;
    connect(action, &QAction::hovered, this, [this, action] { ShowMenuHelp(action); });
    connect(action, &QAction::triggered, this, [this, action, command](bool checked) {
      // The check mark is the game's to set, not the click's to toggle.
      if (action->isCheckable()) action->setChecked(!checked);
      controller_.Handle([this, command] { controller_.Run(command); });
    });
  }
  RepeatShortcuts(true);
  // F10 opens the first menu, as on every desktop.
  auto* openMenus = new QAction(this);
  openMenus->setShortcut(Qt::Key_F10);
  addAction(openMenus);
  connect(openMenus, &QAction::triggered, this, [this] { menuBar()->setActiveAction(menuBar()->actions().value(0)); });
}

// The status line follows the highlight in the menus: a command's help while
// the command is highlighted, grayed or not, and "Ready ..." for anything
// else.
void MainWindow::ShowMenuHelp(const QAction* item) { board_->ShowStatus(item ? item->statusTip() : Tr(Text::Ready)); }

void MainWindow::Start() {
  ShowTitle();
  Placement place = settings_.MainPlacement;
  PlaceOnScreen(place, FrameWidth(settings_.Zoom), FrameHeight(settings_.Zoom));
  move(place.Left, place.Top);
  framePlace_ = QPoint(place.Left, place.Top);
  show();
  board_->Refresh();
  controller_.ShowRecordReport(controller_.records().opened());
  if (settings_.Unreadable) controller_.ShowStatus(Text::SettingsNotSaved);

  if (settings_.OpenAtStart && platform::FileExists(settings_.FileSpec)) {
    DocumentContext context = controller_.Documents();
    ReadGameAtStart(context, settings_.FileSpec);
  }
  UpdateMenus();
}

void MainWindow::ShowTitle() { setWindowTitle(Tr(Text::ProgramName)); }

void MainWindow::SetTopMost(bool topMost) {
  // Told the window the window system shows, which keeps its place and the
  // keyboard: new flags through QWidget would make a new window, hidden.
  overrideWindowFlags(windowFlags().setFlag(Qt::WindowStaysOnTopHint, topMost));
  if (QWindow* window = windowHandle()) window->setFlags(windowFlags());
}

void MainWindow::SetZoom(int zoom) {
  board_->SetZoom(zoom);
  // The window takes the board's new size now, and one grown past its
  // screen is moved back onto it as far as it goes.
  layout()->activate();
  const QRect frame = frameGeometry();
  Placement place{frame.top(), frame.left(), frame.height(), frame.width(), 0};
  PlaceOnScreen(place, frame.width(), frame.height());
  if (place.Left != frame.left() || place.Top != frame.top()) move(place.Left, place.Top);
}

void MainWindow::FocusBoard() {
  activateWindow();
  board_->setFocus();
}

void MainWindow::ComeForward(const std::string& document) {
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  FocusBoard();
  if (!document.empty()) OpenWhenNoDialogIsUp(document);
}

// A request that comes while a dialog is up comes through the dialog's own
// event loop; the game it would replace is still the dialog's.
void MainWindow::OpenWhenNoDialogIsUp(const std::string& document) {
  if (!QApplication::activeModalWidget()) return controller_.OpenDocument(document);
  QTimer::singleShot(DialogCheckMilliseconds, this, [this, document] { OpenWhenNoDialogIsUp(document); });
}

void MainWindow::UpdateMenus() {
  for (const CommandEntry& entry : Commands()) {
    QAction* action = actions_.at(entry.command);
    action->setEnabled(entry.enabled(controller_));
    // A checkable item draws an empty box while unchecked; the game's menus
    // show a mark where one is set and nothing elsewhere.
    const bool checked = entry.checked(controller_);
    action->setCheckable(checked);
    action->setChecked(checked);
  }
}

void MainWindow::RepeatShortcuts(bool repeat) {
  for (const auto& [command, action] : actions_) action->setAutoRepeat(repeat && command != Command::Fire);
}

// Qt places a new window by its inside while the window manager has not told
// it the frame yet; once the frame is known, the frame goes where the player
// left it, as the dialogs do, so that the window never creeps by the frame's
// size from one run to the next. A window manager that frames the window
// where it stands sends no move: the frame is looked for at every event, and
// last on the way out.
bool MainWindow::PlaceFrame() {
  if (!framePlace_ || frameGeometry().topLeft() == geometry().topLeft()) return false;
  const QPoint place = *std::exchange(framePlace_, std::nullopt);
  if (frameGeometry().topLeft() == place) return false;
  move(place);
  return true;
}

bool MainWindow::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  PlaceFrame();
  return handled;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!CloseApplication()) event->ignore();
}

bool MainWindow::CloseApplication() {
  // The question to save is about the game a missile in flight leaves
  // behind, and the player's input held back meanwhile comes first.
  controller_.LandMissiles();
  DocumentContext context = controller_.Documents();
  if (!CloseGame(context)) return false;
  // A path the settings cannot keep would come back as the name of some
  // other file; the last one that fitted is proposed instead.
  if (FitsFileSpec(document_.Path)) settings_.FileSpec = document_.Path;
  // A frame moved to its place only now is not there yet.
  const std::optional<QPoint> place = framePlace_;
  const bool moved = PlaceFrame();
  StorePlacement(this, settings_.MainPlacement);
  if (moved) {
    settings_.MainPlacement.Left = place->x();
    settings_.MainPlacement.Top = place->y();
  }
  // A window dragged off the screens, or left on one unplugged since, is not
  // remembered there.
  PlaceOnScreen(settings_.MainPlacement, settings_.MainPlacement.Width, settings_.MainPlacement.Height);
  splash_.Close();
  hide();
  QCoreApplication::exit(0);
  return true;
}

}  // namespace kestravane
