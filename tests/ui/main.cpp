// Widgets need one QApplication for the whole run, with the game's fonts.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/fonts.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Listing the tests (CTest does it while building) must work where there is no display.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QApplication application(argc, argv);
  rolvex::ui::InstallerPolicesDeRemplacement();
  return RUN_ALL_TESTS();
}
