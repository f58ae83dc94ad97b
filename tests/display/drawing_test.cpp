#include "display/drawing.h"

#include <QApplication>
#include <QtTest>
#include <memory>

#include "common/modal_driver.h"
#include "common/qt_waits.h"
#include "common/resource_pictures.h"
#include "common/surface_pixels.h"
#include "platform/resources.h"
#include "display/surface.h"

using namespace kestravane;

namespace {

constexpr platform::Color Marker{10, 200, 30};

// Accepts the next box, keeping what it said in `said`.
void AcceptNextBox(QString& said) {
  AnswerNextModal([&said](QWidget* box) {
    said = BoxText(box);
    QTest::keyClick(box, Qt::Key_Return);
  });
}

}  // namespace

// The icon and picture blitters: drawn at their own size from the corner of
// the rectangle, and a resource that is not there reported in a box.
class DrawingTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Surface> surface_;

 private slots:
  void init() {
    surface_ = std::make_unique<Surface>(400, 400);
    FillRect(*surface_, {0, 0, 400, 400}, Marker);
  }

  void cleanup() { surface_.reset(); }

  void aPictureIsCopiedAtItsOwnSizeWhateverTheRectangle() {
    QVERIFY(DrawPicture(*surface_, Bitmap{5003}, platform::Rect{40, 50, 60, 60}));
    const platform::Picture page = BitmapPicture(5003);
    QCOMPARE(WrongPixel(*surface_, {0, 0, 400, 400},
                        [&](int x, int y) {
                          const bool onPage = x >= 40 && x < 40 + 288 && y >= 50 && y < 50 + 288;
                          return onPage ? PictureColor(page, x - 40, y - 50) : Marker;
                        }),
             QString());
  }

  void aMissingPictureOrIconIsReportedAndDrawsNothing() {
    QString said;
    AcceptNextBox(said);
    QVERIFY(!DrawPicture(*surface_, Bitmap{4999}, platform::Rect{0, 0, 288, 288}));
    QVERIFY2(said.contains("DrawPicture(LoadBitmap)") && said.contains("(ID:4999)"), qPrintable(said));
    AcceptNextBox(said);
    QVERIFY(!Draw_Icon(*surface_, Icon{10201}, platform::Rect{8, 8, 40, 40}));
    QVERIFY2(said.contains("Draw_Icon(LoadIcon)") && said.contains("(ID:10201)"), qPrintable(said));
    QCOMPARE(WrongPixel(*surface_, {0, 0, 400, 400}, Marker), QString());
  }
};

QTEST_MAIN(DrawingTest)
#include "drawing_test.moc"
