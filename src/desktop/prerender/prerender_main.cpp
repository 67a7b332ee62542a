// totechita-prerender SVG WIDTH HEIGHT OUT: renders a picture at build time, at one size in
// device pixels, as the game would render it, so that the game can show it without QtSvg. OUT
// receives the pixels as QImage::Format_RGB32 keeps them, row after row; an OUT ending in .png
// receives a PNG file instead, for the icon theme.
#include <QFile>
#include <QGuiApplication>
#include <iostream>
#include <string>

#include "desktop/picture_rendering.hpp"

namespace {

// A build has no runtime directory of its own: a line about that at each picture is noise.
void quiet_runtime_directory_note(QtMsgType type, const QMessageLogContext&,
                                  const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths: "))) return;
  std::cerr << message.toStdString() << '\n';
}

bool write_picture(const QImage& image, const QString& path) {
  if (path.endsWith(QStringLiteral(".png"))) return image.save(path, "PNG");
  QFile out(path);
  const auto bytes = static_cast<qint64>(image.sizeInBytes());
  return out.open(QIODevice::WriteOnly) &&
         out.write(reinterpret_cast<const char*>(image.constBits()), bytes) == bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: totechita-prerender SVG WIDTH HEIGHT OUT\n";
    return 2;
  }
  // Text in the pictures needs the fonts, and so an application, but no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quiet_runtime_directory_note);
  QGuiApplication app(argc, argv);
  const QSize size(std::stoi(argv[2]), std::stoi(argv[3]));
  const QImage image =
      size.isEmpty() ? QImage()
                     : totechita::desktop::render_picture(QString::fromLocal8Bit(argv[1]), size);
  if (image.isNull()) {
    std::cerr << "totechita-prerender: cannot render " << argv[1] << '\n';
    return 1;
  }
  if (!write_picture(image, QString::fromLocal8Bit(argv[4]))) {
    std::cerr << "totechita-prerender: cannot write " << argv[4] << '\n';
    return 1;
  }
  return 0;
}
