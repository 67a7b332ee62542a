// totechita-snapshots OUTDIR: plays a short demo without a display (QT_QPA_PLATFORM=offscreen)
// and saves pictures of the title, the board and the ending as PNG files in OUTDIR.
#include <QApplication>
#include <QDir>
#include <iostream>
#include <string_view>

#include "desktop/application_setup.hpp"
#include "playback/demo_play.hpp"

namespace {

// Without a display, the offscreen platform reports every window operation it cannot do, and Qt
// every missing runtime directory: noise for someone who asked for screenshots.
void quiet_platform_notes(QtMsgType type, const QMessageLogContext&, const QString& message) {
  const bool platform_note = message.startsWith(QStringLiteral("This plugin does not support")) ||
                             message.startsWith(QStringLiteral("QStandardPaths: "));
  if (type == QtWarningMsg && platform_note) return;
  std::cerr << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  using namespace totechita::desktop;
  using namespace totechita::playback;
  if (argc != 2) {
    std::cerr << "usage: totechita-snapshots OUTDIR\n";
    return 2;
  }
  qInstallMessageHandler(quiet_platform_notes);
  prepare_qt();
  QApplication app(argc, argv);
  configure_application();
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral("."))) {
    std::cerr << "totechita-snapshots: cannot create " << argv[1] << '\n';
    return 1;
  }
  for (const Snapshot& snapshot : play_demo()) {
    const QString path = out.absoluteFilePath(QString::fromStdString(snapshot.name) + ".png");
    if (!snapshot.image.save(path)) {
      std::cerr << "totechita-snapshots: cannot write " << path.toStdString() << '\n';
      return 1;
    }
    std::cout << path.toStdString() << '\n';
  }
  return 0;
}
