#pragma once

#include <QDir>
#include <QImage>
#include <QString>

// Compares `image` with the golden picture `name` under tests/golden/, pixel for pixel. Empty when they are the same;
// otherwise what differs, with the image written beside the test as `name`.actual.png to look at. With
// KESTRAVANE_UPDATE_GOLDEN set, the golden picture is rewritten instead, on purpose, to be reviewed in the change.
inline QString GoldenDifference(const QImage& image, const QString& name) {
  const QString golden = QStringLiteral(KESTRAVANE_GOLDEN_DIR "/%1.png").arg(name);
  const QImage shown = image.convertToFormat(QImage::Format_RGB32);
  if (qEnvironmentVariableIsSet("KESTRAVANE_UPDATE_GOLDEN"))
    return shown.save(golden) ? QString() : QStringLiteral("cannot write %1").arg(golden);
  const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
  if (expected == shown) return {};
  shown.save(QDir::current().filePath(name + ".actual.png"));
  return QStringLiteral("%1: %2 x %3 shown, %4 x %5 expected, see %1.actual.png")
      .arg(name).arg(shown.width()).arg(shown.height()).arg(expected.width()).arg(expected.height());
}
