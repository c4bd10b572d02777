// minimal_window: the yardstick for the desktop program's start, the least a Qt Widgets
// program does to show a window. bench/compare times both with window_start.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label("A minimal Qt Widgets window");
  label.setWindowTitle("Minimal window");
  label.show();
  return QApplication::exec();
}
