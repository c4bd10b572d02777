#include <QCheckBox>
#include <QMessageBox>
#include <QMimeData>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>

#include "ui/qt_frontend.h"
#include "ui_fixture.h"

namespace chanforge::ui {
namespace {

using common::MessageKind;

TEST_F(UiTest, EnabledStatesFollowLoadAndSelection) {
  Window();
  for (const char* name : {"CmdBlRead", "CmdBlkSave", "CmdSwap", "CmdClr", "CmdView"}) {
    EXPECT_FALSE(Get(name)->isEnabled()) << name;
  }
  EXPECT_TRUE(Get("CmdLoad")->isEnabled());
  EXPECT_EQ(Text("LblSize"), "Size : 0 bytes");
  Load(Sample());
  EXPECT_EQ(Text("LblSize"), "Size :524288 bytes");
  for (const char* name : {"CmdBlRead", "CmdBlkSave", "CmdClr", "CmdView"}) {
    EXPECT_TRUE(Get(name)->isEnabled()) << name;
  }
  auto* list = Get<QListWidget>("List1");
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_TRUE(Get("CmdSwap")->isEnabled());  // a TPT block at line 0
  list->setCurrentRow(1);
  EXPECT_FALSE(Get("CmdSwap")->isEnabled());
  list->setCurrentRow(3);  // "tpt" in lower case
  EXPECT_TRUE(Get("CmdSwap")->isEnabled());
  list->setCurrentRow(4);
  EXPECT_FALSE(Get("CmdSwap")->isEnabled());
}

TEST_F(UiTest, BlockCommandsRefuseWithoutAFileOrBlocks) {
  Window();
  Get("CmdClr")->setEnabled(true);
  Click("CmdClr");
  Load(dir_.Write("empty.bin", ""));
  Click("CmdBlRead");
  ASSERT_EQ(ui_.messages.size(), 2u);
  EXPECT_EQ(ui_.messages[0].second, "No File Open!");
  EXPECT_EQ(ui_.messages[1].second, "File does not contain any usable blocks");
}

TEST_F(UiTest, StatusLineShowsNameAndChanges) {
  Window();
  const std::string long_name =
      dir_.Write(std::string(60, 'n') + ".bin", testing::FlashImageBuilder().Build());
  Load(long_name);
  const QString label = Text("lblFile");
  EXPECT_EQ(label.size(), 55);
  Window().show();
  EXPECT_TRUE(Window().close());
  EXPECT_EQ(Setting("BinFile"), label);  // the label as shown, not the full name
  EXPECT_TRUE(label.endsWith(QString(std::string(45, 'n').c_str()) + ".bin"));
  EXPECT_EQ(Text("Label6"), "");

  Load(Sample());
  Click("CmdSwap");  // line 0 is a TPT block with one used record
  EXPECT_EQ(ui_.messages.back().first, MessageKind::kReport);
  EXPECT_EQ(Text("Label6"), "File Changed");
  ui_.Answer(true).Choose(dir_.Path("saved.bin"));  // its random channels have errors
  Click("CmdSave");
  EXPECT_EQ(Text("Label6"), "");
  EXPECT_EQ(Text("lblFile").toStdString(), dir_.Path("saved.bin"));

  Get<QListWidget>("List1")->setCurrentRow(2);
  ui_.Choose(dir_.Write("block", "abc"));
  Click("CmdBlRead");
  EXPECT_EQ(Text("Label6"), "File Changed");
  EXPECT_EQ(Get<QListWidget>("List1")->item(2)->text(), "Block:2 TPT ($20044-$20047) $3 bytes (0)");
}

TEST_F(UiTest, ClosingAsksWhileThereAreUnsavedChanges) {
  Window().show();
  Load(Sample());
  ui_.Answer(true);
  Get<QListWidget>("List1")->setCurrentRow(1);
  Click("CmdClr");
  ui_.Answer(false);
  EXPECT_FALSE(Window().close());
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(ui_.questions.back(), "File has been changed, but not saved !\r\nExit anyway ?");
  ui_.Answer(true);
  EXPECT_TRUE(Window().close());
  EXPECT_EQ(Setting("BinFile").toStdString(), dir_.Path("flash.bin"));
}

TEST_F(UiTest, ClearAnsweredNoLeavesEverythingAlone) {
  Load(Sample());
  Get<QListWidget>("List1")->setCurrentRow(1);
  ui_.Answer(false);
  const std::size_t statuses = ui_.statuses.size();
  Click("CmdClr");
  EXPECT_EQ(ui_.questions.back(), "Clear block  1?\r\nAre you sure ?");
  EXPECT_EQ(ui_.statuses.size(), statuses);
  EXPECT_FALSE(Window().workspace().dirty);
}

TEST_F(UiTest, SettingsAreReadAtStartAndWrittenAtClose) {
  store_.SaveSettingString(kAppKey, "DecLinkComp", " 1");
  store_.SaveSettingString(kAppKey, "TCSBin", "");
  store_.SaveSettingString(kAppKey, "TPTTxt", "/data/my.txt");
  store_.SaveSettingString(kAppKey, "MainLeft", "1500");
  store_.SaveSettingString(kAppKey, "MainTop", "not a number");
  MainWindow& w = Window();
  EXPECT_FALSE(Get<QCheckBox>("ChkDCComp")->isChecked());
  EXPECT_EQ(Get<QLineEdit>("TxtTCS")->text(), "TCS");
  EXPECT_EQ(Get<QLineEdit>("TxtTPTTxt")->text(), "/data/my.txt");
  EXPECT_EQ(Get<QLineEdit>("TxtTPTTxt")->cursorPosition(), 12);
  EXPECT_EQ(w.x(), 100);

  Get<QCheckBox>("ChkDCComp")->setChecked(true);
  Get<QLineEdit>("TxtTPT")->clear();
  w.show();
  EXPECT_TRUE(w.close());
  EXPECT_EQ(Setting("MainLeft"), "1500");  // 100 pixels at 96 dpi
  EXPECT_EQ(Setting("DecLinkComp"), "1");
  EXPECT_EQ(Setting("TPTBin"), "");
  EXPECT_EQ(Setting("TPTTxt"), "/data/my.txt");
  EXPECT_EQ(Setting("BinFile"), "");

  w.show();
  w.setWindowState(Qt::WindowMinimized);
  ASSERT_TRUE(w.isMinimized());
  store_.SaveSettingString(kAppKey, "MainLeft", "777");
  EXPECT_TRUE(w.close());
  EXPECT_EQ(Setting("MainLeft"), "777");  // a minimized window keeps the stored position
}

TEST_F(UiTest, SelectFileCancelAndFallback) {
  Window();
  auto* box = Get<QLineEdit>("TxtTPT");
  box->setText("old");
  box->setCursorPosition(1);
  ui_.Cancel();
  Click("CmdTPTBin");
  EXPECT_EQ(box->text(), "old");
  EXPECT_EQ(box->cursorPosition(), 1);
  EXPECT_EQ(ui_.requests.back().title, "Select FileName");
  EXPECT_EQ(ui_.requests.back().kind, common::FileDialogKind::kSave);

  ui_.RejectProposal().Choose("/tmp/some/where/TPT");
  Click("CmdTPTBin");
  EXPECT_EQ(ui_.requests.back().proposed_name, "TPT");
  EXPECT_EQ(box->text(), "/tmp/some/where/TPT");
  EXPECT_EQ(box->cursorPosition(), 19);
}

TEST_F(UiTest, ConversionButtonsRunTheConversions) {
  Window();
  const std::string bin = dir_.Write("TPT", testing::TptRecord(1178000000, 1, 1, 0, 0, 2, 9));
  Get<QLineEdit>("TxtTPT")->setText(QString::fromStdString(bin));
  Get<QLineEdit>("TxtTPTTxt")->setText(QString::fromStdString(dir_.Path("TPT.txt")));
  Get<QCheckBox>("ChkDCComp")->setChecked(true);
  Click("CmdTPT2Txt");
  EXPECT_EQ(testing::TempDir::Read(dir_.Path("TPT.txt")),
            "01  11778000  00001  00001  00  00  3/4  V/U\r\n");
  EXPECT_EQ(ui_.statuses.back(), "Writing " + dir_.Path("TPT.txt") + "...");
  EXPECT_EQ(Text("lblFile"), "");
}

TEST_F(UiTest, DroppedFilesAndShortcutsLoadLikeTheButton) {
  MainWindow& w = Window();
  w.show();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Sample()))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &drop);
  EXPECT_EQ(Get<QListWidget>("List1")->count(), 0);  // loads once the drop is over
  QApplication::processEvents();
  EXPECT_EQ(Get<QListWidget>("List1")->count(), 8);
  EXPECT_EQ(Text("lblFile").toStdString(), dir_.Path("flash.bin"));

  ui_.Answer(true).Cancel();  // save despite the fixture's errors
  QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(ui_.requests.size(), 1u);
  EXPECT_EQ(ui_.requests[0].kind, common::FileDialogKind::kSave);
  EXPECT_EQ(ui_.requests[0].proposed_name, dir_.Path("flash.bin"));
}

// The real front end: its boxes carry the title and the buttons that the callers expect.
TEST(QtFrontendSmoke, QuestionBoxAnswersWithThePressedButton) {
  QWidget parent;
  QtFrontend frontend(&parent, nullptr);
  QString title, text;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    box->button(QMessageBox::No)->click();
  });
  EXPECT_FALSE(frontend.AskYesNo("File : x already exists !\r\nOverwrite ?"));
  EXPECT_EQ(title, "Chanforge");
  EXPECT_EQ(text, "File : x already exists !\nOverwrite ?");
  EXPECT_TRUE(IsInvalidProposal("/no/such/folder/x.bin"));
  EXPECT_TRUE(IsInvalidProposal(QString("a") + QChar(0) + "b"));
  EXPECT_FALSE(IsInvalidProposal("flash512k.bin"));
  EXPECT_EQ(QtFilterList("Bin Files (*.bin)|*.bin|All Files (*.*)|*.*"),
            "Bin Files (*.bin);;All Files (*)");
}

}  // namespace
}  // namespace chanforge::ui
