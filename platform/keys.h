#pragma once

namespace platform {

// The key codes the game sees: letters and digits are their upper-case
// ASCII codes, the rest as listed. A key with no code here arrives as
// KeyOther.
enum VirtualKey : int {
  KeyBackspace = 0x08,
  KeyTab = 0x09,
  KeyEnter = 0x0D,
  KeyShift = 0x10,
  KeyControl = 0x11,
  KeyAlt = 0x12,
  KeyPause = 0x13,
  KeyCapsLock = 0x14,
  KeyEscape = 0x1B,
  KeySpace = 0x20,
  KeyPageUp = 0x21,
  KeyPageDown = 0x22,
  KeyEnd = 0x23,
  KeyHome = 0x24,
  KeyLeft = 0x25,
  KeyUp = 0x26,
  KeyRight = 0x27,
  KeyDown = 0x28,
  KeyInsert = 0x2D,
  KeyDelete = 0x2E,
  Key0 = 0x30,  // to Key0 + 9
  KeyA = 0x41,  // to KeyA + 25
  KeyF1 = 0x70,  // to KeyF1 + 11
  KeyOther = 0xFF,
};

}  // namespace platform
