#pragma once

#include <QLabel>

namespace kestravane {

// A title drawn etched into the window, as the main window's panel titles
// are: grey letters over a white copy one pixel down and to the right, or as
// many pixels as a zoomed board makes of one.
class EtchedLabel : public QLabel {
 public:
  using QLabel::QLabel;

  void SetDepth(int pixels) { depth_ = pixels; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int depth_ = 1;
};

}  // namespace kestravane
