#include <QCheckBox>
#include <QGroupBox>
#include <QListView>
#include <QRadioButton>

#include "ui/about_box.h"
#include "ui_fixture.h"

namespace chanforge::ui {
namespace {

QWidget* TopLevel(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == name && w->isVisible()) return w;
  }
  return nullptr;
}

int Rows(QWidget* window, const char* list) {
  return window->findChild<QListView*>(list)->model()->rowCount();
}

QString Row(QWidget* window, const char* list, int row) {
  auto* model = window->findChild<QListView*>(list)->model();
  return model->data(model->index(row, 0)).toString();
}

TEST_F(UiTest, BlockViewerShowsHexFirstAndTheListOption) {
  Window().show();
  Load(Sample());
  auto* list = Get<QListWidget>("List1");
  const struct {
    int row;
    bool visible;
    QString caption;
  } cases[] = {
      {0, true, "&View as TPT"}, {1, true, "&View as TCS"}, {3, false, ""}, {4, false, ""}};
  for (const auto& c : cases) {
    list->setCurrentRow(c.row);
    Click("CmdView");
    QWidget* viewer = TopLevel("ShowForm");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->findChild<QGroupBox*>("Frame1")->title(), list->item(c.row)->text());
    EXPECT_EQ(Rows(viewer, "LstBlock"), 4096);
    auto* option2 = viewer->findChild<QRadioButton*>("Option2");
    EXPECT_EQ(option2->isVisible(), c.visible);
    if (c.visible) {
      EXPECT_EQ(option2->text(), c.caption);
    }
    viewer->findChild<QAbstractButton*>("CmdOK")->click();
  }
}

TEST_F(UiTest, BlockViewerSwitchesViewsAndKeepsItsBlock) {
  Window().show();
  Load(Sample());
  Click("CmdView");
  QWidget* viewer = TopLevel("ShowForm");
  ASSERT_NE(viewer, nullptr);
  viewer->findChild<QRadioButton*>("Option2")->click();
  EXPECT_EQ(Rows(viewer, "LstBlock"), 2);
  EXPECT_EQ(Row(viewer, "LstBlock", 1), "01  11778000  00001  00001  00  00  3/4  V/U A");
  viewer->findChild<QRadioButton*>("Option1")->click();
  EXPECT_EQ(Rows(viewer, "LstBlock"), 4096);

  Get<QListWidget>("List1")->setCurrentRow(1);
  Click("CmdView");
  EXPECT_EQ(TopLevel("ShowForm"), viewer);
  EXPECT_TRUE(viewer->findChild<QGroupBox*>("Frame1")->title().startsWith("Block:0"));
  viewer->findChild<QAbstractButton*>("CmdOK")->click();
  QApplication::processEvents();
  Click("CmdView");
  EXPECT_TRUE(TopLevel("ShowForm")->findChild<QGroupBox*>("Frame1")->title().startsWith("Block:1"));
}

TEST_F(UiTest, ListViewerReadsOnceAndShowsTheDiseqcColumn) {
  Window().show();
  const std::string tpt = dir_.Write("tpt.bin", testing::TptRecord(1178000000, 1, 1, 0, 0, 2, 9));
  Get<QLineEdit>("TxtTCS")->setText(QString::fromStdString(dir_.Path("missing")));
  Get<QLineEdit>("TxtTPT")->setText(QString::fromStdString(tpt));
  Get<QCheckBox>("ChkDCComp")->setChecked(true);
  Click("CmdViewList");
  QWidget* viewer = TopLevel("ViewerForm");
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(Row(viewer, "LstTCS", 0).toStdString(),
            "File " + dir_.Path("missing") + " can not be found!");
  EXPECT_EQ(Rows(viewer, "LstTPT"), 2);
  EXPECT_TRUE(Row(viewer, "LstTPT", 1).endsWith("V/U B"));
  Click("CmdViewList");
  EXPECT_EQ(TopLevel("ViewerForm"), viewer);
  EXPECT_EQ(Rows(viewer, "LstTPT"), 2);
}

TEST_F(UiTest, AboutBoxVersionAndUnavailableSystemInfo) {
  Window().show();
  Click("CmdAbout");
  QWidget* about = TopLevel("frmAbout");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->windowTitle(), "About Chanforge");
  const QString version = about->findChild<QLabel*>("lblVersion")->text();
  EXPECT_TRUE(version.startsWith("Version 0.")) << version.toStdString();
  EXPECT_TRUE(version.contains("   (Compiled : "));
  EXPECT_EQ(CompiledComment("Jul  9 2002"), "Compiled : 9-jul-2002");
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", "/nonexistent");
  about->findChild<QAbstractButton*>("cmdSysInfo")->click();
  qputenv("PATH", path);
  ASSERT_FALSE(ui_.messages.empty());
  EXPECT_EQ(ui_.messages.back(), std::make_pair(common::MessageKind::kNotice,
                                                std::string("System Information Is Unavailable "
                                                            "At This Time")));
}

TEST_F(UiTest, ClosingTheMainWindowClosesTheOthers) {
  Window().show();
  Load(Sample());
  Click("CmdAbout");
  Click("CmdView");
  Click("CmdViewList");
  EXPECT_TRUE(Window().close());
  QApplication::processEvents();
  EXPECT_EQ(TopLevel("frmAbout"), nullptr);
  EXPECT_EQ(TopLevel("ShowForm"), nullptr);
  EXPECT_EQ(TopLevel("ViewerForm"), nullptr);
}

}  // namespace
}  // namespace chanforge::ui
