// The Qt tests run headless: the offscreen platform unless one is chosen.
#include <gtest/gtest.h>

#include <QApplication>

#include "draw/qt/qt_targets.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  qt_install_screen();
  return RUN_ALL_TESTS();
}
