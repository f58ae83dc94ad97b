#include "app/application.h"

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "app/trace.h"
#include "platform/application.h"
#include "platform/single_instance.h"
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

int InitApplication() {
  if (!RegisterSplash()) return 0;
  TraceEvent("splash-shown");
  return 1;
}

int RunKestravane(const std::string& commandLine) {
  if (platform::ClaimSingleInstance(InstanceName, ComeForward) ==
      platform::InstanceClaim::AnotherRunning) {
    AlertBeep();
    return 0;
  }
  if (!InitVEZU()) return 0;
  if (!InitApplication()) return 0;
  LoadSettings(&Settings);
  DocumentFromCommandLine(commandLine, &Settings);
  WaitSeconds(1);
  CloseSplash();
  if (!CreateMainWindow(platform::ShowMode::Normal, &Settings)) return 0;
  TraceEvent("main-window-shown");
  const int code = platform::RunEventLoop();
  SaveSettings(&Settings);
  return code;
}
