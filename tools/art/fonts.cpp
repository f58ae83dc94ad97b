#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace kestravane::art {
namespace {

const char* const FontDirectory = "/usr/share/fonts/truetype/dejavu/";

QString regularFamily;
QString boldFamily;

QString LoadFamily(const char* file) {
  const int id = QFontDatabase::addApplicationFont(QString(FontDirectory) + file);
  if (id < 0) return {};
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  return families.isEmpty() ? QString() : families.first();
}

QFont Crisp(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setKerning(false);
  return font;
}

}  // namespace

bool LoadFonts() {
  regularFamily = LoadFamily("DejaVuSans.ttf");
  boldFamily = LoadFamily("DejaVuSans-Bold.ttf");
  return !regularFamily.isEmpty() && !boldFamily.isEmpty();
}

QFont SansFont(int pixelSize) { return Crisp(regularFamily, pixelSize, false); }

QFont BoldFont(int pixelSize) { return Crisp(boldFamily, pixelSize, true); }

}  // namespace kestravane::art
