#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include "support/library.h"

namespace kestravane {

// The title picture in a borderless, always-on-top window centred on the
// desktop: the splash at start-up, the About window later. A key or a left
// click closes it, except while it stands as the splash; a box, a question
// or a file dialog coming up closes it too, so that it never hides one. The
// game's own dialogs leave it standing.
class Splash final {
 public:
  explicit Splash(const LibraryState& library) : library_(library) {}
  ~Splash() { Close(); }
  Splash(const Splash&) = delete;
  Splash& operator=(const Splash&) = delete;

  // Shows the picture as the splash. False after an error box.
  bool ShowAtStartup();

  // Shows the window, or brings it forward when it is already up. The
  // picture is loaded the first time. False after an error box.
  bool Show();

  // Closes the window if it is open.
  void Close();

  QWidget* window() const { return window_; }

 private:
  const LibraryState& library_;
  QImage picture_;
  QPointer<QWidget> window_;
  bool startup_ = false;  // keys and clicks are ignored while set
};

}  // namespace kestravane
