#include <gtest/gtest.h>

#include "common/golden_image.h"
#include "display/board_paint.h"
#include "display/main_layout.h"
#include "display/missile_mark.h"
#include "display/missile_path.h"
#include "engine/session.h"
#include "platform/qt/picture_data.h"

using namespace kestravane;

namespace {

// Every quadrant shows a star field of its own, so a cell drawn from the wrong quadrant changes the picture.
struct Board {
  Session session;
  Surface surface{ClientWidth, ClientHeight};
  platform::PictureStore pictures;

  Board() {
    for (int i = 0; i < QuadrantCount; ++i) session.Grid.StarIcon[i] = Id(Icon::FirstStarField) + i % 200;
    Place(0, 0, 0, ScanAxis::Z);
    session.InProgress = false;
  }
  void Place(int z, int y, int x, ScanAxis axis, int destroyed = 0, int missiles = 240, int fuel = 100) {
    session.InProgress = true;
    session.State = {z, y, x, axis, 60, destroyed, {0, 240, missiles}, {0, 100, fuel}};
  }
  std::string Paint() {
    surface.image().fill(Qt::magenta);
    const BoardTexts texts = PaintBoard(surface, session, pictures);
    QString said = texts.ScanLabel.value_or("-") + '|';
    for (const QString& text : {texts.WeaponsReadout, texts.MissileCount, texts.EnginesReadout, texts.FuelCount,
                                texts.ScannerReadout, texts.SectorShips, texts.SectorDestroyed, texts.SectorRemaining,
                                texts.ShipsRemaining, texts.KillRatio})
      said += text + '|';
    return said.toStdString();
  }
};

}  // namespace

// One board per axis and gauge state, each with a destroyed ship, a live one
// (shown only when traced) and a searched empty quadrant in its sector.
TEST(Board, PaintsEachAxisAndGaugeStateAsTheGoldenBoard) {
  const std::tuple<const char*, int, int, int, ScanAxis, bool, int, int, int, const char*> boards[] = {
      {"paint_z_axis", 6, 4, 3, ScanAxis::Z, false, 200, 50, 1,
       " Z: 6 |6-4-3|200|6-4-3|50|6-4-3|2 Roder Ships|1 Destroyed|1 Remaining|59 Ships Remain|2% Kill Ratio|"},
      {"paint_y_axis_traced", 6, 4, 3, ScanAxis::Y, true, 0, 100, 59,
       " Y: 4 |6-4-3|0|6-4-3|100|6-4-3|2 Roder Ships|0 Destroyed|2 Remaining|1 Ship Remains|24% Kill Ratio|"},
      {"paint_x_axis_off_the_grid", -1, 12, 1, ScanAxis::X, true, 240, 1, 0,
       " X: 1 |-1-12-1|240|-1-12-1|1|-1-12-1|1 Roder Ship|0 Destroyed|1 Remaining|60 Ships Remain| |"},
  };
  for (const auto& [golden, z, y, x, axis, tracing, missiles, fuel, destroyed, texts] : boards) {
    Board board;
    board.Place(z, y, x, axis, destroyed, missiles, fuel);
    for (const int ship : {QuadrantIndex(6, 1, 3), QuadrantIndex(1, 4, 3), QuadrantIndex(6, 4, 1)}) board.session.Grid.Enemy[ship] = 1;
    board.session.Grid.Struck[QuadrantIndex(6, 1, 3)] = board.session.Grid.Struck[QuadrantIndex(2, 4, 1)] = 1;
    board.session.ScannerTracing = tracing;
    EXPECT_EQ(board.Paint(), texts) << golden;
    EXPECT_EQ(GoldenDifference(board.surface.image(), golden).toStdString(), "");
  }
}

TEST(Board, ShowsTheChosenPictureInPlaceOfTheGridAndTheTitlePageWithoutAGame) {
  for (int picture = 0; picture <= int(ScannerPicture::Defeat); ++picture)
    for (const bool inProgress : {false, true}) {
      Board board;
      board.session.Picture = ScannerPicture(picture);
      board.session.InProgress = inProgress;
      board.Paint();
      if (picture == 0 && inProgress) continue;
      if (picture == 0) {
        EXPECT_EQ(GoldenDifference(board.surface.image(), "paint_no_game").toStdString(), "");
      }
      const platform::Result<platform::Picture> page = platform::LoadBitmapResource(5000 + picture);
      ASSERT_TRUE(page);
      EXPECT_TRUE(board.surface.image().copy(168, 23, 288, 288) == page->data()->image.convertToFormat(QImage::Format_RGB32))
          << picture << inProgress;
    }
}

// A resource that is missing costs a report each time it is drawn.
TEST(Board, AMissingStarFieldOrPictureIsReportedWithTheFailedCall) {
  Board board;
  board.Place(0, 8, 8, ScanAxis::Z);
  board.session.Grid.StarIcon[QuadrantIndex(0, 0, 0)] = 10999;
  testing::internal::CaptureStderr();
  board.Paint();
  EXPECT_FALSE(DrawPicture(board.surface, board.pictures, Bitmap{4999}, {0, 0, 470, 350}));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Draw_Icon(LoadIcon)\n\nError detected loading icon resource (ID:10999)\n\nCode 2\n"
            "DrawPicture(LoadBitmap)\n\nError detected loading specified picture (ID:4999)\n\nCode 2\n");
}

// The marks of three flights over the board, where each path goes; that a mark inverts what lies under it, and so its
// second drawing undoes it, the flights on the main window show (tests/app/shell/missile_flight_test.cpp).
TEST(MissileMark, FlightsShowAsTheGoldenTrails) {
  Board board;
  board.Place(4, 4, 4, ScanAxis::Z);
  board.Paint();
  for (const auto& [column, row] : {std::pair{0, 8}, {8, 4}, {4, 0}})
    for (const MissilePoint at : MissilePath(column, row)) DrawMissileMark(board.surface, at);
  EXPECT_EQ(GoldenDifference(board.surface.image(), "paint_missile_trails").toStdString(), "");
}
