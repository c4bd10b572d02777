#include <sys/stat.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QListView>
#include <QRadioButton>

#include "ui/about_box.h"
#include "ui_fixture.h"

namespace chanforge::ui {
namespace {

int Rows(QWidget* window, const char* list) {
  return window->findChild<QListView*>(list)->model()->rowCount();
}

QString Row(QWidget* window, const char* list, int row) {
  auto* model = window->findChild<QListView*>(list)->model();
  return model->data(model->index(row, 0)).toString();
}

TEST_F(UiTest, BlockViewerShowsItsBlockAndFollowsChanges) {
  Window().show();
  Load(Sample());
  auto* list = Get<QListWidget>("List1");
  for (const auto& [row, caption] :
       {std::pair{0, "&View as TPT"}, {1, "&View as TCS"}, {3, ""}, {4, ""}}) {
    list->setCurrentRow(row);
    Click("CmdView");
    QWidget* viewer = TopLevel("ShowForm");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->findChild<QGroupBox*>("Frame1")->title(), list->item(row)->text());
    EXPECT_EQ(Rows(viewer, "LstBlock"), 4096);
    auto* option2 = viewer->findChild<QRadioButton*>("Option2");
    EXPECT_EQ(option2->isVisible() ? option2->text() : QString(), QString(caption));
    viewer->findChild<QAbstractButton*>("CmdOK")->click();
  }
  list->setCurrentRow(0);
  Click("CmdView");
  QWidget* viewer = TopLevel("ShowForm");
  viewer->findChild<QRadioButton*>("Option2")->click();
  EXPECT_EQ(Rows(viewer, "LstBlock"), 2);
  EXPECT_EQ(Row(viewer, "LstBlock", 1), "01  11778000  00001  00001  00  00  3/4  V/U A");
  list->setCurrentRow(1);
  Click("CmdView");  // the open viewer keeps its block
  EXPECT_EQ(TopLevel("ShowForm"), viewer);
  list->setCurrentRow(0);
  Click("CmdSwap");  // the image changes: the open viewer shows it at once
  EXPECT_EQ(Row(viewer, "LstBlock", 1), "01  11778000  00001  00001  00  00  3/4  V/U B");
}

TEST_F(UiTest, ListViewerReadsOnceAndShowsMessagesAsText) {
  Window().show();
  const std::string tpt = dir_.Write("tpt.bin", testing::TptRecord(1178000000, 1, 1, 0, 0, 2, 9));
  Get<QLineEdit>("TxtTCS")->setText(QString::fromStdString(dir_.Path("m\xC3\xA4ssing")));
  Get<QLineEdit>("TxtTPT")->setText(QString::fromStdString(tpt));
  Get<QCheckBox>("ChkDCComp")->setChecked(true);
  Click("CmdViewList");
  QWidget* viewer = TopLevel("ViewerForm");
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(Row(viewer, "LstTCS", 0).contains("m\u00E4ssing"));  // names stay UTF-8
  EXPECT_EQ(Rows(viewer, "LstTPT"), 2);
  EXPECT_TRUE(Row(viewer, "LstTPT", 1).endsWith("V/U B"));
  Click("CmdViewList");
  EXPECT_EQ(TopLevel("ViewerForm"), viewer);
  EXPECT_EQ(Rows(viewer, "LstTPT"), 2);
}

TEST_F(UiTest, AboutBoxAndClosingTheMainWindowClosesTheOthers) {
  Window().show();
  Load(Sample());
  Click("CmdAbout");
  QWidget* about = TopLevel("frmAbout");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(CompiledComment("Jul  9 2002"), "Compiled : 9-jul-2002");
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", "/nonexistent");
  about->findChild<QAbstractButton*>("cmdSysInfo")->click();
  qputenv("PATH", path);
  EXPECT_EQ(ui_.messages.back().first, common::MessageKind::kNotice);
  Click("CmdView");
  Click("CmdViewList");
  EXPECT_TRUE(Window().close());
  QApplication::processEvents();
  for (const char* name : {"frmAbout", "ShowForm", "ViewerForm"}) {
    EXPECT_EQ(TopLevel(name), nullptr) << name;
  }
}

TEST(SettingsStoreFile, ASpecialFileIsNeitherReadNorWritten) {
  testing::TempDir dir;
  ::mkfifo(dir.Path("settings.ini").c_str(), 0600);
  SettingsStore store(QString::fromStdString(dir.Path("settings.ini")));
  QString text = "x";
  EXPECT_EQ(store.GetSettingString(kAppKey, "TCSBin", text), kErrorAccessDenied);
  EXPECT_EQ(store.SaveSettingString(kAppKey, "TCSBin", "a"), kErrorAccessDenied);
}

}  // namespace
}  // namespace chanforge::ui
