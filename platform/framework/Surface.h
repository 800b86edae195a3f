// The smallest way to show a finished bitmap on screen: a top-level surface the size of the
// bitmap, painted with the bitmap in one copy. The controls paint the same way (their faces are
// composed off-screen and copied in one operation), through PaintBitmap in QtBridge terms.
#pragma once

#include <memory>

class TBitmap;

// Makes sure a GUI application object exists for programs that have none of their own (tools,
// benchmarks): headless ("offscreen") unless QT_QPA_PLATFORM says otherwise, 96 dpi.
void EnsureGuiApplication(int& argc, char** argv);

class TSurface {
 public:
  TSurface(int width, int height);  // created hidden
  ~TSurface();
  TSurface(const TSurface&) = delete;
  TSurface& operator=(const TSurface&) = delete;

  // Shows the surface and waits (up to 2 s) until the window system has exposed it.
  void Show();
  // Copies the bitmap onto the surface at (0, 0) and brings it to the screen now; false when
  // nothing could be painted (the surface is hidden or not exposed).
  bool Present(const TBitmap& bitmap);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
