// The secondary windows and the comforts: viewers, About, check and changes, CSV as one undoable
// step, the status, Escape, recent files; every window in each language, whole, without English.
#include <sys/stat.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QXmlStreamReader>
#include <filesystem>

#include "check/image_check.h"
#include "flash/block_check.h"
#include "flash/blocks.h"
#include "ui/about_box.h"
#include "ui/application.h"
#include "ui/list_editor.h"
#include "ui/qt_frontend.h"
#include "ui/widgets.h"
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

TEST_F(UiTest, AboutBoxAndClosingTheMainWindowClosesTheOthers) {
  Load(Sample());
  Click("CmdAbout");
  QWidget* about = TopLevel("frmAbout");
  ASSERT_NE(about, nullptr);
  Click("CmdView");
  Click("CmdViewList");  // the image's own lists, not files named beside
  const QString lists = TopLevel("ViewerForm")->findChild<QGroupBox*>("TCSFrame")->title();
  EXPECT_TRUE(lists.startsWith("Block:1 (TCS)"));
  // System Info starts the first system information program on the path; the details to
  // copy for a report name the version, Qt's and where the settings are.
  const std::string marker = dir_.Path("started"), path = qgetenv("PATH").toStdString();
  std::filesystem::permissions(dir_.Write("hardinfo", "#!/bin/sh\necho > '" + marker + "'\n"),
                               std::filesystem::perms::owner_all);
  qputenv("PATH", QByteArray::fromStdString(dir_.Path("")));
  about->findChild<QAbstractButton*>("cmdSysInfo")->click();
  qputenv("PATH", QByteArray::fromStdString(path));
  EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(marker); }));
  EXPECT_EQ(ui_.OnlyMessage(), "");
  about->findChild<QAbstractButton*>("CmdCopyDetails")->click();
  for (const QString& part : {VersionLine(), QString("Qt ") + qVersion(), store_.Location()})
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(part)) << part.toStdString();
  EXPECT_TRUE(Window().close());
  QApplication::processEvents();
  for (const char* name : {"frmAbout", "ShowForm", "ViewerForm"})
    EXPECT_EQ(TopLevel(name), nullptr) << name;
}

TEST(SettingsStoreFile, ASpecialFileIsNeitherReadNorWritten) {
  testing::TempDir dir;
  ::mkfifo(dir.Path("settings.ini").c_str(), 0600);
  SettingsStore store(QString::fromStdString(dir.Path("settings.ini")));
  QString text = "x";
  EXPECT_EQ(store.GetSettingString(kAppKey, "TCSBin", text), kErrorAccessDenied);
  EXPECT_EQ(store.SaveSettingString(kAppKey, "TCSBin", "a"), kErrorAccessDenied);
}

int Items(QWidget* window, const char* list) {
  return window->findChild<QTableWidget*>(list)->rowCount();
}

TEST_F(UiTest, CheckWindowFindsWhatTheCheckFinds) {
  Load(Sample());  // its random channels point at missing transponders
  Click("CmdSwap");
  store_.SaveSettingString(kAppKey, "ScanTables", QString::fromStdString(dir_.Path("")));
  for (const char* name : {"Other-1.0E", "Sat-1.0W"})
    dir_.Write(name, testing::ScanTableRow(10800000, "H", 27500000, "3/4"));
  Get<QAction>("actCheckImage")->trigger();
  QWidget* check = TopLevel("CheckForm");
  ASSERT_NE(check, nullptr);
  const int findings = Items(check, "LstFindings");
  EXPECT_EQ(static_cast<std::size_t>(findings), check::CheckImage(Window().workspace()).size());
  // As check --satellite B=Sat-1.0W: the swapped transponder is a stranger, the row a gap.
  auto* satellite = check->findChild<QComboBox*>("CboSatelliteB");
  EXPECT_EQ(satellite->lineEdit()->text(), "");  // "(none)" is a hint, not text to type after
  EXPECT_EQ(satellite->accessibleName(), "Satellite on DiSEqC B");
  QTest::keyClicks(satellite->lineEdit(), "1.0");  // by position, as the dialog finds
  QAbstractItemView* matches = satellite->completer()->popup();
  ASSERT_TRUE(matches->isVisible());
  for (int down = 0; down < 3 && matches->currentIndex().data() != "Sat-1.0W"; ++down)
    QTest::keyClick(matches, Qt::Key_Down);
  QTest::keyClick(matches, Qt::Key_Return);  // the match highlighted, not the first one
  EXPECT_EQ(satellite->currentText(), "Sat-1.0W");
  EXPECT_EQ(Items(check, "LstFindings"), findings + 2);
  auto* table = check->findChild<QTableWidget*>("LstFindings");
  EXPECT_TRUE(table->item(findings + 1, 3)->text().contains("Sat-1.0W"));
  satellite->lineEdit()->clear();  // no text: no satellite
  QTest::keyClick(satellite->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(Items(check, "LstFindings"), findings);
  check->show();  // 25 rows in view at the default size
  EXPECT_GE(table->viewport()->height(), 25 * table->verticalHeader()->defaultSectionSize());
  const check::Finding first = check::CheckImage(Window().workspace())[0];  // about a channel
  table->sortByColumn(3, Qt::DescendingOrder);  // sorted, a row still opens its own finding
  int row = 0;
  while (table->item(row, 0)->data(Qt::UserRole).toInt() != 0) ++row;
  emit table->cellActivated(row, 2);  // opens the editor on its record
  auto* editor = static_cast<ListEditor*>(TopLevel("ListEditor"));
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->channel_view()->currentIndex().row(), first.record - 1);
}

TEST_F(UiTest, CsvRoundTripIsOneUndoableStepAndTheStatusReturns) {
  Load(Sample());
  Window().findChild<QTimer*>("doneTimer")->setInterval(1);
  const std::string csv = dir_.Path("ch.csv");
  ui_.Choose(csv);
  Get<QAction>("actExportChannels")->trigger();
  EXPECT_EQ(ui_.requests.back().proposed_name, dir_.Path("channels.csv"));  // beside the image
  EXPECT_NE(Text("StatusText"), "...");
  EXPECT_TRUE(QTest::qWaitFor([&] { return Text("StatusText") == "..."; }));
  std::string text = testing::TempDir::Read(csv);
  text.replace(text.find("\r\n1,") + 4, 1, "Z");
  dir_.Write("ch.csv", text);
  ui_.Choose(csv);
  Get<QAction>("actImportChannels")->trigger();
  EXPECT_EQ(Get<QAction>("actUndo")->text(), "&Undo Import channels from ch.csv");  // one step
}

// The summary comes first; Cancel changes nothing, OK is one named step undone to the bytes.
TEST_F(UiTest, ApplyOrderFromAnotherImageIsOneStepAfterTheSummary) {
  Load(Sample());
  const std::string loaded(Window().workspace().image().bytes());
  const std::string list = testing::ChannelList(10);
  std::string reversed;
  for (std::size_t p = list.size(); p >= 30; p -= 30) reversed += list.substr(p - 30, 30);
  const std::string reference =
      dir_.Write("ref.bin", testing::FlashImageBuilder()
                                .Block(0, "TPT", testing::TptRecord(1178000000, 1, 1, 0, 0, 2, 1))
                                .Block(1, "TCS", reversed)
                                .Build());
  for (const auto button : {QMessageBox::Cancel, QMessageBox::Ok}) {
    ui_.Choose(reference);
    Get<QAction>("actApplyOrder")->trigger();
    auto* box = qobject_cast<QMessageBox*>(TopLevel("OrderSummary"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Window().workspace().image().bytes(), loaded);
    EXPECT_EQ(Text("StatusText"), "...");  // no "Loading" left under the question
    EXPECT_NE(AccessKeyOf(box->button(QMessageBox::Ok)->text()),
              AccessKeyOf(box->button(QMessageBox::Cancel)->text()));
    box->button(button)->click();
    QApplication::processEvents();  // the step follows once the box has finished
  }
  const flash::Workspace& w = Window().workspace();
  EXPECT_EQ(flash::BlockData(w, w.blocks()[1]), reversed);
  EXPECT_EQ(Get<QAction>("actUndo")->text(), "&Undo Apply order from ref.bin");
  Get<QAction>("actUndo")->trigger();
  EXPECT_EQ(w.image().bytes(), loaded);
  EXPECT_FALSE(w.dirty());
}

TEST_F(UiTest, EscapeClosesTheViewersAndRecentFilesKeepEight) {
  Window().show();
  for (QAbstractButton* button : Window().findChildren<QAbstractButton*>()) {
    const std::string name = button->objectName().toStdString();
    EXPECT_TRUE(name.starts_with("qt_") || !button->toolTip().isEmpty()) << name;
  }
  EXPECT_EQ(Get("CmdLoad")->nextInFocusChain(), Get("CmdSave"));
  EXPECT_EQ(Get<QWidget>("TxtTCS")->nextInFocusChain(), Get("ChkUtf8"));  // as it is laid out
  for (int i = 0; i < 9; ++i)
    Load(dir_.Write("f" + std::to_string(i) + ".bin", testing::TempDir::Read(Sample())));
  const QList<QAction*> recent = Get<QMenu>("menuRecent")->actions();
  ASSERT_EQ(recent.size(), 8);
  EXPECT_TRUE(recent.first()->text().endsWith("f8.bin"));
  EXPECT_TRUE(Setting("Recent8").endsWith("f1.bin"));
  std::filesystem::remove(dir_.Path("f8.bin"));
  recent.first()->trigger();  // gone: it leaves the list with a word why, and no message
  EXPECT_EQ(Get<QMenu>("menuRecent")->actions().size(), 7);
  EXPECT_TRUE(Text("StatusText").contains("f8.bin"));
  for (const auto& [button, name] : {std::pair{"CmdView", "ShowForm"},
                                     {"CmdViewList", "ViewerForm"},
                                     {"CmdAbout", "frmAbout"}}) {
    Click(button);
    QWidget* window = TopLevel(name);
    ASSERT_NE(window, nullptr) << name;
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Escape);
    EXPECT_EQ(TopLevel(name), nullptr) << name;
  }
}

// The English sources of the language's .ts that translate differently, as patterns (%1: any).
std::vector<QRegularExpression> EnglishTexts(const QString& language) {
  QFile file(QStringLiteral(CHANFORGE_TRANSLATIONS "/chanforge_%1.ts").arg(language));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  QXmlStreamReader xml(&file);
  std::vector<QRegularExpression> english;
  QString source;
  QStringList translations;  // a counted text's forms each
  bool counted = false;
  while (!xml.atEnd()) {
    xml.readNext();
    const auto name = xml.name();
    if (xml.isEndElement() && name == u"message") {
      const QString pattern = QRegularExpression::escape(source).replace(
          QRegularExpression(R"(\\%[\dn]|\\\{\d\\\})"), ".*");
      const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern));
      // A translation that reads as its English would (Dutch "{1} transponders") tells nothing.
      if (pattern.contains(QRegularExpression("[A-Za-z]{2}")) &&
          std::none_of(translations.begin(), translations.end(),
                       [&](const QString& text) { return whole.match(text).hasMatch(); }))
        english.push_back(whole);
      translations.clear();
    }
    if (!xml.isStartElement()) continue;
    if (name == u"message") counted = xml.attributes().value("numerus") == u"yes";
    // A line break's CR is a <byte> element; the window shows the LF alone.
    if (name == u"source" || name == u"numerusform" || (name == u"translation" && !counted))
      (name == u"source" ? source : translations.emplace_back()) =
          xml.readElementText(QXmlStreamReader::IncludeChildElements);
  }
  return english;
}

// The captions whose access key another caption takes too.
QStringList SharedAccessKeys(const QStringList& captions) {
  QStringList shared;
  for (const QString& caption : captions) {
    const QChar key = AccessKeyOf(caption).toLower();
    const auto same = [&](const QString& other) { return AccessKeyOf(other).toLower() == key; };
    if (!key.isNull() && std::count_if(captions.begin(), captions.end(), same) > 1)
      shared << caption;
  }
  return shared;
}

// Where a control's ink is in the window: a label's text as aligned and wrapped (rich text not
// measured), a picture, a button or a box; none for the rest or for another window's.
QRect InkOf(QWidget* w, QWidget* window) {
  if (!w->isVisible() || w->window() != window) return {};
  const QRect inside = w->contentsRect().adjusted(1, 1, -1, -1);
  QRect ink;
  if (auto* label = qobject_cast<QLabel*>(w); label && !Qt::mightBeRichText(label->text())) {
    const int flags = static_cast<int>(label->alignment()) | Qt::TextShowMnemonic |
                      (label->wordWrap() ? Qt::TextWordWrap : 0);
    ink = label->pixmap().isNull() ? label->fontMetrics().boundingRect(inside, flags, label->text())
                                   : inside;
  } else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
             qobject_cast<QComboBox*>(w)) {
    ink = inside;
  }
  return ink.isEmpty() ? QRect() : QRect(w->mapTo(window, ink.topLeft()), ink.size());
}

// Every text the window shows is in its language, and shown whole; each of its menus, and the
// window itself, gives every access key to one control only.
void ExpectTranslatedAndWhole(QWidget* window, const std::vector<QRegularExpression>& english) {
  QApplication::processEvents();  // the rows take their heights for their columns' widths
  std::vector<std::pair<QWidget*, QString>> texts{{window, window->windowTitle()}};
  QStringList captions;  // what the window's own access keys choose between
  for (QWidget* w : window->findChildren<QWidget*>()) {
    const int room = w->width();
    if (auto* menu = qobject_cast<QMenu*>(w)) {
      QStringList items;
      for (QAction* action : menu->actions()) {
        texts.emplace_back(w, action->text());
        items << action->text();
      }
      EXPECT_EQ(SharedAccessKeys(items), QStringList()) << menu->objectName().toStdString();
    }
    if (!w->isVisible()) continue;
    // The window's own controls take its access keys; a window it opened has its own.
    const bool own = w->window() == window;
    if (auto* bar = qobject_cast<QMenuBar*>(w); bar && own)
      for (QAction* action : bar->actions()) captions << action->text();
    if (!w->accessibleName().isEmpty()) texts.emplace_back(w, w->accessibleName());
    int needs = 0;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      texts.emplace_back(w, label->text());
      if (label->buddy() && own) captions << label->text();
      if (!label->wordWrap()) needs = label->minimumSizeHint().width();
      if (label->wordWrap() && label->heightForWidth(room) > label->height()) needs = room + 1;
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      texts.emplace_back(w, button->text());
      if (own) captions << button->text();
      // Tool buttons draw their lines plainly, the wrapping ones their words in what room
      // the frame or the mark leaves.
      const bool wraps = dynamic_cast<WrappingButton*>(w) || dynamic_cast<WrappingCheckBox*>(w);
      const int indent = dynamic_cast<WrappingCheckBox*>(w) ? 20 : wraps ? 6 : 4;
      const QRect text = button->fontMetrics().boundingRect(
          QRect(0, 0, room - indent, 1000), (wraps ? Qt::TextWordWrap : 0) | Qt::TextShowMnemonic,
          button->text());
      needs = text.width() + indent;
      if (wraps && text.height() > button->height() - 4) needs = room + 1;
      if (!wraps && !qobject_cast<QToolButton*>(w)) needs = button->sizeHint().width();
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
      texts.emplace_back(w, box->title());
      if (box->isCheckable() && own) captions << box->title();
      needs = box->fontMetrics().horizontalAdvance(box->title()) + 8;
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) {
        texts.emplace_back(w, tabs->tabText(i));
        if (own) captions << tabs->tabText(i);
      }
    } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
      for (int i = 0; i < header->count(); ++i)
        texts.emplace_back(w, header->model()->headerData(i, header->orientation()).toString());
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w);
               view && view->property("wordWrap").toBool()) {
      // A wrapping view's cells hold their texts' lines: none is cut with "…".
      for (int row = 0; row < view->model()->rowCount(); ++row) {
        for (int column = 0; column < view->model()->columnCount(); ++column) {
          const QModelIndex index = view->model()->index(row, column);
          const QRect cell = view->visualRect(index);
          const QString text = index.data().toString();
          const QRect lines = view->fontMetrics().boundingRect({0, 0, cell.width() - 6, 1000},
                                                               Qt::TextWordWrap, text);
          if (lines.height() > cell.height()) needs = room + 1;
        }
      }
    }
    EXPECT_LE(needs, room) << "cut off: " << w->objectName().toStdString() << " "
                           << texts.back().second.toStdString();
  }
  EXPECT_EQ(SharedAccessKeys(captions), QStringList()) << window->objectName().toStdString();
  // No text runs into another control (a long caption under a picture beside it).
  std::vector<std::pair<QWidget*, QRect>> inks;
  for (QWidget* w : window->findChildren<QWidget*>())
    if (const QRect ink = InkOf(w, window); !ink.isNull()) inks.emplace_back(w, ink);
  for (const auto& [a, ink] : inks)
    for (const auto& [b, other] : inks)
      EXPECT_TRUE(a == b || a->isAncestorOf(b) || b->isAncestorOf(a) || !ink.intersects(other))
          << "overlap: " << a->objectName().toStdString() << " " << b->objectName().toStdString();
  for (const auto& [w, text] : texts) {
    for (const QRegularExpression& pattern : english)
      EXPECT_FALSE(pattern.match(text).hasMatch())
          << "untranslated in " << w->objectName().toStdString() << ": " << text.toStdString();
  }
}

class EveryLanguage : public UiTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryLanguage, EveryWindowSpeaksItAndShowsItsTextsWhole) {
  const TranslatedWindow language{QLocale(GetParam())};
  const std::vector<QRegularExpression> english = EnglishTexts(GetParam());
  store_.SaveSettingString(kAppKey, "ScanTables", QString::fromStdString(dir_.Path("")));
  dir_.Write("Sat-1.0W",
             "[A]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 10800000\nPOLARIZATION = H\n"
             "[B]\nFREQUENCY = 10900000\nPOLARIZATION = V\nSYMBOL_RATE = 27500000\n"
             "INNER_FEC = 7/8\n");  // a long note
  Load(Sample());
  Click("CmdSwap");  // a change for the changes window
  for (const char* button : {"CmdView", "CmdViewList", "CmdAbout"}) Click(button);
  for (const char* action : {"actCheckImage", "actShowChanges", "actEditLists"})
    Get<QAction>(action)->trigger();
  QWidget* editor = TopLevel("ListEditor");
  ASSERT_NE(editor, nullptr);
  for (int tab : {0, 1}) {
    editor->findChild<QTabWidget*>("ListTabs")->setCurrentIndex(tab);
    ExpectTranslatedAndWhole(editor, english);
  }
  editor->findChild<QAbstractButton*>("CmdAddSatellite")->click();
  ASSERT_NE(TopLevel("SatelliteDialog"), nullptr);
  ExpectTranslatedAndWhole(TopLevel("SatelliteDialog"), english);
  TopLevel("SatelliteDialog")->close();
  Get<QAction>("actPrint")->trigger();
  for (const char* name : {"PrintOptions", "Form1", "ShowForm", "ViewerForm", "frmAbout",
                           "CheckForm", "ChangesForm"}) {
    QWidget* window = name == std::string("Form1") ? &Window() : TopLevel(name);
    ASSERT_NE(window, nullptr) << name;
    ExpectTranslatedAndWhole(window, english);
  }
  QtFrontend boxes(&Window(), [](const QString&) {});
  QTimer::singleShot(0, [&] {  // a refusal's box, then closed
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    ExpectTranslatedAndWhole(box, english);
    box->accept();
  });
  flash::CheckBlockSelected(boxes, 8, -1, "flash.bin", flash::BlockAction::kView);
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguage, ::testing::Values("de", "fr", "it", "nl", "pl"),
                         [](const auto& language) { return std::string(language.param); });

}  // namespace
}  // namespace chanforge::ui
