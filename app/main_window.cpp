#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QSessionManager>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "app/game_file.h"
#include "app/main_menu.h"
#include "app/menu_bar.h"
#include "app/path_dir.h"
#include "app/show_outcome.h"
#include "app/window_placement.h"
#include "display/main_layout.h"
#include "engine/game_flow.h"
#include "engine/generation.h"
#include "platform/qt/picture_data.h"
#include "platform/resources.h"
#include "platform/screen.h"
#include "platform/system.h"
#include "support/catalogue.h"

namespace kestravane {

namespace {

// The window manager's caption, the menu bar and the borders are measured
// only once the window is on screen; this is room enough for them.
constexpr int FrameWidth = ClientWidth + 16;
constexpr int FrameHeight = ClientHeight + 80;

// How often a document another start handed over looks for the dialog in
// its way to be gone.
constexpr int DialogCheckMilliseconds = 200;

// A place the player can see and reach, for the window as it is placed.
void PlaceOnScreen(Placement& placement, int width, int height) {
  const WindowOrigin origin =
      KeepOnScreen(placement.Left, placement.Top, width, height, platform::ScreenWorkAreas());
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

}  // namespace

MainWindow::MainWindow(const LibraryState& library, AppSettings& settings, Splash& splash)
    : QMainWindow(nullptr, settings.TopMost ? MainFrame | Qt::WindowStaysOnTopHint : MainFrame),
      settings_(settings),
      splash_(splash),
      board_(new BoardView(session_, ColorOf(library.BackgroundColor), this)),
      controller_(*this, session_, document_, settings, library.IniPath, splash) {
  setCentralWidget(board_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  if (const platform::Result<platform::Picture> icon = platform::LoadIconResource(Id(Icon::Program)))
    setWindowIcon(QIcon(QPixmap::fromImage(icon->data()->image)));
  BuildMenus();

  connect(board_, &BoardView::keyPressed, this, &MainWindow::KeyPressed);
  connect(board_, &BoardView::shipCommand, this,
          [this](Command command) { controller_.Handle([this, command] { controller_.DoCommand(command); }); });
  connect(board_, &BoardView::leftPressed, this,
          [this](QPoint at) { controller_.Handle([this, at] { controller_.DoLeftClick(at.x(), at.y()); }); });
  connect(board_, &BoardView::rightPressed, this,
          [this](QPoint at) { controller_.Handle([this, at] { controller_.DoRightClick(at.x(), at.y()); }); });
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
  for (const MenuPopup& popup : MainMenu()) {
    auto* menu = new PopupMenu(QString::fromUtf8(popup.title), help, menuBar());
    menuBar()->addMenu(menu);
    // Qt hides a menu before it triggers the chosen action, so the help goes
    // back to "Ready ..." before the command shows its own status line.
    connect(menu, &QMenu::aboutToShow, this, [this] { ShowMenuHelp(nullptr); });
    connect(menu, &QMenu::aboutToHide, this, [this] { ShowMenuHelp(nullptr); });
    for (const MenuEntry& item : popup.items) {
      if (!item.text) {
        menu->addSeparator();
        continue;
      }
      // The text after a tab only names the key; the key table makes it work.
      QAction* action = menu->addAction(QString::fromUtf8(item.text));
      const Command command = item.command;
      actions_[command] = action;
      connect(action, &QAction::hovered, this, [this, action] { ShowMenuHelp(action); });
      connect(action, &QAction::triggered, this, [this, action, command](bool checked) {
        // The check mark is the game's to set, not the click's to toggle.
        if (action->isCheckable()) action->setChecked(!checked);
        controller_.Handle([this, command] { controller_.DoCommand(command); });
      });
    }
  }
}

// The status line follows the highlight in the menus: a command's help text
// (the catalogue text of the command's own number) while the command is
// highlighted, grayed or not, and "Ready ..." for anything else.
void MainWindow::ShowMenuHelp(const QAction* item) {
  for (const auto& [command, action] : actions_) {
    if (action == item) {
      ShowStatus(MakeMessage(static_cast<Text>(Id(command))));
      return;
    }
  }
  ShowStatus(Text::Ready);
}

void MainWindow::KeyPressed(int key, Qt::KeyboardModifiers modifiers, bool repeated) {
  const KeyMeaning meaning = MeaningOf(key, modifiers);
  // A shortcut is its menu item's other way in: while the item is grayed the
  // key is an ordinary one, which the game may still want (any key ends a
  // picture).
  const bool shortcut = meaning.shortcut && Action(*meaning.shortcut)->isEnabled();
  const bool fires = shortcut ? *meaning.shortcut == Command::Fire : meaning.key == GameKey::Fire;
  if (repeated && controller_.DropsRepeat(fires)) return;
  if (shortcut) {
    controller_.Handle([this, command = *meaning.shortcut] { controller_.DoCommand(command); });
  } else {
    controller_.Handle([this, gameKey = meaning.key] { controller_.DoKey(gameKey); });
  }
}

void MainWindow::Start() {
  SetTitle(Text::ProgramName);
  Placement place = settings_.MainPlacement;
  PlaceOnScreen(place, FrameWidth, FrameHeight);
  move(place.Left, place.Top);
  framePlace_ = QPoint(place.Left, place.Top);
  show();
  board_->PaintNow();
  controller_.ShowRecordReport(controller_.records().opened());
  if (settings_.Unreadable) ShowStatus(Text::SettingsNotSaved);

  if (settings_.OpenAtStart && platform::FileExists(settings_.FileSpec)) {
    document_.Path = settings_.FileSpec;
    if (ReadGameFile(*this, document_, session_)) {
      session_.Picture = ScannerPicture::None;
      ShowOutcome(*this, GameOpened(session_), session_.State);
    }
  }
  UpdateMenus();
}

void MainWindow::ShowStatus(const Message& message) {
  const std::optional<std::string> line = CatalogueLine(message);
  if (!line) return;
  // The only text a status line takes is a file's path; its folders give
  // way first.
  QString folders;
  for (const TextArgument& argument : message.Arguments)
    if (const auto* path = std::get_if<std::string>(&argument)) folders = QString::fromStdString(PathDir(*path));
  board_->SetStatus(QString::fromStdString(*line), folders);
}

void MainWindow::SetTitle(Text id) {
  if (const std::optional<std::string> title = CatalogueLine(id)) setWindowTitle(QString::fromStdString(*title));
}

void MainWindow::SetTopMost(bool topMost) {
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topMost) return;
  // Qt makes a new native window for new flags, in the same place but hidden.
  const bool visible = isVisible();
  const Qt::WindowStates states = windowState();
  setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
  if (visible) {
    setWindowState(states);
    show();
  }
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
  for (const auto& [command, action] : actions_) {
    action->setEnabled(controller_.Enabled(command));
    // A checkable item draws an empty box while unchecked; the game's menus
    // show a mark where one is set and nothing elsewhere.
    const bool checked = controller_.Checked(command);
    action->setCheckable(checked);
    action->setChecked(checked);
  }
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
