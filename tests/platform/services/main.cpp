#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// The game's sound routines run on the screenless platform's boxes, with the
// real resources and player behind them. The player is pointed at a sound
// server that does not exist, so that it fails the same way everywhere.
int main(int argc, char** argv) {
  QTemporaryDir nowhere;
  qputenv("PULSE_SERVER", "unix:" + nowhere.filePath(QStringLiteral("no-server")).toUtf8());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
