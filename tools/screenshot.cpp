// Saves pictures of the program's windows for the README: main window with a sample
// image loaded, block viewer, list viewer and About box.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <fstream>

#include "flash/flash_image.h"
#include "ui/main_window.h"
#include "ui/settings_store.h"

namespace {

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool Save(QWidget* window, const QString& path) {
  Settle();
  const bool ok = window && window->grab().save(path);
  std::fprintf(stderr, "%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
  return ok;
}

QWidget* TopLevel(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == name && w->isVisible()) return w;
  }
  return nullptr;
}

void WriteBytes(const QString& path, const std::string& bytes) {
  std::ofstream out(path.toStdString(), std::ios::binary);
  out << bytes;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: chanforge-screenshot IMAGE OUTPUT-FOLDER\n");
    return 2;
  }
  const QString image = argv[1];
  const QDir out(argv[2]);
  QTemporaryDir temp;
  chanforge::ui::SettingsStore store(temp.filePath("settings.ini"));
  chanforge::ui::MainWindow window(nullptr, &store);
  window.show();
  window.LoadDroppedFile(image);
  auto* list = window.findChild<QListWidget*>("List1");
  list->setCurrentRow(1);
  bool ok = Save(&window, out.filePath("main-window.png"));

  const chanforge::flash::Workspace& w = window.workspace();
  const QString tcs = temp.filePath("TCS"), tpt = temp.filePath("TPT");
  WriteBytes(tcs, chanforge::flash::ImageBytes(w.image, w.blocks[0].start, w.blocks[0].length));
  WriteBytes(tpt, chanforge::flash::ImageBytes(w.image, w.blocks[1].start, w.blocks[1].length));
  window.findChild<QLineEdit*>("TxtTCS")->setText(tcs);
  window.findChild<QLineEdit*>("TxtTPT")->setText(tpt);
  window.findChild<QAbstractButton*>("CmdViewList")->click();
  ok = Save(TopLevel("ViewerForm"), out.filePath("list-viewer.png")) && ok;

  window.findChild<QAbstractButton*>("CmdView")->click();
  QWidget* viewer = TopLevel("ShowForm");
  if (viewer) viewer->findChild<QAbstractButton*>("Option2")->click();
  ok = Save(viewer, out.filePath("block-viewer.png")) && ok;

  window.findChild<QAbstractButton*>("CmdAbout")->click();
  ok = Save(TopLevel("frmAbout"), out.filePath("about.png")) && ok;
  return ok ? 0 : 1;
}
