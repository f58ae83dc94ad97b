#include <QTest>
#include <memory>

#include "common/picture_color.h"
#include "common/resource_pictures.h"
#include "game_window.h"
#include "platform/surface.h"

namespace {

using platform::Color;

constexpr Color Ground{192, 192, 192};
constexpr Color Ink{0, 0, 128};

struct SurfaceDeleter {
  void operator()(platform::Surface* surface) const { platform::DeleteOffscreenSurface(surface); }
};
using OffscreenSurface = std::unique_ptr<platform::Surface, SurfaceDeleter>;

// An off-screen surface of the given size in the panels' grey.
OffscreenSurface BlankSurface(int width, int height) {
  OffscreenSurface surface(platform::CreateOffscreenSurface(width, height));
  platform::FillRect(surface.get(), {0, 0, width, height}, Ground);
  return surface;
}

// Every pixel of the surface that is not the ground, as "x,y" in row order.
QStringList Drawn(const platform::Surface* surface, int width, int height) {
  QStringList drawn;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (platform::PixelAt(surface, x, y) != Ground) drawn << QString("%1,%2").arg(x).arg(y);
    }
  }
  return drawn;
}

QStringList Points(std::initializer_list<QPoint> points) {
  QStringList list;
  for (const QPoint& point : points) list << QString("%1,%2").arg(point.x()).arg(point.y());
  return list;
}

}  // namespace

class SurfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void lineLeavesOutItsEndPoint() {
    auto surface = BlankSurface(12, 12);
    platform::DrawLine(surface.get(), 2, 5, 6, 5, Ink);
    QCOMPARE(Drawn(surface.get(), 12, 12), Points({{2, 5}, {3, 5}, {4, 5}, {5, 5}}));

    surface = BlankSurface(12, 12);
    platform::DrawLine(surface.get(), 6, 5, 2, 5, Ink);
    QCOMPARE(Drawn(surface.get(), 12, 12), Points({{3, 5}, {4, 5}, {5, 5}, {6, 5}}));

    surface = BlankSurface(12, 12);
    platform::DrawLine(surface.get(), 1, 1, 4, 4, Ink);
    QCOMPARE(Drawn(surface.get(), 12, 12), Points({{1, 1}, {2, 2}, {3, 3}}));

    surface = BlankSurface(12, 12);
    platform::DrawLine(surface.get(), 3, 3, 3, 3, Ink);
    QVERIFY(Drawn(surface.get(), 12, 12).isEmpty());
  }

  void slopedLineStepsOnePixelAtATime() {
    auto surface = BlankSurface(12, 12);
    platform::DrawLine(surface.get(), 0, 0, 10, 4, Ink);
    const QStringList drawn = Drawn(surface.get(), 12, 12);
    QCOMPARE(drawn.size(), 10);
    for (int x = 0; x < 10; ++x) {
      int pixelsInColumn = 0;
      for (int y = 0; y < 12; ++y) {
        if (platform::PixelAt(surface.get(), x, y) == Ink) {
          ++pixelsInColumn;
          // Never more than half a pixel from the true line.
          QVERIFY2(std::abs(2 * 10 * y - 2 * 4 * x) <= 10, qPrintable(QString("%1,%2").arg(x).arg(y)));
        }
      }
      QCOMPARE(pixelsInColumn, 1);
    }
  }

  void wideLinesGrowAcrossTheLine() {
    auto surface = BlankSurface(12, 12);
    platform::DrawLine(surface.get(), 2, 5, 4, 5, Ink, 3);
    QCOMPARE(Drawn(surface.get(), 12, 12),
             Points({{2, 4}, {3, 4}, {2, 5}, {3, 5}, {2, 6}, {3, 6}}));

    surface = BlankSurface(12, 12);
    platform::DrawLine(surface.get(), 6, 2, 6, 3, Ink, 4);
    QCOMPARE(Drawn(surface.get(), 12, 12), Points({{4, 2}, {5, 2}, {6, 2}, {7, 2}}));
  }

  void xorLineTwiceRestoresThePicture() {
    auto surface = BlankSurface(16, 16);
    platform::FillRect(surface.get(), {0, 0, 8, 16}, {10, 200, 30});
    const Color pen{255, 128, 1};
    platform::DrawLine(surface.get(), 0, 7, 16, 7, pen, 3, platform::PenMode::Xor);
    QCOMPARE(platform::PixelAt(surface.get(), 3, 6), (Color{10 ^ 255, 200 ^ 128, 30 ^ 1}));
    QCOMPARE(platform::PixelAt(surface.get(), 12, 8), (Color{192 ^ 255, 192 ^ 128, 192 ^ 1}));
    QCOMPARE(platform::PixelAt(surface.get(), 12, 9), Ground);
    platform::DrawLine(surface.get(), 0, 7, 16, 7, pen, 3, platform::PenMode::Xor);
    QCOMPARE(platform::PixelAt(surface.get(), 3, 6), (Color{10, 200, 30}));
    QCOMPARE(Drawn(surface.get(), 16, 16).size(), 8 * 16);
  }

  void fillAndFrameLeaveOutTheRightAndBottomEdges() {
    auto surface = BlankSurface(12, 12);
    platform::FillRect(surface.get(), {2, 3, 5, 5}, Ink);
    QCOMPARE(Drawn(surface.get(), 12, 12), Points({{2, 3}, {3, 3}, {4, 3}, {2, 4}, {3, 4}, {4, 4}}));

    surface = BlankSurface(12, 12);
    platform::FrameRect(surface.get(), {2, 3, 6, 7}, Ink);
    QCOMPARE(Drawn(surface.get(), 12, 12), Points({{2, 3}, {3, 3}, {4, 3}, {5, 3},
                                                   {2, 4}, {5, 4},
                                                   {2, 5}, {5, 5},
                                                   {2, 6}, {3, 6}, {4, 6}, {5, 6}}));

    surface = BlankSurface(12, 12);
    platform::FillRect(surface.get(), {5, 5, 5, 9}, Ink);
    platform::FrameRect(surface.get(), {5, 5, 9, 5}, Ink);
    QVERIFY(Drawn(surface.get(), 12, 12).isEmpty());
  }

  void drawingStopsAtTheEdges() {
    auto surface = BlankSurface(6, 4);
    platform::FillRect(surface.get(), {-3, -3, 2, 1}, Ink);
    platform::DrawLine(surface.get(), -20, 3, 40, 3, Ink, 3);
    platform::DrawLine(surface.get(), 5, -10, 5, 10, Ink, 3);
    platform::FrameRect(surface.get(), {-1, -1, 100, 100}, Ink);
    QCOMPARE(Drawn(surface.get(), 6, 4), Points({{0, 0}, {1, 0}, {4, 0}, {5, 0},
                                                 {4, 1}, {5, 1},
                                                 {0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2},
                                                 {0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}}));
    QCOMPARE(platform::PixelAt(surface.get(), 6, 0), Color{});
    QCOMPARE(platform::PixelAt(surface.get(), -1, 2), Color{});
  }

  void iconLetsTheSurfaceShowThroughItsMask() {
    const platform::Picture engines = IconPicture(5003);
    QVERIFY(!engines.IsNull());
    auto surface = BlankSurface(40, 40);
    platform::DrawPicture(surface.get(), engines, 4, 5);
    int clear = 0;
    for (int y = 0; y < engines.Height(); ++y) {
      for (int x = 0; x < engines.Width(); ++x) {
        const bool seeThrough = (engines.Pixel(x, y) >> 24) == 0;
        const Color expected = seeThrough ? Ground : PictureColor(engines, x, y);
        clear += seeThrough;
        QCOMPARE(platform::PixelAt(surface.get(), x + 4, y + 5), expected);
      }
    }
    QVERIFY(clear > 0 && clear < 32 * 32);
    QCOMPARE(platform::PixelAt(surface.get(), 36, 5), Ground);
  }

  void bitmapAndOpaqueIconAreCopiedOneToOne() {
    const platform::Picture title = BitmapPicture(5000);
    QCOMPARE(title.Width(), 288);
    QCOMPARE(title.Height(), 288);
    auto surface = BlankSurface(300, 300);
    platform::DrawPicture(surface.get(), title, 6, 7);
    int differences = 0;
    for (int y = 0; y < 288; ++y) {
      for (int x = 0; x < 288; ++x) {
        differences += platform::PixelAt(surface.get(), x + 6, y + 7) != PictureColor(title, x, y);
      }
    }
    QCOMPARE(differences, 0);
    QCOMPARE(platform::PixelAt(surface.get(), 5, 7), Ground);
    QCOMPARE(platform::PixelAt(surface.get(), 294, 295), Ground);

    const platform::Picture map = IconPicture(5000);
    QVERIFY(!map.IsNull());
    // Half off the top-left corner: only its bottom-right quarter lands.
    platform::DrawPicture(surface.get(), map, -16, -16);
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        QCOMPARE(platform::PixelAt(surface.get(), x, y), PictureColor(map, x + 16, y + 16));
      }
    }
  }

  void copyPlacesTheWholeSourceClipped() {
    auto source = BlankSurface(3, 2);
    platform::FillRect(source.get(), {0, 0, 1, 1}, {1, 2, 3});
    platform::FillRect(source.get(), {2, 1, 3, 2}, {4, 5, 6});
    auto target = BlankSurface(5, 4);
    platform::CopySurface(source.get(), target.get(), 2, 1);
    QCOMPARE(Drawn(target.get(), 5, 4), Points({{2, 1}, {4, 2}}));
    QCOMPARE(platform::PixelAt(target.get(), 4, 2), (Color{4, 5, 6}));

    target = BlankSurface(5, 4);
    platform::CopySurface(source.get(), target.get(), -2, 3);
    QCOMPARE(Drawn(target.get(), 5, 4).size(), 0);
    platform::CopySurface(source.get(), target.get(), -2, -1);
    QCOMPARE(Drawn(target.get(), 5, 4), Points({{0, 0}}));
    QCOMPARE(platform::PixelAt(target.get(), 0, 0), (Color{4, 5, 6}));
  }

  void windowSurfaceIsTheClientAreaImage() {
    TestWindow window;
    platform::Surface* surface = platform::WindowSurface(window);
    platform::DrawLine(surface, 0, 349, 470, 349, Ink);
    platform::DrawLine(surface, 0, 0, 470, 0, {255, 255, 255}, 1, platform::PenMode::Xor);
    platform::ReleaseSurface(surface);
    const QImage& image = platform::AppWindow::From(window)->image();
    QCOMPARE(image.size(), QSize(470, 350));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.pixelColor(469, 349), QColor(0, 0, 128));
    QCOMPARE(image.pixelColor(469, 348), QColor(192, 192, 192));
    // The image stays opaque: the unused top byte of every pixel stays set.
    QCOMPARE(reinterpret_cast<const QRgb*>(image.constScanLine(0))[10], qRgb(63, 63, 63));
  }
};

QTEST_MAIN(SurfaceTest)

#include "surface_test.moc"
