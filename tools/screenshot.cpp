// Saves pictures of the program's windows for the README: main window with a sample
// image loaded, its File menu and a tooltip, block viewer, list viewer, About box, the list
// editor's two tabs, a refused input and the Add from satellite dialog, the print choices and
// preview (and a PDF of the channel list), and the check and changes windows and the Apply
// Order summary on an edited copy of the sample. A fixed clock, locale and folder keep the
// pictures the same from run to run unless a window changed. A third argument (de) takes
// them in that language.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <deque>
#include <fstream>

#include "channels/channel_record.h"
#include "check/image_diff.h"
#include "common/frontend.h"
#include "flash/blocks.h"
#include "flash/flash_image.h"
#include "transponders/transponder_record.h"
#include "ui/application.h"
#include "ui/changes_window.h"
#include "ui/list_editor.h"
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

// The editor with a SID of 70000 typed and refused: the editor stays open, the reason
// in the status line and in a tooltip beside it, painted into the one picture.
bool SaveRefusal(chanforge::ui::ListEditor* editor, const QString& path) {
  editor->findChild<QTabWidget*>("ListTabs")->setCurrentIndex(0);
  QTableView* view = editor->channel_view();
  view->setCurrentIndex(view->model()->index(4, 4));
  view->edit(view->currentIndex());
  Settle();
  QWidget* cell = QApplication::focusWidget();
  if (auto* line = qobject_cast<QLineEdit*>(cell)) line->setText("70000");
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(cell, &enter);
  Settle();
  QPixmap picture = editor->grab();
  {
    QPainter painter(&picture);
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->inherits("QTipLabel") && w->isVisible()) {
        painter.drawPixmap(editor->mapFromGlobal(w->pos()), w->grab());
      }
    }
  }
  const bool ok = picture.save(path);
  std::fprintf(stderr, "%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
  QToolTip::hideText();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(cell, &escape);
  return ok;
}

// Answers the file choices from a queue and every question with Yes; messages go to
// standard error, where a picture run would otherwise stop at a dialog.
class PictureFrontend : public chanforge::common::Frontend {
 public:
  void ShowMessage(chanforge::common::MessageKind,
                   const chanforge::common::Message& message) override {
    std::fprintf(stderr, "message: %s\n", chanforge::common::Format(message).c_str());
  }
  bool AskYesNo(const chanforge::common::Message&) override { return true; }
  chanforge::common::FileChoice ChooseFile(const chanforge::common::FileRequest&) override {
    if (files.empty()) return {};
    const std::string name = files.front();
    files.pop_front();
    return {chanforge::common::FileChoiceStatus::kChosen, name};
  }
  void ShowStatus(const chanforge::common::Message&) override {}

  std::deque<std::string> files;
};

void WriteBytes(const QString& path, const std::string& bytes) {
  std::ofstream out(path.toStdString(), std::ios::binary);
  out << bytes;
}

// The sample with the kind of edits an evening brings: a renamed, a removed and a moved
// channel, one pointing at a transponder that is not there, a name with a line end and
// a transponder flag the text cannot show.
chanforge::flash::Workspace Edited(const chanforge::flash::Workspace& sample) {
  using chanforge::channels::ChannelRecord;
  namespace flash = chanforge::flash;
  flash::Workspace edited = sample;
  const std::string list = flash::BlockData(sample, sample.blocks()[0]);
  std::vector<ChannelRecord> records;
  for (std::size_t p = 0; p + 30 <= list.size(); p += 30) {
    records.push_back(ChannelRecord::Decode(list.substr(p, 30)));
  }
  records[0].name = {'A', 'R', 'D'};
  records[2].tp = 0x2A;
  records[5].name[3] = '\n';
  records.erase(records.begin() + 9);
  std::rotate(records.begin() + 20, records.begin() + 21, records.begin() + 31);
  std::string channels;
  for (const ChannelRecord& r : records) channels += r.Encode();
  flash::ReplaceBlockData(edited, 0, channels, flash::BlockPart::kData);
  std::string tpt = flash::BlockData(edited, edited.blocks()[1]);
  auto transponder = chanforge::transponders::TransponderRecord::Decode(tpt.substr(4 * 12));
  transponder.flags |= 0x10;
  tpt.replace(4 * 12, 12, transponder.Encode());
  flash::ReplaceBlockData(edited, 1, tpt, flash::BlockPart::kData);
  return edited;
}

}  // namespace

int main(int argc, char** argv) {
  chanforge::ui::Application app(argc, argv);  // the program's own style, as users see it
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: chanforge-screenshot IMAGE OUTPUT-FOLDER [LANGUAGE]\n");
    return 2;
  }
  const QLocale locale =
      argc == 4 ? QLocale(QString(argv[3])) : QLocale(QLocale::English, QLocale::UnitedStates);
  if (argc == 4 && !chanforge::ui::InstallTranslations(locale)) {
    std::fprintf(stderr, "chanforge-screenshot: the window has no translation for %s\n", argv[3]);
    return 2;
  }
  const QDir out(argv[2]);
  QDir temp("/tmp/chanforge-screenshot");
  temp.removeRecursively();
  QDir().mkpath(temp.path());
  const QString image = temp.filePath("flash512k.bin");
  QFile::copy(argv[1], image);
  QLocale::setDefault(locale);
  chanforge::ui::SettingsStore store(temp.filePath("settings.ini"));
  PictureFrontend frontend;
  chanforge::ui::MainWindow window(&frontend, &store);
  window.SetClock([] { return QDateTime(QDate(2026, 3, 14), QTime(9, 30)); });
  window.show();
  window.LoadDroppedFile(image);
  auto* list = window.findChild<QListWidget*>("List1");
  list->setCurrentRow(1);
  frontend.files.push_back(temp.filePath("TPT").toStdString());
  window.findChild<QAbstractButton*>("CmdBlkSave")->click();
  bool ok = Save(&window, out.filePath("main-window.png"));

  QMenu* file = window.findChild<QMenu*>("menuFile");
  file->popup(window.mapToGlobal(QPoint(0, window.menuBar()->height())));
  // The File menu with its recent files beside it, as one picture.
  QMenu* recent = window.findChild<QMenu*>("menuRecent");
  file->setActiveAction(recent->menuAction());
  const QRect entry = file->actionGeometry(recent->menuAction());
  recent->popup(file->mapToGlobal(QPoint(file->width(), entry.top())));
  Settle();
  QPixmap both(file->width() + recent->width(),
               std::max(file->height(), entry.top() + recent->height()));
  both.fill(Qt::transparent);
  {
    QPainter painter(&both);
    painter.drawPixmap(0, 0, file->grab());
    painter.drawPixmap(file->width(), entry.top(), recent->grab());
  }
  const bool menu_saved = both.save(out.filePath("file-menu.png"));
  std::fprintf(stderr, "%s %s\n", menu_saved ? "saved" : "FAILED",
               qPrintable(out.filePath("file-menu.png")));
  ok = menu_saved && ok;
  recent->hide();
  file->hide();
  auto* swap = window.findChild<QWidget*>("CmdSwap");
  QToolTip::showText(swap->mapToGlobal(QPoint(4, 4)), swap->toolTip(), swap);
  Settle();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->inherits("QTipLabel") && w->isVisible()) ok = Save(w, out.filePath("tooltip.png")) && ok;
  }
  QToolTip::hideText();

  const chanforge::flash::Workspace& w = window.workspace();
  const QString tcs = temp.filePath("TCS"), tpt = temp.filePath("TPT");
  WriteBytes(tcs,
             chanforge::flash::ImageBytes(w.image(), w.blocks()[0].start, w.blocks()[0].length));
  WriteBytes(tpt,
             chanforge::flash::ImageBytes(w.image(), w.blocks()[1].start, w.blocks()[1].length));
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

  window.findChild<QAction*>("actEditLists")->trigger();
  auto* editor = static_cast<chanforge::ui::ListEditor*>(TopLevel("ListEditor"));
  if (editor) editor->channel_view()->selectRow(4);
  ok = Save(editor, out.filePath("list-editor.png")) && ok;
  if (editor) editor->findChild<QTabWidget*>("ListTabs")->setCurrentIndex(1);
  ok = Save(editor, out.filePath("list-editor-transponders.png")) && ok;
  if (editor) ok = SaveRefusal(editor, out.filePath("list-editor-refused.png")) && ok;

  // Two tables written here: pictures do not depend on what the system has installed.
  const QString tables = temp.filePath("tables");
  QDir().mkpath(tables);
  std::string hotbird;
  const struct {
    int khz;
    const char* pol;
    const char* system;
    const char* fec;
  } rows[] = {{10719000, "VERTICAL", "DVBS", "3/4"},    {10758000, "VERTICAL", "DVBS", "AUTO"},
              {10775000, "HORIZONTAL", "DVBS2", "3/4"}, {10892000, "HORIZONTAL", "DVBS", "5/6"},
              {11013000, "HORIZONTAL", "DVBS", "2/3"},  {11034000, "VERTICAL", "DVBS", "7/8"},
              {11727000, "VERTICAL", "DVBS", "3/4"},    {12188000, "HORIZONTAL", "DVBS", "3/4"},
              {12597000, "VERTICAL", "DVBS", "5/6"},    {3727000, "LEFT", "DVBS", "3/4"}};
  for (const auto& row : rows) {
    hotbird += "[CHANNEL]\n\tDELIVERY_SYSTEM = " + std::string(row.system) +
               "\n\tFREQUENCY = " + std::to_string(row.khz) + "\n\tPOLARIZATION = " + row.pol +
               "\n\tSYMBOL_RATE = 27500000\n\tINNER_FEC = " + row.fec + "\n";
  }
  WriteBytes(tables + "/Hotbird-13.0E", hotbird);
  WriteBytes(tables + "/Astra-19.2E", hotbird.substr(0, hotbird.size() / 2));
  WriteBytes(tables + "/Eutelsat-5.0W", hotbird.substr(0, hotbird.size() / 3));
  store.SaveSettingString(chanforge::ui::kAppKey, "ScanTables", tables);
  if (editor) editor->findChild<QAbstractButton*>("CmdAddSatellite")->click();
  if (QWidget* dialog = TopLevel("SatelliteDialog")) {
    auto* satellites = dialog->findChild<QTreeWidget*>("SatelliteList");
    satellites->setCurrentItem(satellites->findItems("Hotbird-13.0E", Qt::MatchExactly).value(0));
    ok = Save(dialog, out.filePath("satellite-dialog.png")) && ok;
    dialog->close();
  } else {
    ok = false;
  }

  // The print choices and preview of the sample's list, and its PDF beside the image, of
  // which scripts/screenshot makes a picture of the first page.
  const auto print = [&](const char* action) {
    window.findChild<QAction*>(action)->trigger();
    QWidget* options = TopLevel("PrintOptions");
    if (options) options->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    Settle();  // what follows the choices runs once they have finished
    return options != nullptr;
  };
  window.findChild<QAction*>("actPrint")->trigger();
  ok = Save(TopLevel("PrintOptions"), out.filePath("print-options.png")) && ok;
  if (QWidget* options = TopLevel("PrintOptions")) options->close();
  if (print("actPrint") && TopLevel("PrintPreview")) {
    TopLevel("PrintPreview")->resize(1000, 760);
    ok = Save(TopLevel("PrintPreview"), out.filePath("print-preview.png")) && ok;
    TopLevel("PrintPreview")->close();
  } else {
    ok = false;
  }
  frontend.files.push_back(QFileInfo(argv[1]).dir().filePath("channels.pdf").toStdString());
  ok = print("actExportPdf") && ok;

  const chanforge::flash::Workspace sample = window.workspace();
  const chanforge::flash::Workspace edited = Edited(sample);
  const QString edited_name = temp.filePath("edited.bin");
  WriteBytes(edited_name, std::string(edited.image().bytes()));
  window.LoadDroppedFile(edited_name);
  window.findChild<QAction*>("actCheckImage")->trigger();
  ok = Save(TopLevel("CheckForm"), out.filePath("check.png")) && ok;
  frontend.files.push_back(image.toStdString());
  window.findChild<QAction*>("actApplyOrder")->trigger();
  if (auto* box = qobject_cast<QMessageBox*>(TopLevel("OrderSummary"))) {
    for (QAbstractButton* button : box->buttons()) {
      if (box->buttonRole(button) == QMessageBox::ActionRole) button->click();  // the details
    }
    ok = Save(box, out.filePath("apply-order.png")) && ok;
    box->button(QMessageBox::Cancel)->click();
  } else {
    ok = false;
  }

  chanforge::ui::ChangesWindow changes(&window);
  changes.ShowChanges("flash512k.bin", "edited.bin", chanforge::check::DiffImages(sample, edited));
  changes.show();
  ok = Save(&changes, out.filePath("compare.png")) && ok;
  changes.close();
  window.close();
  temp.removeRecursively();
  return ok ? 0 : 1;
}
