#include "platform/framework/Surface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <memory>

#include "platform/graphics/Bitmap.h"
#include "platform/qt/QtBridge.h"

namespace {

// A widget whose whole face is the last bitmap it was given.
class SurfaceWidget : public QWidget {
 public:
  SurfaceWidget(int width, int height) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFixedSize(width, height);
  }
  const TBitmap* bitmap = nullptr;
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!bitmap) return;
    QPainter painter(this);
    PaintBitmap(painter, *bitmap);
    ++paints;
  }
};

}  // namespace

void EnsureGuiApplication(int& argc, char** argv) {
  if (QApplication::instance()) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 0);
  setenv("QT_FONT_DPI", "96", 0);
  // Lives until the program ends, like the application object of a real program.
  static const std::unique_ptr<QApplication> application =
      std::make_unique<QApplication>(argc, argv);
}

struct TSurface::Impl {
  SurfaceWidget widget;
  Impl(int width, int height) : widget(width, height) {}
};

TSurface::TSurface(int width, int height) : impl_(std::make_unique<Impl>(width, height)) {}
TSurface::~TSurface() = default;

void TSurface::Show() {
  impl_->widget.show();
  // Painting reaches the screen only once the window system has exposed the window.
  QElapsedTimer waited;
  waited.start();
  while (!impl_->widget.windowHandle()->isExposed() && waited.elapsed() < 2000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool TSurface::Present(const TBitmap& bitmap) {
  const int before = impl_->widget.paints;
  impl_->widget.bitmap = &bitmap;
  impl_->widget.repaint();
  impl_->widget.bitmap = nullptr;
  return impl_->widget.paints > before;
}
