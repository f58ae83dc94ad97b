#pragma once

#include "engine/rect.h"
#include "platform/window.h"

// The title picture (bitmap 1000) in a borderless, always-on-top window
// centred on the desktop: the splash at start-up, the About window later.
struct SplashState {
  platform::Window* Window = nullptr;
  int StartupMode = 0;  // keys and clicks are ignored while set
  int Width = 0;        // the picture's size, which is the window's
  int Height = 0;
  Rect Client;
};

extern SplashState Splash;

// Measures the picture and shows the splash in start-up mode. Returns 1, or
// 0 after an error box.
int RegisterSplash();

// Shows the window, or brings it forward when it is already up. Returns 1,
// or 0 after an error box.
int ShowSplash();

// Closes the window if it is open. Always 1.
int CloseSplash();

// The size of bitmap `id` as the rectangle (0, 0, width, height). Returns 1,
// or 0 after an error box.
int PicSize(unsigned id, Rect* rect);
