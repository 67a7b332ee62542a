// The floor for the whole-process figures: the least a Qt Widgets program can be, one white
// window the size of the board's client area and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare window"));
  window.setFixedSize(377, 331);
  window.setPalette(QPalette(Qt::white));
  window.setAutoFillBackground(true);
  window.show();
  return QApplication::exec();
}
