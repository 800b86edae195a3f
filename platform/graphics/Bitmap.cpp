#include "platform/graphics/Bitmap.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "platform/graphics/BmpCodec.h"
#include "platform/graphics/Canvas.h"
#include "platform/core/Exception.h"
#include "platform/qt/QtBridge.h"
#include "platform/graphics/Resources.h"
#include "platform/core/Stream.h"

struct TBitmap::Impl {
  QImage image;  // null while either side is 0
  int width = 0;
  int height = 0;
  void Set(QImage picture) {
    width = picture.width();
    height = picture.height();
    image = std::move(picture);
  }
};

namespace {

constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool IsPng(const std::vector<std::uint8_t>& bytes) {
  return bytes.size() >= sizeof kPngSignature &&
         std::equal(std::begin(kPngSignature), std::end(kPngSignature), bytes.begin());
}

QImage WhiteImage(int width, int height) {
  QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
  image.fill(0xFFFFFFFFu);
  return image;
}

// The picture of a BMP or PNG file, with the depth it was stored in.
struct LoadedPicture {
  QImage image;
  int bitsPerPixel = 24;
  bool blackAndWhite = false;
};

LoadedPicture DecodePicture(const std::vector<std::uint8_t>& bytes) {
  LoadedPicture result;
  if (IsPng(bytes)) {
    QImage png;
    if (!png.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "PNG"))
      throw EInvalidGraphic("Bitmap image is not valid: the PNG data cannot be read");
    if (png.hasAlphaChannel()) {
      // Transparent areas of a PNG show white, as on a new bitmap.
      QImage flat = WhiteImage(png.width(), png.height());
      QPainter painter(&flat);
      painter.drawImage(0, 0, png);
      painter.end();
      result.image = flat;
    } else {
      result.image = png.convertToFormat(QImage::Format_RGB32);
    }
    result.bitsPerPixel = png.depth() == 1 ? 1 : 24;
    return result;
  }
  const TDecodedBmp bmp = DecodeBmp(bytes.data(), bytes.size());
  result.image = QImage(bmp.width, bmp.height, QImage::Format_RGB32);
  for (int y = 0; y < bmp.height; ++y)
    std::memcpy(result.image.scanLine(y),
                bmp.pixels.data() + std::size_t(y) * std::size_t(bmp.width),
                std::size_t(bmp.width) * 4);
  result.bitsPerPixel = bmp.bitsPerPixel;
  result.blackAndWhite = bmp.blackAndWhite;
  return result;
}

TPixelFormat FormatForDepth(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
      return pf1bit;
    case 4:
      return pf4bit;
    case 8:
      return pf8bit;
    case 16:
      return pf16bit;
    case 32:
      return pf32bit;
    default:
      return pf24bit;
  }
}

}  // namespace

TBitmap::TBitmap() : impl_(std::make_unique<Impl>()) {}

TBitmap::TBitmap(int width, int height) : TBitmap() {
  SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other) : TBitmap() {
  Assign(other);
}

TBitmap& TBitmap::operator=(const TBitmap& other) {
  Assign(other);
  return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TBitmap& source) {
  if (this == &source) return;
  *impl_ = *source.impl_;
  pixelFormat_ = source.pixelFormat_;
  monochrome_ = source.monochrome_;
  transparentMode_ = source.transparentMode_;
  transparentColor_ = source.transparentColor_;
  TGraphic::SetTransparent(source.Transparent());
  Changed();
}

void TBitmap::Assign(TGraphic& source) {
  if (auto* bitmap = dynamic_cast<TBitmap*>(&source)) {
    Assign(*bitmap);
    return;
  }
  impl_->Set(QImage());
  SetSize(source.Width(), source.Height());
  pixelFormat_ = pf24bit;
  monochrome_ = false;
  if (!source.Empty()) source.Draw(Canvas(), Rect(0, 0, source.Width(), source.Height()));
  TGraphic::SetTransparent(source.Transparent());
  Changed();
}

int TBitmap::Width() const {
  return impl_->width;
}
int TBitmap::Height() const {
  return impl_->height;
}
bool TBitmap::Empty() const {
  return impl_->image.isNull();
}

void TBitmap::SetWidth(int width) {
  SetSize(width, Height());
}
void TBitmap::SetHeight(int height) {
  SetSize(Width(), height);
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == Width() && height == Height()) return;
  QImage resized;
  if (width > 0 && height > 0) {
    resized = WhiteImage(width, height);
    const int keepWidth = impl_->image.isNull() ? 0 : std::min(width, Width());
    const int keepHeight = impl_->image.isNull() ? 0 : std::min(height, Height());
    for (int y = 0; y < keepHeight; ++y)
      std::memcpy(resized.scanLine(y), impl_->image.constScanLine(y), std::size_t(keepWidth) * 4);
  }
  impl_->image = resized;
  impl_->width = width;
  impl_->height = height;
  Changed();
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>(this);
  return *canvas_;
}

std::uint8_t* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= Height()) throw EInvalidGraphic("Scan line index out of range");
  return impl_->image.scanLine(y);
}

const std::uint8_t* TBitmap::ScanLine(int y) const {
  if (y < 0 || y >= Height()) throw EInvalidGraphic("Scan line index out of range");
  return impl_->image.constScanLine(y);
}

int TBitmap::BytesPerLine() const {
  return static_cast<int>(impl_->image.bytesPerLine());
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == pf1bit && !monochrome_) {
    // Converting to black and white keeps white and turns every other colour black, as the
    // classic colour-to-monochrome copy does against a white background.
    for (int y = 0; y < Height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(impl_->image.scanLine(y));
      for (int x = 0; x < Width(); ++x)
        row[x] = (row[x] & 0xFFFFFF) == 0xFFFFFF ? 0xFFFFFFFFu : 0xFF000000u;
    }
  }
  const bool monochrome = format == pf1bit;
  if (format == pixelFormat_ && monochrome == monochrome_) return;
  pixelFormat_ = format;
  monochrome_ = monochrome;
  Changed();
}

void TBitmap::SetMonochrome(bool value) {
  if (value == monochrome_) return;
  SetPixelFormat(value ? pf1bit : pf24bit);
}

void TBitmap::SetTransparent(bool value) {
  if (value == Transparent()) return;
  TGraphic::SetTransparent(value);
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == tmFixed) return transparentColor_;
  if (Empty()) return clNone;
  return FromQtColor(QColor(impl_->image.pixel(0, Height() - 1)));
}

void TBitmap::SetTransparentColor(TColor color) {
  if (color == transparentColor_ && (color == clDefault) == (transparentMode_ == tmAuto)) return;
  transparentMode_ = color == clDefault ? tmAuto : tmFixed;
  transparentColor_ = color;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == transparentMode_) return;
  if (mode == tmAuto)
    SetTransparentColor(clDefault);
  else
    SetTransparentColor(TransparentColor());
}

namespace {

// A black-and-white picture copied onto a colour one takes the canvas's colours, as the
// classic copy does: black pixels the text colour, white pixels the background (brush) colour.
TBitmap InCanvasColors(const TBitmap& mask, TCanvas& canvas) {
  TBitmap colored(mask);
  colored.SetMonochrome(false);
  const TColor ink = ColorToRGB(canvas.Font().Color());
  const TColor paper = ColorToRGB(canvas.Brush().Color());
  for (int y = 0; y < colored.Height(); ++y) {
    std::uint8_t* row = colored.ScanLine(y);
    for (int x = 0; x < colored.Width(); ++x, row += TBitmap::PixelStep) {
      const bool white = row[0] == 255 && row[1] == 255 && row[2] == 255;
      const TColor c = white ? paper : ink;
      row[0] = GetBValue(c);
      row[1] = GetGValue(c);
      row[2] = GetRValue(c);
    }
  }
  return colored;
}

}  // namespace

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
  if (Empty()) return;
  const TRect whole = Rect(0, 0, Width(), Height());
  const TBitmap* target = canvas.Bitmap();
  if (Monochrome() && !Transparent() && target && !target->Monochrome()) {
    canvas.StretchCopy(rect, InCanvasColors(*this, canvas), whole, clNone);
    return;
  }
  const TColor key = Transparent() ? ColorToRGB(TransparentColor()) : clNone;
  canvas.StretchCopy(rect, *this, whole, key);
}

void TBitmap::LoadFromStream(TStream& stream) {
  const std::vector<std::uint8_t> bytes = stream.ReadAll();
  if (bytes.empty()) {
    impl_->Set(QImage());
    pixelFormat_ = pf24bit;
    monochrome_ = false;
    Changed();
    return;
  }
  LoadedPicture picture = DecodePicture(bytes);
  impl_->Set(std::move(picture.image));
  pixelFormat_ = FormatForDepth(picture.bitsPerPixel);
  monochrome_ = picture.blackAndWhite;
  Changed();
}

void TBitmap::SaveToStream(TStream& stream) const {
  if (Empty()) return;
  const std::vector<std::uint8_t> bytes =
      EncodeBmp(reinterpret_cast<const std::uint32_t*>(impl_->image.constBits()), Width(), Height(),
                static_cast<int>(impl_->image.bytesPerLine() / 4), Monochrome());
  stream.WriteBuffer(bytes.data(), bytes.size());
}

void TBitmap::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, TFileStream::fmOpenRead);
  LoadFromStream(stream);
}

void TBitmap::SaveToFile(const std::string& fileName) const {
  const bool png = fileName.size() >= 4 && (fileName.compare(fileName.size() - 4, 4, ".png") == 0 ||
                                            fileName.compare(fileName.size() - 4, 4, ".PNG") == 0);
  if (!png) {
    TFileStream stream(fileName, TFileStream::fmCreate);
    SaveToStream(stream);
    stream.Close();
    return;
  }
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  if (!impl_->image.save(&buffer, "PNG")) throw EInvalidGraphic("Cannot write the picture as PNG");
  TFileStream stream(fileName, TFileStream::fmCreate);
  stream.WriteBuffer(data.constData(), static_cast<std::size_t>(data.size()));
  stream.Close();
}

void TBitmap::LoadFromResourceName(const std::string& name) {
  const auto bytes = FindBitmapResource(name);
  if (!bytes) throw EResNotFound(name);
  TMemoryStream stream(*bytes);
  LoadFromStream(stream);
}

void TBitmap::Modified() {
  Changed();
}

QImage& QtImage(TBitmap& bitmap) {
  return bitmap.impl().image;
}

const QImage& QtImage(const TBitmap& bitmap) {
  return bitmap.impl().image;
}

void SetQtImage(TBitmap& bitmap, const QImage& image) {
  bitmap.impl().Set(image.convertToFormat(QImage::Format_RGB32));
  bitmap.Modified();
}

void PaintBitmap(QPainter& painter, const TBitmap& bitmap, TPoint at) {
  painter.drawImage(QPoint(at.X, at.Y), bitmap.impl().image);
}

void PaintBitmap(QPainter& painter, const TBitmap& bitmap, TPoint at, const TRect& source) {
  painter.drawImage(QPoint(at.X, at.Y), bitmap.impl().image,
                    QRect(source.Left, source.Top, source.Width(), source.Height()));
}

void RegisterBitmapClass() {
  static const bool registered = [] {
    RegisterGraphicClass({"TBitmap", "bmp", "Bitmaps", [] { return std::make_unique<TBitmap>(); }});
    return true;
  }();
  (void)registered;
}

namespace {
// Linking the bitmap in is enough for layouts to find it by class name.
const bool kBitmapRegistered = (RegisterBitmapClass(), true);
}  // namespace
