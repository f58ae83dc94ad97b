#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // The pictures are decoded the way the game decodes them, inside a GUI application, but no test needs a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
