#pragma once

#include "platform/rect.h"
#include "platform/window.h"
#include "support/library.h"

// The title picture in a borderless, always-on-top window centred on the
// desktop: the splash at start-up, the About window later. Any key or click
// closes it, except while it stands as the splash; any box closes it too.
class Splash final : public platform::WindowEvents {
 public:
  explicit Splash(const LibraryState& library) : library_(library) {}
  ~Splash() override { Close(); }
  Splash(const Splash&) = delete;
  Splash& operator=(const Splash&) = delete;

  // Shows the picture as the splash. False after an error box.
  bool ShowAtStartup();

  // Shows the window, or brings it forward when it is already up. The
  // picture is measured the first time. False after an error box.
  bool Show();

  // Closes the window if it is open.
  void Close();

  platform::Window* window() const { return window_; }

  bool Created(platform::Window*) override { return true; }
  void Paint(platform::Window* window) override;
  void KeyDown(platform::Window*, int, bool) override { CloseUnlessStarting(); }
  void LeftButtonDown(platform::Window*, int, int) override { CloseUnlessStarting(); }
  bool CloseRequested(platform::Window*) override;
  void Destroyed(platform::Window* window) override;

 private:
  void CloseUnlessStarting();

  const LibraryState& library_;
  platform::Window* window_ = nullptr;
  bool startup_ = false;  // keys and clicks are ignored while set
  platform::Rect picture_;
};
