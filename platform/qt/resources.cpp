#include "platform/resources.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QString>
#include <cerrno>

#include "platform/qt/picture_data.h"

// The resources are compiled into this static library; registering them by
// hand also makes the linker keep them in every program that loads one.
static void RegisterEmbeddedResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(resources);
    return true;
  }();
  (void)registered;
}

namespace kestravane::platform {
namespace {

QString ResourcePath(ResourceKind kind, unsigned id) {
  if (kind == ResourceKind::Icon) return QStringLiteral(":/icons/%1.ico").arg(id);
  if (kind == ResourceKind::Bitmap) return QStringLiteral(":/bitmaps/%1.bmp").arg(id);
  return QStringLiteral(":/sounds/%1.wav").arg(id);
}

// Every paint draws up to 84 icons and a picture. The resources never change
// while the program runs, so each is decoded once and then shared, for as
// long as the application lives: a Picture holds an implicitly shared copy of
// the decoded image.
class DecodedPictures final : public QObject {
 public:
  explicit DecodedPictures(QObject* application) : QObject(application) { setObjectName(Name); }
  static constexpr const char* Name = "kestravane-decoded-pictures";

  // The application's pictures, or none without an application.
  static DecodedPictures* Of(QCoreApplication* application) {
    if (!application) return nullptr;
    if (auto* found = dynamic_cast<DecodedPictures*>(application->findChild<QObject*>(Name, Qt::FindDirectChildrenOnly)))
      return found;
    return new DecodedPictures(application);
  }

  QHash<quint64, QImage> images;
};

Result<QImage> DecodedImage(ResourceKind kind, unsigned id, const char* format) {
  DecodedPictures* decoded = DecodedPictures::Of(QCoreApplication::instance());
  const quint64 key = (quint64(kind) << 32) | id;
  if (decoded) {
    if (const auto found = decoded->images.constFind(key); found != decoded->images.constEnd()) return *found;
  }
  const Result<std::vector<std::uint8_t>> bytes = ResourceBytes(kind, id);
  if (!bytes) return Result<QImage>::Failure(bytes.error());
  const QImage image = QImage::fromData(bytes->data(), static_cast<int>(bytes->size()), format);
  if (image.isNull()) return Result<QImage>::Failure(EILSEQ);
  const QImage converted = image.convertToFormat(QImage::Format_ARGB32);
  if (decoded) decoded->images.insert(key, converted);
  return converted;
}

Result<Picture> Decode(ResourceKind kind, unsigned id, const char* format) {
  Result<QImage> image = DecodedImage(kind, id, format);
  if (!image) return Result<Picture>::Failure(image.error());
  auto data = std::make_unique<Picture::Data>();
  data->image = std::move(*image);
  return Picture(std::move(data));
}

}  // namespace

Picture::Picture() = default;
Picture::Picture(std::unique_ptr<Data> data) : data_(std::move(data)) {}
Picture::~Picture() = default;
Picture::Picture(Picture&&) noexcept = default;
Picture& Picture::operator=(Picture&&) noexcept = default;

bool Picture::IsNull() const { return !data_ || data_->image.isNull(); }
int Picture::Width() const { return IsNull() ? 0 : data_->image.width(); }
int Picture::Height() const { return IsNull() ? 0 : data_->image.height(); }

Result<std::vector<std::uint8_t>> ResourceBytes(ResourceKind kind, unsigned id) {
  RegisterEmbeddedResources();
  QFile file(ResourcePath(kind, id));
  if (!file.open(QIODevice::ReadOnly)) return Result<std::vector<std::uint8_t>>::Failure(ENOENT);
  const QByteArray bytes = file.readAll();
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

Result<Picture> LoadIconResource(unsigned id) { return Decode(ResourceKind::Icon, id, "ICO"); }

Result<Picture> LoadBitmapResource(unsigned id) { return Decode(ResourceKind::Bitmap, id, "BMP"); }

Result<std::vector<std::uint8_t>> LoadWaveResource(unsigned id) { return ResourceBytes(ResourceKind::Wave, id); }

}  // namespace kestravane::platform
