#include "app/application.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "app/file_dialogs.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "app/trace.h"
#include "engine/random.h"
#include "platform/single_instance.h"
#include "platform/system.h"
#include "support/library.h"
#include "support/sound.h"
#include "support/splash.h"

namespace kestravane {

namespace {

// The name later starts find the running copy by, for this user.
constexpr const char* InstanceName = "kestravane";

// How long the splash stands before the main window comes.
constexpr int SplashMilliseconds = 1000;

// Traces `event` when `widget` first reaches the screen.
void TraceFirstPaint(QWidget* widget, const char* event) {
  class FirstPaint final : public QObject {
   public:
    FirstPaint(QWidget* watched, const char* event) : QObject(watched), event_(event) {
      watched->installEventFilter(this);
    }

   protected:
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) {
        TraceEvent(event_);
        deleteLater();
      }
      return false;
    }

   private:
    const char* event_;
  };
  if (widget) new FirstPaint(widget, event);
}

}  // namespace

// The path as the copy already running can use it, whatever its folder.
std::string Absolute(const std::string& path) {
  if (path.empty()) return path;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}

int RunKestravane(const std::string& commandLine, Services& services) {
  MainWindow* shown = nullptr;
  // Documents handed over before the main window is up wait for it, and then
  // open in the order they came, each after the usual question to save the
  // one before.
  std::vector<std::string> handedOver;
  const auto comeForward = [&shown, &handedOver](const std::string& document) {
    TraceEvent("come-forward");
    if (shown) shown->ComeForward(document);
    else if (!document.empty()) handedOver.push_back(document);
  };
  if (platform::ClaimSingleInstance(InstanceName, Absolute(commandLine), comeForward) ==
      platform::InstanceClaim::AnotherRunning) {
    AlertBeep();
    return 0;
  }
  const LibraryState library = StartLibrary();
  KeepFileDialogStateNowhere();
  const std::uint32_t gameSeed = RandomSeedFor(platform::CalendarSeconds());
  Splash splash(library);
  if (!splash.ShowAtStartup()) return 0;
  TraceFirstPaint(splash.window(), "splash-shown");
  AppSettings settings = LoadSettings(library.IniPath);
  DocumentFromCommandLine(commandLine, settings);

  std::unique_ptr<MainWindow> mainWindow;
  QTimer::singleShot(SplashMilliseconds, [&] {
    splash.Close();
    mainWindow = std::make_unique<MainWindow>(library, settings, splash, services);
    mainWindow->session().Random.Seed(gameSeed);
    TraceFirstPaint(&mainWindow->board(), "main-window-shown");
    mainWindow->Start();
    shown = mainWindow.get();
    for (const std::string& document : std::exchange(handedOver, {})) shown->ComeForward(document);
  });
  const int code = QApplication::exec();
  // The end of the desktop session may leave the window standing; the game
  // it shows is saved or given up by now.
  shown = nullptr;
  SaveSettings(settings, library.IniPath);
  return code;
}

}  // namespace kestravane
