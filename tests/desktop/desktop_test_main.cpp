#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "desktop/application_setup.hpp"

namespace {

// A game that ends asks the event loop to quit, even when the test runs no loop; Qt keeps that
// request and makes every later nested loop (a message box's) return at once, until
// QApplication::exec runs again. Running the loop once after each test clears it and deletes the
// windows the test left, so tests run in one process do not see each other.
class EventLoopReset final : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override {
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QApplication::exec();
  }
};

}  // namespace

int main(int argc, char** argv) {
  totechita::desktop::prepare_qt();
  QApplication app(argc, argv);
  totechita::desktop::configure_application();
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new EventLoopReset);
  return RUN_ALL_TESTS();
}
