#include "platform/resources.h"

#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QString>
#include <cerrno>

#include "platform/qt/picture_data.h"
#include "platform/qt/window_icon.h"

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

// A page with words in the player's language, tried in the order in which Qt
// picks the game's translation, so that the pages speak the menus' language:
// each language the player reads, most wanted first, as the full name
// ("pt_BR") and then shorter ("pt").
QString TranslatedBitmapPath(unsigned id) {
  for (QString language : QLocale().uiLanguages()) {
    language.replace(u'-', u'_');
    for (;;) {
      const QString path = QStringLiteral(":/bitmaps/%1/%2.bmp").arg(language).arg(id);
      if (QFile::exists(path)) return path;
      const qsizetype shorter = language.lastIndexOf(u'_');
      if (shorter <= 0) break;
      language.truncate(shorter);
    }
  }
  return {};
}

QString ResourcePath(ResourceKind kind, unsigned id) {
  if (kind == ResourceKind::Icon) return QStringLiteral(":/icons/%1.ico").arg(id);
  if (kind == ResourceKind::Bitmap) {
    const QString translated = TranslatedBitmapPath(id);
    return translated.isEmpty() ? QStringLiteral(":/bitmaps/%1.bmp").arg(id) : translated;
  }
  return QStringLiteral(":/sounds/%1.wav").arg(id);
}

Result<Picture> Decode(ResourceKind kind, unsigned id) {
  const Result<std::vector<std::uint8_t>> bytes = ResourceBytes(kind, id);
  if (!bytes) return Result<Picture>::Failure(bytes.error());
  const char* format = kind == ResourceKind::Icon ? "ICO" : "BMP";
  const QImage image = QImage::fromData(bytes->data(), static_cast<int>(bytes->size()), format);
  if (image.isNull()) return Result<Picture>::Failure(EILSEQ);
  auto data = std::make_unique<Picture::Data>();
  data->image = image.convertToFormat(QImage::Format_ARGB32);
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

Result<Picture> LoadIconResource(unsigned id) { return Decode(ResourceKind::Icon, id); }

QIcon WindowIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) icon.addFile(QStringLiteral(":/desktop-icons/%1x%1.png").arg(size));
  return icon;
}

Result<Picture> LoadBitmapResource(unsigned id) { return Decode(ResourceKind::Bitmap, id); }

Result<std::vector<std::uint8_t>> LoadWaveResource(unsigned id) { return ResourceBytes(ResourceKind::Wave, id); }

Result<const Picture*> PictureStore::Find(ResourceKind kind, unsigned id) {
  const std::uint64_t key = (std::uint64_t{static_cast<unsigned>(kind)} << 32) | id;
  if (const auto found = decoded_.find(key); found != decoded_.end()) return &found->second;
  Result<Picture> picture = Decode(kind, id);
  if (!picture) return Result<const Picture*>::Failure(picture.error());
  return &decoded_.emplace(key, std::move(*picture)).first->second;
}

}  // namespace kestravane::platform
