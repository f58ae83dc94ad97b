#pragma once

class QWidget;

namespace kestravane {

// After a modal dialog or box has closed: a window manager hands the keyboard
// back to the window that owned it, but without one it would go nowhere and
// the player could not type on. Does nothing while another window of the
// game that is still up has the keyboard.
void ReturnKeyboardTo(QWidget* owner);

}  // namespace kestravane
