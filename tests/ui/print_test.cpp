// The printed channel list: every channel on paper once and in list order, on the pages its
// header counts; Print and Export PDF ask for the choices and keep them.
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <algorithm>
#include <cstdio>

#include "editing/list_commands.h"
#include "editing/sample_image.h"
#include "ui/list_painter.h"
#include "ui_fixture.h"

namespace chanforge::ui {
namespace {

// Runs of blanks as one, as a PDF's text reads back.
std::string OneBlank(const std::string& text) {
  std::string out;
  for (const char c : text)
    if (c != ' ' || out.empty() || out.back() != ' ') out += c;
  return out;
}

// The text of a PDF in the order it was drawn: a line per row, a form feed after a page.
std::string PdfText(const std::string& pdf) {
  std::string text;
  if (FILE* pipe = popen(("pdftotext -raw '" + pdf + "' -").c_str(), "r")) {
    for (int c; (c = std::fgetc(pipe)) != EOF;) text += static_cast<char>(c);
    pclose(pipe);
  }
  return OneBlank(text);
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

TEST(ListPdf, HoldsEveryChannelOnceInOrderOnThePagesTheHeaderCounts) {
  ASSERT_EQ(std::system("pdftotext -v 2>/dev/null"), 0) << "scripts/deps gui installs pdftotext";
  testing::TempDir dir;
  for (const bool full : {false, true}) {
    flash::Workspace workspace;
    workspace.Load(full ? testing::FullChannelImage() : editing::MakeSampleImage(), "f.bin");
    const editing::ListDocument document(workspace);
    const views::PrintedList list =
        views::PrintRows(document.channels(), document.transponders(), {}, "f.bin", "2026-12-06");
    const std::string text = PdfText(dir.Write("list.pdf", ListPdf(list, {}).toStdString()));
    const auto pages = static_cast<int>(std::count(text.begin(), text.end(), '\f'));
    std::size_t page_start = 0;
    for (int page = 1; page <= pages; ++page) {
      const std::size_t page_end = text.find('\f', page_start);
      EXPECT_EQ(Count(text.substr(page_start, page_end - page_start),
                      "f.bin \u00b7 2026-12-06 \u00b7 " + common::Format(list.count) + " " +
                          common::Format(views::PageText(page, pages))),
                1u);
      page_start = page_end + 1;
    }
    EXPECT_EQ(pages, full ? 16 : 2);  // as few as 8 pt allows: two lists side by side
    std::size_t at = 0;
    for (const std::vector<common::Message>& cells : list.groups.at(0).rows) {
      const std::vector<std::string> row = common::Texts(cells);
      std::string line = "\n";
      for (const std::string& cell : row) line += OneBlank(cell) + " ";
      line.back() = '\n';
      const std::size_t found = text.find(line, at);
      ASSERT_NE(found, std::string::npos) << line << "after " << at;
      EXPECT_EQ(Count(text, line), 1u) << line;
      EXPECT_TRUE(!full || Count(text, OneBlank(row[1])) == 1) << row[1];
      at = found + 1;
    }
  }
}

// Qt's own dialogs five times over an unsaved edit: print choices (changed once, then kept), the
// file chooser. The program and its edit go on; Print shows the choices kept and its preview.
TEST(RealDialogs, ExportPdfFiveTimesKeepsTheProgramItsEditAndTheChoices) {
  testing::TempDir dir;
  SettingsStore store(QString::fromStdString(dir.Path("settings.ini")));
  MainWindow window(nullptr, &store);
  window.show();
  window.LoadDroppedFile(QString::fromStdString(dir.Write("f.bin", editing::MakeSampleImage())));
  window.Push(editing::RemoveChannels({0}));
  const std::string edited(window.workspace().image().bytes());
  QString pdf;
  int pages = 0;
  const ModalAnswers answers([&](QWidget* dialog) {
    auto* columns = dialog->findChild<QListWidget*>("PrintColumns");
    auto* group = dialog->findChild<QComboBox*>("PrintGroup");
    if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
      // Typed into the name box, as a user does, and Enter.
      QTest::keyClicks(files->findChild<QLineEdit*>("fileNameEdit"), pdf);
      QTest::keyClick(files->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
    } else if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) {
      EXPECT_TRUE(QTest::qWaitFor([&] { return (pages = preview->pageCount()) >= 2; }));
      dialog->close();
    } else if (columns && pdf.endsWith("list0.pdf")) {
      columns->item(2)->setCheckState(Qt::Unchecked);  // TP
      columns->setCurrentRow(1);
      QTest::mouseClick(dialog->findChild<QAbstractButton*>("PrintColumnUp"), Qt::LeftButton);
      group->setCurrentIndex(1);
    }
    if (columns) {
      EXPECT_TRUE(pdf.endsWith("list0.pdf") ||
                  (columns->item(0)->text() == "Name" && group->currentIndex() == 1));
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
  });
  for (int time = 0; time < 5; ++time) {
    pdf = QString::fromStdString(dir.Path("list" + std::to_string(time) + ".pdf"));
    window.findChild<QAction*>("actExportPdf")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] {
      return QFile::exists(pdf) && !QApplication::activeModalWidget();
    })) << time;
  }
  EXPECT_TRUE(window.workspace().dirty());
  EXPECT_TRUE(window.workspace().image().bytes() == edited);
  EXPECT_TRUE(window.findChild<QLabel*>("StatusText")->text().endsWith("list4.pdf"));
  QString kept;
  store.GetSettingString(kAppKey, "PrintColumns", kept);
  EXPECT_EQ(kept, "name,nr,sid");
  window.findChild<QAction*>("actPrint")->trigger();
  // Each DiSEqC input on a sheet of its own, whatever paper the printer has.
  EXPECT_TRUE(QTest::qWaitFor([&] { return pages >= 2; }));
}

}  // namespace
}  // namespace chanforge::ui
