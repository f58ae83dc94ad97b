#include "platform/qt/dialog_units.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// What the classic system font of a template without a font was, in points.
constexpr int DefaultPointSize = 8;

bool IsClassicSansFace(const QString& face) {
  static const QStringList faces = {QStringLiteral("MS Sans Serif"), QStringLiteral("MS Shell Dlg"),
                                    QStringLiteral("MS Shell Dlg 2"),
                                    QStringLiteral("Microsoft Sans Serif"),
                                    QStringLiteral("System")};
  return face.isEmpty() || faces.contains(face, Qt::CaseInsensitive);
}

double ScreenDotsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

QFont DialogFont(const DialogTemplate& dialog) {
  const QString face = QString::fromStdU16String(dialog.fontFace);
  QFont font(IsClassicSansFace(face) ? QStringLiteral("DejaVu Sans") : face);
  font.setStyleHint(QFont::SansSerif);
  // Whole pixels, as the bitmap faces had: 8 pt at 96 dpi is 11 pixels.
  const int points = dialog.fontPointSize.value_or(DefaultPointSize);
  font.setPixelSize(
      std::max(1, static_cast<int>(std::lround(points * ScreenDotsPerInch() / 72.0))));
  return font;
}

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  static const QString letters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  baseX_ = std::max(1, static_cast<int>(std::lround(metrics.horizontalAdvance(letters) / 52.0)));
  baseY_ = std::max(1, metrics.height());
}

QRect DialogUnits::Pixels(int x, int y, int width, int height) const {
  return QRect(HorizontalPixels(x), VerticalPixels(y), std::max(0, HorizontalPixels(width)),
               std::max(0, VerticalPixels(height)));
}

}  // namespace platform
