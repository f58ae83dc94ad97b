#include "platform/qt/dialog_units.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

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

QFont ToQFont(const DialogFont& font) {
  const QString face = QString::fromUtf8(font.face ? font.face : "");
  QFont converted(IsClassicSansFace(face) ? QStringLiteral("DejaVu Sans") : face);
  converted.setStyleHint(QFont::SansSerif);
  // Whole pixels, as the bitmap faces had: 8 pt at 96 dpi is 11 pixels.
  converted.setPixelSize(
      std::max(1, static_cast<int>(std::lround(font.pointSize * ScreenDotsPerInch() / 72.0))));
  return converted;
}

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  static const QString letters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  baseX_ = std::max(1, static_cast<int>(std::lround(metrics.horizontalAdvance(letters) / 52.0)));
  baseY_ = std::max(1, metrics.height());
}

QRect DialogUnits::Pixels(const UnitRect& units) const {
  return QRect(HorizontalPixels(units.x), VerticalPixels(units.y),
               std::max(0, HorizontalPixels(units.width)),
               std::max(0, VerticalPixels(units.height)));
}

}  // namespace platform
