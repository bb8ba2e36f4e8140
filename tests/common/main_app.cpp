// Test main for everything that needs the real application object.
// Fixtures create the windows with FensterErzeugen() and drop them again.
#include <gtest/gtest.h>

#include <QLocale>

#include "app/Anwendung.h"

int main(int argc, char** argv) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  TAnwendung app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
