#pragma once

class QWidget;

namespace platform {

// A dialog or box of the game, or the window that owns one.
class Window;

// `widget` as the owner of a dialog or a box.
Window* OwnerWindow(QWidget* widget);

// The widget a dialog or box is shown in.
QWidget* WindowWidget(Window* window);

}  // namespace platform
