#pragma once

#include <QLabel>

namespace kestravane {

// A title drawn etched into the window, as the main window's panel titles
// are: grey letters over a white copy one pixel down and to the right.
class EtchedLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kestravane
