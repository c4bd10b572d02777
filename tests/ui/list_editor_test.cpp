#include "ui/list_editor.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>
#include <filesystem>

#include "editing/list_commands.h"
#include "editing/list_document.h"
#include "editing/sample_image.h"
#include "flash/blocks.h"
#include "satellites/satellite_rows.h"
#include "support/workspace.h"
#include "ui_fixture.h"

namespace chanforge::ui {
namespace {

class ListEditorTest : public UiTest {
 protected:
  ListEditor& OpenEditor(const std::string& image = {}) {
    Load(image.empty() ? Sample() : image);
    Window().findChild<QAction*>("actEditLists")->trigger();
    auto* editor = static_cast<ListEditor*>(TopLevel("ListEditor"));
    EXPECT_NE(editor, nullptr);
    editor->activateWindow();  // its shortcuts work in the active window only
    EXPECT_TRUE(QTest::qWaitForWindowActive(editor));
    return *editor;
  }
  std::string Channels() {  // the TCS block's data
    return flash::BlockData(Window().workspace(), Window().workspace().blocks()[1]);
  }
};

// A refused text keeps its editor open with the reason; only the corrected name is stored.
TEST_F(ListEditorTest, TypedValuesAreRefusedVisiblyAndMovesAndUndoKeepTheSelection) {
  ListEditor& window = OpenEditor();
  QTableView* view = window.channel_view();
  const auto edit = [&](int row, int column) {
    view->setCurrentIndex(view->model()->index(row, column));
    QTest::keyClick(view, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    editor->selectAll();
    return editor;
  };
  const auto refused = [&](QLineEdit* editor) {
    window.findChild<QLabel*>("EditorStatus")->clear();
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    return QApplication::focusWidget() == editor &&
           !window.findChild<QLabel*>("EditorStatus")->text().isEmpty();
  };
  for (int column : {1, 3}) {  // closing an editor without a change is no step
    view->setCurrentIndex(view->model()->index(0, column));
    QTest::keyClick(view, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
  }
  EXPECT_FALSE(Window().findChild<QAction*>("actUndo")->isEnabled());
  QLineEdit* editor = edit(2, 1);
  QTest::keyClicks(editor, "Caf");
  for (const QString& typed : {QString("\u00e9"), QString("\u20ac")})  // the euro: no Latin-1 byte
    QTest::sendKeyEvent(QTest::Press, editor, Qt::Key_unknown, typed, Qt::NoModifier);
  EXPECT_TRUE(refused(editor));
  QTest::keyClick(editor, Qt::Key_Backspace);
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();  // the table commits a moment later
  EXPECT_EQ(Channels().substr(60, 16), std::string("Caf\xe9") + std::string(12, '\0'));
  const std::string named = Bytes();
  editor = edit(2, 4);
  QTest::keyClicks(editor, "70000");  // a SID: not 7000
  EXPECT_TRUE(refused(editor));
  QTest::keyClick(editor, Qt::Key_Escape);
  EXPECT_EQ(Bytes(), named);

  view->selectRow(2);
  QTest::keyClick(view, Qt::Key_Down, Qt::ControlModifier);
  const std::string moved = Channels();
  EXPECT_EQ(moved.substr(90, 4), "Caf\xe9");
  EXPECT_EQ(moved.substr(60, 9), "Channel 4");
  EXPECT_EQ(view->currentIndex().row(), 3);  // the selection follows the row
  QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(view->currentIndex().row(), 2);  // and its undo
}

// What is typed into a cell goes into the image before Save, Quit, Load or Export, as Enter
// would take it, or is refused with the action; in English and in German.
TEST_F(ListEditorTest, WhatIsTypedIsTakenBeforeAnyActionOrRefusedWithIt) {
  const std::string path = dir_.Path("sample.bin"), csv = dir_.Path("channels.csv");
  for (const bool german : {false, true}) {
    const std::unique_ptr<TranslatedWindow> language(german ? new TranslatedWindow(QLocale("de"))
                                                            : nullptr);
    for (const std::string action : {"Ctrl+S", "Ctrl+Q", "Ctrl+O", "Export", "refused"}) {
      SCOPED_TRACE(action + (german ? " in German" : ""));
      window_.reset();
      std::filesystem::remove(csv);
      const std::string loaded = editing::MakeSampleImage();
      dir_.Write("sample.bin", loaded);
      QTableView* view = OpenEditor(path).channel_view();
      view->setCurrentIndex(view->model()->index(0, 1));
      QTest::keyClick(view, Qt::Key_F2);
      auto* cell = qobject_cast<QLineEdit*>(QApplication::focusWidget());
      ASSERT_NE(cell, nullptr);
      cell->setText(action == "refused" ? "Pending " : "Pending Name");  // a blank at the end
      if (action == "Ctrl+Q" || action == "Ctrl+O") ui_.AnswerSave(common::SaveAnswer::kCancel);
      if (action == "Export") ui_.Choose(csv);
      if (action == "Export") Trigger("actExportChannels");
      if (action != "Export")
        QTest::keySequence(cell, QKeySequence(action == "refused" ? "Ctrl+S" : action.c_str()));
      const std::string saved = testing::TempDir::Read(action == "Export" ? csv : path);
      EXPECT_EQ(saved.find("Pending Name") != std::string::npos,
                action == "Ctrl+S" || action == "Export");
      EXPECT_EQ(Bytes().find("Pending Name") != std::string::npos, action != "refused");
      EXPECT_EQ(ui_.questions.size(), action == "Ctrl+Q" || action == "Ctrl+O" ? 1u : 0u);
      EXPECT_TRUE(Window().isVisible());  // Cancel kept it
      // Refused: the cell stays open with the reason, and nothing is saved.
      EXPECT_TRUE(action != "refused" || (saved == loaded && cell->isVisible() &&
                                          !Get<QLabel>("EditorStatus")->text().isEmpty()));
      ui_.questions.clear();
    }
  }
}

// A find matches any text a row shows; the result follows a move, which says what it did.
TEST_F(ListEditorTest, FindShowsEveryMatchAndAMoveThereMovesTheChannelSelected) {
  QTableView* view = OpenEditor().channel_view();
  QAbstractItemModel* shown = view->model();
  auto* find = Get<QLineEdit>("ChannelTableFind");
  view->scrollToBottom();
  const QString sid = shown->index(6, 4).data().toString();
  QTest::keyClicks(find, sid.mid(1, 3));
  EXPECT_TRUE(shown->match(shown->index(0, 4), Qt::DisplayRole, sid, 1, Qt::MatchExactly).size());
  EXPECT_EQ(view->currentIndex().row(), 0);  // the first match, in view
  find->selectAll();
  QTest::keyClicks(find, "CHANNEL 1");
  QTest::keyClick(find, Qt::Key_Return);  // to the results
  QTest::keyClick(view, Qt::Key_Down);
  for (int step = 0; step < 2; ++step) QTest::keyClick(view, Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(view->currentIndex().siblingAtColumn(0).data().toInt(), 8);  // it follows the channel
  auto* status = Get<QLabel>("EditorStatus");  // past a hidden row: said, until the next step
  EXPECT_EQ(status->text(), "Channel 10 is now 8");
  QTest::keyClicks(find, "0");
  EXPECT_EQ(status->text(), "");
}

// Escape in the find box, the main window's keys here (Ctrl+S in place), and the Changes
// window that follows every step, opens the editor on a change and compares with another.
TEST_F(ListEditorTest, KeysAndTheChangesWindowFollowEveryStep) {
  const std::string path = dir_.Write("sample.bin", editing::MakeSampleImage());
  ListEditor& editor = OpenEditor(path);
  QTableView* view = editor.channel_view();
  auto* find = editor.findChild<QLineEdit*>("ChannelTableFind");
  QTest::keyClicks(find, "zdf");
  QTest::keyClick(find, Qt::Key_Escape);
  EXPECT_EQ(find->text(), "");
  QTest::keyClick(find, Qt::Key_Escape);
  EXPECT_EQ(QApplication::focusWidget(), view);
  QTest::keyClick(view, Qt::Key_Escape);
  EXPECT_TRUE(editor.isVisible());
  ASSERT_TRUE(view->model()->setData(view->model()->index(3, 4), "4711"));
  QTest::keySequence(view, QKeySequence("Ctrl+Shift+D"));
  QWidget* changes = TopLevel("ChangesForm");
  const auto summary = [&] { return changes->findChild<QLabel*>("LblSummary")->text(); };
  EXPECT_EQ(summary(), "1 change");
  view->selectRow(0);
  auto* list = changes->findChild<QTableWidget*>("LstChanges");
  emit list->cellActivated(0, 0);
  EXPECT_EQ(view->currentIndex().row(), 3);
  Trigger("actUndo");
  EXPECT_EQ(summary(), "The images are equal");
  Trigger("actRedo");
  QTest::keySequence(view, QKeySequence::Save);  // no dialog: the file it came from
  EXPECT_EQ(testing::TempDir::Read(path), Bytes());
  EXPECT_EQ(list->rowCount(), 0);
  QTest::keyClick(view, Qt::Key_F7);  // the main window's keys work here too
  EXPECT_NE(TopLevel("CheckForm"), nullptr);
  ui_.Choose(dir_.Write("other.bin", testing::FlashImageBuilder().Build()));
  Trigger("actCompareWith");
  EXPECT_GT(list->rowCount(), 1);  // the same window, against another image
}

// The dialog adds what the core's add would, as one step; without tables it says where.
TEST_F(ListEditorTest, AddFromSatelliteGivesTheImageOfTheCoresAdd) {
  const std::string folder = dir_.Path("tables");
  store_.SaveSettingString(kAppKey, "ScanTables", QString::fromStdString(folder));
  ListEditor& editor = OpenEditor();
  const std::string loaded = Bytes();
  const auto open = [&] {
    editor.findChild<QTabWidget*>("ListTabs")->setCurrentIndex(1);
    Click("CmdAddSatellite");
    return TopLevel("SatelliteDialog");
  };
  QWidget* dialog = open();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->findChild<QLabel*>("LblNoTables")->isVisible());
  dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();

  std::filesystem::create_directory(folder);
  // The second row is in the list, the third circular.
  const std::string table = testing::ScanTableRow(11000000, "V", 27500000, "AUTO") +
                            testing::ScanTableRow(11778000, "V", 27500000, "2/3") +
                            testing::ScanTableRow(11200000, "L", 27500000, "3/4") +
                            testing::ScanTableRow(12000000, "H", 27500000, "5/6");
  dir_.Write("tables/Other-5.0W", "[R]\n");
  dir_.Write("tables/Testsat-13.0E", table);
  dialog = open();
  auto* satellites = dialog->findChild<QTreeWidget*>("SatelliteList");
  auto* find = dialog->findChild<QLineEdit*>("SatelliteFind");
  EXPECT_EQ(dialog->focusWidget(), find);
  QTest::keyClicks(find, "13.0");
  ASSERT_TRUE(satellites->topLevelItem(0)->isHidden());
  QTest::keyClick(find, Qt::Key_Return);  // the first found, not Add
  EXPECT_EQ(satellites->currentItem(), satellites->topLevelItem(1));
  dialog->findChild<QComboBox*>("CboFecDefault")->setCurrentText("2/3");
  auto* rows = dialog->findChild<QTreeWidget*>("SatelliteRows");
  ASSERT_EQ(rows->topLevelItemCount(), 4);
  EXPECT_EQ(rows->topLevelItem(1)->checkState(0), Qt::Unchecked);
  EXPECT_FALSE(rows->topLevelItem(2)->flags() & Qt::ItemIsEnabled);
  dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  QApplication::processEvents();

  flash::Workspace core = testing::LoadedWorkspace(loaded);
  editing::ListDocument document(core);
  satellites::ScanTable scan = *satellites::ParseScanTable(table);
  (*satellites::AddRecords(document, satellites::AddableRecords(satellites::FitRows(
                                         scan, {false, 1}, document.transponders()))))
      ->Apply(document);
  EXPECT_EQ(Bytes(), core.image().bytes());
  EXPECT_EQ(editor.transponder_view()->model()->rowCount(), 3);
  Trigger("actUndo");
  EXPECT_EQ(Bytes(), loaded);
}

}  // namespace
}  // namespace chanforge::ui
