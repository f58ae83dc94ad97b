#include "engine/random.h"

#include <gtest/gtest.h>

using namespace kestravane;

TEST(Random, FollowsTheClassicGeneratorDrawForDraw) {
  // The classic C runtime generator seeded with 1 starts 41, 18467, 6334, ...
  RandomSource random(1);
  const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
  for (const int value : expected) EXPECT_EQ(random.Draw(), value);
}

TEST(Random, SameSeedSameSequenceAndTheStateWrapsAt32Bits) {
  RandomSource random(0xFFFFFFFFu);
  int first[50];
  for (int& value : first) value = random.Draw();
  random.Seed(0xFFFFFFFFu);
  for (const int value : first) EXPECT_EQ(random.Draw(), value);
}

TEST(Random, TwoSourcesDrawIndependently) {
  RandomSource one(5), other(5);
  const int a = one.Draw();
  one.Draw();
  EXPECT_EQ(other.Draw(), a);
}

TEST(Random, UpToStaysWithinItsBoundAndReachesIt) {
  RandomSource random(12345);
  bool sawNine = false, sawEight = false, saw199 = false;
  for (int i = 0; i < 100000; ++i) {
    const int small = random.UpTo(8);
    ASSERT_GE(small, 0);
    ASSERT_LE(small, 8);
    sawEight |= small == 8;
    sawNine |= small == 9;
    const int icon = random.UpTo(199);
    ASSERT_LE(icon, 199);
    saw199 |= icon == 199;
  }
  EXPECT_TRUE(sawEight);
  EXPECT_FALSE(sawNine);
  EXPECT_TRUE(saw199);
}

TEST(Random, UpToIsTheDrawModuloNPlusOne) {
  RandomSource random(777);
  int draws[20];
  for (int& draw : draws) draw = random.Draw();
  random.Seed(777);
  for (const int draw : draws) EXPECT_EQ(random.UpTo(1000), draw % 1001);
}
