#pragma once

#include <QWidget>

#include "platform/qt/window_impl.h"

using namespace kestravane;

// A plain window of the game, standing for the main window as an owner and
// as a holder of controls that are not a dialog's.
class TestWindow : public platform::Window {
 public:
  TestWindow() { widget_.setGeometry(100, 100, 400, 300); }
  QWidget* widget() override { return &widget_; }

 private:
  QWidget widget_;
};
