#pragma once
// What the whole Qt program shares: one style and font for every window, the
// screen in twips, and the event pump of the wait window's pause.

#include <functional>

#include "forms/form_manager.h"

class QApplication;

namespace dravik {

// The Fusion style and one font of a fixed pixel size (scaled with the
// screen), so that the windows look alike on every desktop and a control 17
// pixels high holds its text. Hiding every window does not end the program:
// only the window manager's programEnded does.
void setUpApplication(QApplication& app);

// Twips per pixel: 1440 / the primary screen's logical DPI (15 at 96 dpi).
double twipsPerPixel();

// The primary screen's size in twips.
FormManager::Screen screenInTwips();

// The pump of the wait window's pause: lets paints and timers run, never
// user input, which waits until the file work has ended; sleeps a little
// between rounds so that the pause does not spin.
std::function<void()> waitPump();

}  // namespace dravik
