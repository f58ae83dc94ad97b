#include "support/pictures.h"

#include <QApplication>
#include <QtTest>

#include "common/modal_driver.h"
#include "common/qt_waits.h"
#include "common/resource_pictures.h"
#include "common/surface_pixels.h"
#include "platform/resources.h"
#include "platform/surface.h"

namespace {

constexpr platform::Color Marker{10, 200, 30};

// Accepts the next box and returns what it said, once the call that raised
// it has returned.
QString NextBoxText(const std::function<bool()>& call, bool* result) {
  QString text;
  AnswerNextModal([&text](QWidget* box) {
    text = BoxText(box);
    QTest::keyClick(box, Qt::Key_Return);
  });
  *result = call();
  return text;
}

}  // namespace

// The icon and picture blitters: drawn at their own size from the corner of
// the rectangle, and a resource that is not there reported in a box.
class DrawingTest : public QObject {
  Q_OBJECT

 private:
  platform::Surface* surface_ = nullptr;

 private slots:
  void init() {
    surface_ = platform::CreateOffscreenSurface(400, 400);
    platform::FillRect(surface_, {0, 0, 400, 400}, Marker);
  }

  void cleanup() { platform::DeleteOffscreenSurface(surface_); }

  void aPictureIsCopiedAtItsOwnSizeWhateverTheRectangle() {
    QVERIFY(DrawPicture(surface_, Bitmap{5003}, platform::Rect{40, 50, 60, 60}));
    const platform::Picture page = BitmapPicture(5003);
    QCOMPARE(WrongPixel(surface_, {0, 0, 400, 400},
                        [&](int x, int y) {
                          const bool onPage = x >= 40 && x < 40 + 288 && y >= 50 && y < 50 + 288;
                          return onPage ? PictureColor(page, x - 40, y - 50) : Marker;
                        }),
             QString());
  }

  void aMissingPictureIsReportedAndDrawsNothing() {
    bool result = true;
    const QString text = NextBoxText(
        [this] { return DrawPicture(surface_, Bitmap{4999}, platform::Rect{0, 0, 288, 288}); }, &result);
    QVERIFY(!result);
    QVERIFY2(text.contains(QStringLiteral("DrawPicture(LoadBitmap)")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("(ID:4999)")), qPrintable(text));
    QCOMPARE(WrongPixel(surface_, {0, 0, 400, 400}, Marker), QString());
  }

  void aMissingIconIsReportedAndDrawsNothing() {
    bool result = true;
    const QString text = NextBoxText(
        [this] { return Draw_Icon(surface_, Icon{10201}, platform::Rect{8, 8, 40, 40}); }, &result);
    QVERIFY(!result);
    QVERIFY2(text.contains(QStringLiteral("Draw_Icon(LoadIcon)")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("(ID:10201)")), qPrintable(text));
    QCOMPARE(WrongPixel(surface_, {0, 0, 400, 400}, Marker), QString());
  }
};

QTEST_MAIN(DrawingTest)
#include "drawing_test.moc"
