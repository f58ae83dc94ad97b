#include "document/game_file_format.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(GameFileFormat, HeaderCarriesSignatureVersionAndTexts) {
  HeaderBytes header{};
  BuildHeader(header);
  const unsigned char start[] = {0xED, 0xDE, 0xAD, 0xAB, 0x02, 0x00, 0x02, 0x00, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::memcmp(header.data(), start, sizeof start), 0);
  EXPECT_STREQ(reinterpret_cast<const char*>(&header[16]), "Kestravane v2.2 for Microsoft Windows 95/NT");
  const auto* notice = reinterpret_cast<const char*>(&header[136]);
  EXPECT_GT(std::strlen(notice), 0u);
  EXPECT_LE(std::strlen(notice), 119u);
  EXPECT_EQ(header[255], 0);
}

TEST(GameFileFormat, RecordPutsFuelBeforeMissilesLittleEndian) {
  GameState state;
  state.EnemyShips = 60;
  state.ShipsDestroyed = 0x01020304;
  state.Z = 1;
  state.Y = 2;
  state.X = 3;
  state.ScanAxis = 2;
  state.Difficulty = 3;
  state.Fuel.Value = 150;
  state.Missiles.Value = -2;
  RecordBytes bytes{};
  EncodeRecord(RecordOf(state), bytes);
  const unsigned char expected[36] = {60, 0, 0, 0, 4, 3, 2, 1, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0,
                                      2,  0, 0, 0, 3, 0, 0, 0, 150, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(std::memcmp(bytes.data(), expected, sizeof expected), 0);
  const GameRecord back = DecodeRecord(bytes);
  EXPECT_EQ(back.ShipsDestroyed, 0x01020304);
  EXPECT_EQ(back.Missiles, -2);
  EXPECT_EQ(back.Fuel, 150);
}

TEST(GameFileFormat, GridLayersAndLogEntriesSitAtTheirOffsets) {
  QuadrantGrid grid{};
  grid.StarIcon[QuadrantIndex(8, 8, 8)] = 10200;
  grid.Struck[QuadrantIndex(0, 0, 1)] = 1;
  grid.Enemy[QuadrantIndex(1, 2, 3)] = 1;
  GridBytes bytes{};
  EncodeGrid(grid, bytes);
  EXPECT_EQ(bytes[728 * 4], 10200 & 0xFF);
  EXPECT_EQ(bytes[728 * 4 + 1], 10200 >> 8);
  EXPECT_EQ(bytes[2916 + 4], 1);
  EXPECT_EQ(bytes[5832 + (81 + 18 + 3) * 4], 1);
  QuadrantGrid back{};
  DecodeGrid(bytes, back);
  EXPECT_EQ(std::memcmp(&grid, &back, sizeof grid), 0);

  ScanLog log{};
  log.Sector[9 * 1 + 4] = {1, 5, 2, 3};
  LogBytes logBytes{};
  EncodeLog(log, logBytes);
  EXPECT_EQ(logBytes[13 * 16], 1);
  EXPECT_EQ(logBytes[13 * 16 + 4], 5);
  EXPECT_EQ(logBytes[13 * 16 + 8], 2);
  EXPECT_EQ(logBytes[13 * 16 + 12], 3);
  ScanLog logBack{};
  DecodeLog(logBytes, logBack);
  EXPECT_EQ(std::memcmp(&log, &logBack, sizeof log), 0);
}

TEST(GameFileFormat, ApplyingARecordDerivesTheGaugeMaxima) {
  GameState state;
  state.Missiles.Frame = {61, 46, 125, 60};
  ApplyRecord({60, 1, 2, 3, 4, 1, 3, 10, 20}, state);
  EXPECT_EQ(state.Missiles.Maximum, 360);
  EXPECT_EQ(state.Fuel.Maximum, 150);
  EXPECT_EQ(state.Missiles.Value, 20);
  EXPECT_EQ(state.Fuel.Value, 10);
  EXPECT_EQ(state.Missiles.Frame.right, 125);
  ApplyRecord({60, 1, 2, 3, 4, 1, 1, 10, 20}, state);
  EXPECT_EQ(state.Missiles.Maximum, 120);
  EXPECT_EQ(state.Fuel.Maximum, 50);
}
