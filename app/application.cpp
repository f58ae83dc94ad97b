#include "app/application.h"

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/path_dir.h"
#include "app/settings.h"
#include "app/trace.h"
#include "platform/application.h"
#include "platform/single_instance.h"
#include "platform/system.h"
#include "platform/window.h"
#include "support/library.h"
#include "support/sound.h"
#include "support/splash.h"
#include "support/timing.h"

namespace {

constexpr const char* InstanceName = "KVaneAppClass";

void ComeForward() {
  TraceEvent("come-forward");
  if (platform::Window* window = platform::MainWindow()) platform::BringToFront(window);
}

}  // namespace

int RunKestravane(const std::string& commandLine) {
  if (platform::ClaimSingleInstance(InstanceName, ComeForward) == platform::InstanceClaim::AnotherRunning) {
    AlertBeep();
    return 0;
  }
  const LibraryState library = StartLibrary();
  platform::KeepWindowSystemStateIn(PathDir(library.IniPath));
  const std::uint32_t gameSeed = RandomSeedFor(platform::CalendarSeconds());
  Splash splash(library);
  if (!splash.ShowAtStartup()) return 0;
  TraceEvent("splash-shown");
  AppSettings settings = LoadSettings(library.IniPath);
  DocumentFromCommandLine(commandLine, settings);
  WaitSeconds(1);
  splash.Close();

  MainWindow mainWindow(library, settings, splash);
  mainWindow.session().Random.Seed(gameSeed);
  if (!mainWindow.Create(platform::ShowMode::Normal)) return 0;
  TraceEvent("main-window-shown");
  const int code = platform::RunEventLoop();
  // The end of the desktop session leaves the window standing; it must not
  // outlive the game it shows.
  if (platform::Window* window = platform::MainWindow()) platform::DestroyWindow(window);
  SaveSettings(settings, library.IniPath);
  return code;
}
