#include "desktop/qt_startup_guard.hpp"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "desktop/display_check.hpp"

namespace totechita::desktop {

namespace {

struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};

// A message handler is a plain function, so what it holds lives here.
std::vector<HeldMessage> held;
QtMessageHandler released_to = nullptr;

// The first thing Qt complained about names the cause ("could not connect to display :9"); its
// fatal message only says that no platform could start.
void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    held.push_back({type, context.category != nullptr ? context.category : "", text});
    return;
  }
  const QString reason = held.empty() ? text : held.front().text;
  std::fprintf(stderr, "%s\n", no_display_line(reason.toStdString()).c_str());
  std::_Exit(1);
}

}  // namespace

QtStartupGuard::QtStartupGuard() { released_to = qInstallMessageHandler(hold); }

QtStartupGuard::~QtStartupGuard() {
  qInstallMessageHandler(released_to);
  for (const HeldMessage& message : held)
    released_to(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.c_str()),
                message.text);
  held.clear();
}

}  // namespace totechita::desktop
