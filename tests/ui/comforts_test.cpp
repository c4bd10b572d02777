// The comforts: CSV through the File menu as one undoable step, the status that returns
// to "...", Escape on the viewers and the capped recent-files list.
#include <QAction>
#include <QMenu>
#include <QTimer>
#include <filesystem>

#include "ui_fixture.h"

namespace chanforge::ui {
namespace {

TEST_F(UiTest, CsvRoundTripIsOneUndoableStepAndTheStatusReturns) {
  Window().show();
  Load(Sample());
  auto* timer = Window().findChild<QTimer*>("doneTimer");
  timer->setInterval(1);
  const std::string csv = dir_.Path("ch.csv");
  ui_.Choose(csv);
  Get<QAction>("actExportChannels")->trigger();
  EXPECT_NE(Text("StatusText"), "...");
  EXPECT_TRUE(QTest::qWaitFor([&] { return Text("StatusText") == "..."; }));
  std::string text = testing::TempDir::Read(csv);
  text.replace(text.find("\r\n1,") + 4, 1, "Z");
  dir_.Write("ch.csv", text);
  const std::string before = Window().workspace().image.bytes;
  ui_.Choose(csv);
  Get<QAction>("actImportChannels")->trigger();
  EXPECT_EQ(Window().undo_stack().size(), 1u);
  EXPECT_TRUE(Window().workspace().dirty);
  EXPECT_FALSE(Window().workspace().image.bytes == before);
  Window().undo_stack().Undo();
  EXPECT_TRUE(Window().workspace().image.bytes == before);
}

TEST_F(UiTest, EscapeClosesTheViewersAndRecentFilesKeepEight) {
  Window().show();
  for (QAbstractButton* button : Window().findChildren<QAbstractButton*>()) {
    const std::string name = button->objectName().toStdString();
    EXPECT_TRUE(name.starts_with("qt_") || !button->toolTip().isEmpty()) << name;
  }
  EXPECT_EQ(Get("CmdLoad")->nextInFocusChain(), Get("CmdSave"));
  const std::string sample = Sample();
  for (int i = 0; i < 9; ++i) {
    const std::string copy = dir_.Path("f" + std::to_string(i) + ".bin");
    std::filesystem::copy_file(sample, copy);
    Load(copy);
  }
  const QList<QAction*> recent = Get<QMenu>("menuRecent")->actions();
  ASSERT_EQ(recent.size(), 8);
  EXPECT_TRUE(recent.first()->text().endsWith("f8.bin"));
  EXPECT_TRUE(Setting("Recent8").endsWith("f1.bin"));
  for (const auto& [button, name] : {std::pair{"CmdView", "ShowForm"},
                                     {"CmdViewList", "ViewerForm"},
                                     {"CmdAbout", "frmAbout"}}) {
    Click(button);
    QWidget* window = TopLevel(name);
    ASSERT_NE(window, nullptr) << name;
    QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(focus, Qt::Key_Escape);
    EXPECT_EQ(TopLevel(name), nullptr) << name;
  }
}

}  // namespace
}  // namespace chanforge::ui
