// The check and comparison wiring of the main window: menus, status line, Save question
// and the two windows.
#include <QAction>
#include <QMenu>
#include <QStatusBar>

#include "check/image_check.h"
#include "ui_fixture.h"

namespace chanforge::ui {
namespace {

int Rows(QWidget* window, const char* list) {
  return window->findChild<QListWidget*>(list)->count();
}

TEST_F(UiTest, CheckStatusAndSaveQuestion) {
  const QSize central = Window().centralWidget()->size();
  ASSERT_NE(Window().findChild<QMenu*>("menuFile"), nullptr);
  ASSERT_NE(Window().findChild<QMenu*>("menuTools"), nullptr);
  EXPECT_EQ(Get<QAction>("actCheckImage")->shortcut(), QKeySequence(Qt::Key_F7));
  EXPECT_EQ(Get<QAction>("actShowChanges")->shortcut(), QKeySequence("Ctrl+Shift+D"));
  const std::string path = Sample();  // its random channels point at missing transponders
  Load(path);
  EXPECT_EQ(Window().centralWidget()->size(), central);
  const std::string summary = check::CheckSummary(check::CheckImage(Window().workspace()));
  ASSERT_FALSE(summary.empty());
  EXPECT_EQ(Window().findChild<QStatusBar*>("StatusBar")->findChildren<QLabel*>()[0]->text(),
            QString::fromStdString(summary));

  const std::string before = testing::TempDir::Read(path);
  Click("CmdSwap");
  ui_.Answer(false);  // no file dialog follows a No
  Click("CmdSave");
  ASSERT_EQ(ui_.questions.size(), 1u);
  EXPECT_TRUE(Window().workspace().dirty);
  EXPECT_EQ(testing::TempDir::Read(path), before);

  Get<QAction>("actCheckImage")->trigger();
  QWidget* check = TopLevel("CheckForm");
  ASSERT_NE(check, nullptr);
  const int findings = Rows(check, "LstFindings");
  EXPECT_EQ(static_cast<std::size_t>(findings), check::CheckImage(Window().workspace()).size());
  EXPECT_FALSE(check->findChild<QListWidget*>("LstFindings")->item(0)->icon().isNull());
}

TEST_F(UiTest, ChangesAgainstTheLoadedFileAndAnotherImage) {
  const std::string path = Sample();
  Load(path);
  Click("CmdSwap");  // one transponder's DiSEqC input: one changed field
  Get<QAction>("actShowChanges")->trigger();
  QWidget* changes = TopLevel("ChangesForm");
  ASSERT_NE(changes, nullptr);
  EXPECT_EQ(Rows(changes, "LstChanges"), 1);

  ui_.Choose(dir_.Write("other.bin", testing::FlashImageBuilder().Build()));
  Get<QAction>("actCompareWith")->trigger();
  EXPECT_EQ(TopLevel("ChangesForm"), changes);  // the same window, new content
  EXPECT_GT(Rows(changes, "LstChanges"), 1);
  ui_.Choose(dir_.Path("missing.bin"));
  Get<QAction>("actCompareWith")->trigger();
  EXPECT_EQ(ui_.messages.back().first, common::MessageKind::kError);
}

}  // namespace
}  // namespace chanforge::ui
