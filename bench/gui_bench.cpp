// Times what a user waits for in the window: start, load (with its check summary), block
// viewer, list view, each step of the list editor on a full channel list (in the editor's own
// model and view), and the PDF of a full channel list.
// Runs on any Qt platform; use QT_QPA_PLATFORM=offscreen without a display.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <vector>

#include "channels/channel_record.h"
#include "editing/list_document.h"
#include "flash/blocks.h"
#include "full_list.h"
#include "transponders/transponder_record.h"
#include "ui/list_editor.h"
#include "ui/list_painter.h"
#include "ui/main_window.h"
#include "ui/settings_store.h"

namespace {

double MedianMs(int runs, const std::function<void()>& setup, const std::function<void()>& work,
                const std::function<void()>& teardown) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    setup();
    QElapsedTimer timer;
    timer.start();
    work();
    QApplication::processEvents();
    times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    teardown();
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

QWidget* TopLevel(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == name && w->isVisible()) return w;
  }
  return nullptr;
}

// A full TCS block: 2,182 channels with varied names over 200 transponders.
std::string FullImage() {
  chanforge::flash::FlashImage image{std::string(524288, '\xFF'), {}};
  const chanforge::bench::FullList full = chanforge::bench::MakeFullList();
  std::string channels, transponders;
  for (const auto& channel : full.channels) channels += channel.Encode();
  for (const auto& transponder : full.transponders) transponders += transponder.Encode();
  chanforge::flash::PutBlock(image, 0, "TCS", channels);
  chanforge::flash::PutBlock(image, 1, "TPT", transponders);
  return image.owned;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir temp;
  chanforge::ui::SettingsStore store(temp.filePath("settings.ini"));
  const QString image_path = temp.filePath("flash512k.bin");
  {
    chanforge::flash::FlashImage image{std::string(524288, '\xFF'), {}};
    std::mt19937 random(5);
    std::string channels(60000, '\0');
    for (char& c : channels) c = static_cast<char>(random());
    chanforge::flash::PutBlock(image, 0, "TCS", channels);
    std::ofstream(image_path.toStdString(), std::ios::binary) << image.owned;
  }
  constexpr int kRuns = 15;
  std::unique_ptr<chanforge::ui::MainWindow> window;
  const auto none = [] {};
  const auto make = [&] { window = std::make_unique<chanforge::ui::MainWindow>(nullptr, &store); };
  const auto drop = [&] { window.reset(); };

  const double start = MedianMs(
      kRuns, none,
      [&] {
        make();
        window->show();
      },
      drop);
  const double load = MedianMs(
      kRuns,
      [&] {
        make();
        window->show();
      },
      [&] { window->LoadDroppedFile(image_path); }, drop);
  const auto loaded = [&] {
    make();
    window->show();
    window->LoadDroppedFile(image_path);
  };
  const double viewer = MedianMs(
      kRuns, loaded, [&] { window->findChild<QAbstractButton*>("CmdView")->click(); }, drop);
  const double tcs_view = MedianMs(
      kRuns,
      [&] {
        loaded();
        window->findChild<QAbstractButton*>("CmdView")->click();
      },
      [&] { TopLevel("ShowForm")->findChild<QAbstractButton*>("Option2")->click(); }, drop);
  // The editor on a full list; every step as the user takes it, its repaint included.
  const QString full_path = temp.filePath("full.bin");
  std::ofstream(full_path.toStdString(), std::ios::binary) << FullImage();
  make();
  window->show();
  window->LoadDroppedFile(full_path);
  window->findChild<QAction*>("actEditLists")->trigger();
  auto* editor = static_cast<chanforge::ui::ListEditor*>(TopLevel("ListEditor"));
  QTableView* view = editor->channel_view();
  const auto act = [&](const char* name) { editor->findChild<QAction*>(name)->trigger(); };
  const auto undo = [&] { act("actUndoHere"); };
  // A hundred rows with gaps: every other one from row 400.
  const auto select = [&] {
    QItemSelection selection;
    for (int row = 400; row < 600; row += 2) {
      selection.select(view->model()->index(row, 0), view->model()->index(row, 0));
    }
    view->selectionModel()->select(selection,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  };
  const double move = MedianMs(
      kRuns, select, [&] { act("actMoveDown"); }, undo);
  const double drag = MedianMs(
      kRuns, select,
      [&] {  // what the view does with the rows dropped on the first one
        QAbstractItemModel* model = view->model();
        const std::unique_ptr<QMimeData> data(
            model->mimeData(view->selectionModel()->selectedIndexes()));
        model->dropMimeData(data.get(), Qt::MoveAction, 0, 0, {});
      },
      undo);
  const double sort = MedianMs(
      kRuns, none, [&] { act("actSortByName"); }, undo);
  const double undone = MedianMs(
      kRuns, [&] { act("actSortByName"); }, undo, none);
  auto* find = editor->findChild<QLineEdit*>("ChannelTableFind");
  const double found = MedianMs(
      kRuns, [&] { find->clear(); }, [&] { find->setText("co 1"); }, none);
  drop();

  const chanforge::bench::FullList full = chanforge::bench::MakeFullList();
  std::size_t pdf_size = 0;
  const double pdf = MedianMs(
      kRuns, none,
      [&] {
        const chanforge::views::PrintChoices choices;
        pdf_size = static_cast<std::size_t>(
            chanforge::ui::ListPdf(
                chanforge::views::PrintRows(full.channels, full.transponders, choices,
                                            "flash512k.bin", "2026-12-06"),
                choices)
                .size());
      },
      none);
  std::printf("median of %d runs (ms)\n", kRuns);
  std::printf("  main window creation to first show   %8.2f\n", start);
  std::printf("  load 512 KB image, list, check summary %6.2f  (target < 10)\n", load);
  std::printf("  open block viewer on a 64 KB block   %8.2f\n", viewer);
  std::printf("  switch to TCS view, 2000 channels    %8.2f\n", tcs_view);
  std::printf("list editor, 2182 channels (target: each under 16)\n");
  std::printf("  move 100 rows with gaps down (Ctrl+Down) %4.2f\n", move);
  std::printf("  drag the 100 rows onto the first     %8.2f\n", drag);
  std::printf("  sort by name                         %8.2f\n", sort);
  std::printf("  undo the sort                        %8.2f\n", undone);
  std::printf("  find \"co 1\"                          %8.2f\n", found);
  std::printf("  PDF of 2,182 channels (%zu KB)        %8.2f  (target < 1000)\n", pdf_size / 1024,
              pdf);
  return 0;
}
