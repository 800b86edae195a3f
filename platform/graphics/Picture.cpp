#include "platform/graphics/Picture.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "platform/graphics/Bitmap.h"

#include <QFileInfo>

TPicture::TPicture(std::function<void()> notify) : notify_(std::move(notify)) {}
TPicture::~TPicture() = default;

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
  graphicLink_.Disconnect();
  graphic_ = std::move(graphic);
  if (graphic_) graphicLink_ = graphic_->OnChange.Add([this](TGraphic&) { Changed(); });
  Changed();
}

TBitmap& TPicture::Bitmap() {
  if (auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get())) return *bitmap;
  SetGraphic(std::make_unique<TBitmap>());
  return static_cast<TBitmap&>(*graphic_);
}

int TPicture::Width() const {
  return graphic_ ? graphic_->Width() : 0;
}

int TPicture::Height() const {
  return graphic_ ? graphic_->Height() : 0;
}

void TPicture::LoadFromFile(const std::string& fileName) {
  const std::string extension =
      QFileInfo(QString::fromStdString(fileName)).suffix().toLower().toStdString();
  const TGraphicClass* cls = FindGraphicClassByExtension(extension);
  if (!cls) throw EInvalidGraphic("Unknown picture file extension (." + extension + ")");
  std::unique_ptr<TGraphic> graphic = cls->create();
  TFileStream stream(fileName, TFileStream::fmOpenRead);
  graphic->LoadFromStream(stream);
  SetGraphic(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName) const {
  if (!graphic_) return;
  TFileStream stream(fileName, TFileStream::fmCreate);
  graphic_->SaveToStream(stream);
  stream.Close();
}

void TPicture::LoadFromStoredData(const std::vector<std::uint8_t>& data) {
  SetGraphic(ReadStoredPicture(data));
}

void TPicture::Changed() {
  if (notify_) notify_();
  if (OnChange) OnChange();
}
