#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace kestravane::art {
namespace {

QString dejaVuRegular;
QString dejaVuBold;
QString ideographic;

// The families a page's letters are looked up in, in order: DejaVu alone, or
// DejaVu for the Latin letters and digits and Zen Hei for the rest.
QStringList regularFamilies;
QStringList boldFamilies;

// The file's first family, or `wanted` among the families of a collection.
QString LoadFamily(const char* path, const QString& wanted = {}) {
  const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(path));
  if (id < 0) return {};
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (!wanted.isEmpty()) return families.contains(wanted) ? wanted : QString();
  return families.isEmpty() ? QString() : families.first();
}

QFont Crisp(const QStringList& families, int pixelSize, bool bold) {
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  // A letter the first family lacks is taken from the next one only where a
  // second one is named; never from whatever else the machine has.
  font.setStyleStrategy(families.size() > 1 ? QFont::NoAntialias
                                            : QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setKerning(false);
  return font;
}

}  // namespace

bool LoadFonts() {
  dejaVuRegular = LoadFamily("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
  dejaVuBold = LoadFamily("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
  // Zen Hei Sharp carries hand-drawn bitmaps of its kana and ideographs at
  // the pages' sizes, where an outline font without smoothing breaks strokes.
  ideographic = LoadFamily("/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc", QStringLiteral("WenQuanYi Zen Hei Sharp"));
  UseFontsFor({});
  return !dejaVuRegular.isEmpty() && !dejaVuBold.isEmpty() && !ideographic.isEmpty();
}

void UseFontsFor(const QString& language) {
  const bool japanese = language == QLatin1String("ja");
  regularFamilies = japanese ? QStringList{dejaVuRegular, ideographic} : QStringList{dejaVuRegular};
  boldFamilies = japanese ? QStringList{dejaVuBold, ideographic} : QStringList{dejaVuBold};
}

QFont SansFont(int pixelSize) { return Crisp(regularFamilies, pixelSize, false); }

QFont BoldFont(int pixelSize) { return Crisp(boldFamilies, pixelSize, true); }

}  // namespace kestravane::art
