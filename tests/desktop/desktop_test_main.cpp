#include <gtest/gtest.h>

#include <QApplication>

#include "desktop/application_setup.hpp"

int main(int argc, char** argv) {
  totechita::desktop::prepare_qt();
  QApplication app(argc, argv);
  totechita::desktop::configure_application();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
