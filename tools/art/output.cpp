#include "output.h"

#include <QImage>
#include <QString>
#include <fstream>

#include "bmp_writer.h"
#include "ico_writer.h"
#include "wav_writer.h"

namespace kestravane::art {
namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

bool WriteText(const std::filesystem::path& path, const std::string& text) {
  return WriteFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

bool WritePng(const std::filesystem::path& path, const QImage& image) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  return image.save(QString::fromStdString(path.string()), "PNG");
}

}  // namespace

std::string IconPath(unsigned id) { return "icons/" + std::to_string(id) + ".ico"; }
std::string BitmapPath(unsigned id) { return "bitmaps/" + std::to_string(id) + ".bmp"; }
std::string BitmapPath(unsigned id, const std::string& language) {
  return language.empty() ? BitmapPath(id) : "bitmaps/" + language + "/" + std::to_string(id) + ".bmp";
}
std::string SoundPath(unsigned id) { return "sounds/" + std::to_string(id) + ".wav"; }
std::string DesktopIconPath(int size) {
  const std::string side = std::to_string(size);
  return "desktop-icons/" + side + "x" + side + ".png";
}

std::string ResourceCollection(const ArtSet& set) {
  std::string text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
  const auto add = [&text](const std::string& path) { text += "  <file>" + path + "</file>\n"; };
  for (const Picture& icon : set.icons) add(IconPath(icon.id));
  for (const Picture& bitmap : set.bitmaps) add(BitmapPath(bitmap.id, bitmap.language));
  for (const Sound& sound : set.sounds) add(SoundPath(sound.id));
  for (const DesktopPicture& icon : set.desktopIcons) add(DesktopIconPath(icon.size));
  text += "</qresource>\n</RCC>\n";
  return text;
}

bool WriteArtSet(const ArtSet& set, const std::filesystem::path& directory) {
  bool written = true;
  for (const Picture& icon : set.icons) {
    written &= WriteFile(directory / IconPath(icon.id), EncodeIcon(icon.image));
  }
  for (const Picture& bitmap : set.bitmaps) {
    written &= WriteFile(directory / BitmapPath(bitmap.id, bitmap.language), EncodeBitmap(bitmap.image));
  }
  for (const Sound& sound : set.sounds) {
    written &= WriteFile(directory / SoundPath(sound.id), EncodeWave(sound.samples));
  }
  // The desktop's icons are installed for the menus and file managers, and
  // embedded for the window's own icon.
  for (const DesktopPicture& icon : set.desktopIcons) {
    written &= WritePng(directory / DesktopIconPath(icon.size), icon.image);
  }
  written &= WriteText(directory / "resources.qrc", ResourceCollection(set));
  return written;
}

}  // namespace kestravane::art
