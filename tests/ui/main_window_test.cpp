#include <QAccessible>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>
#include <QUrl>
#include <algorithm>
#include <map>
#include <memory>

#include "common/list_files.h"
#include "editing/sample_image.h"
#include "flash/block_transfer.h"
#include "ui/about_box.h"
#include "ui/application.h"
#include "ui/file_filters.h"
#include "ui/qt_frontend.h"
#include "ui/widgets.h"
#include "ui_fixture.h"
#include "views/done_texts.h"

namespace chanforge::ui {
namespace {

TEST_F(UiTest, EnabledStatesAndTheInsideFollowLoadAndSelection) {
  Window().show();
  for (const char* name : {"CmdBlRead", "CmdBlkSave", "CmdSwap", "CmdClr", "CmdView"})
    EXPECT_FALSE(Get(name)->isEnabled()) << name;
  const auto spoken = [this](const char* name) {
    return QAccessible::queryAccessibleInterface(Get(name))->text(QAccessible::Name);
  };
  EXPECT_EQ(spoken("CmdView") + "|" + spoken("CmdViewList"), "View Block|View ChList");
  const Twips tw(&Window());
  EXPECT_EQ(Window().centralWidget()->height() + Window().statusBar()->height(), tw(5220));
  Load(Sample());
  EXPECT_EQ(Text("LblSize"), "Size :524288 bytes");
  for (const char* name : {"CmdBlRead", "CmdBlkSave", "CmdClr", "CmdView"})
    EXPECT_TRUE(Get(name)->isEnabled()) << name;
  auto* list = Get<QListWidget>("List1");
  EXPECT_EQ(list->currentRow(), 0);
  for (const auto& [row, enabled] : {std::pair{0, true}, {1, false}, {3, true}, {4, false}}) {
    list->setCurrentRow(row);
    EXPECT_EQ(Get("CmdSwap")->isEnabled(), enabled) << row;
  }
}

TEST_F(UiTest, EveryChangeRefreshesTheListAndTheLabels) {
  Load(Sample());
  ui_.Answer(true).Choose(dir_.Path("saved.bin"));  // its random channels have errors
  Click("CmdSave");
  EXPECT_EQ(Text("lblFile").toStdString(), dir_.Path("saved.bin"));
  EXPECT_TRUE(Get<QMenu>("menuRecent")->actions().first()->text().endsWith("saved.bin"));
  auto* list = Get<QListWidget>("List1");
  list->setCurrentRow(2);
  ui_.Choose(dir_.Write("block", std::string(24, 'b')));
  Click("CmdBlRead");
  EXPECT_EQ(Text("Label6"), "File Changed");
  EXPECT_EQ(list->item(2)->text(), "Block:2 TPT ($20044-$2005C) $18 bytes (2)");
  EXPECT_EQ(list->currentRow(), 2);
  EXPECT_EQ(Window().windowTitle(), "saved.bin[*] - Chanforge");
  EXPECT_TRUE(Window().isWindowModified());
  ui_.AnswerSave(common::SaveAnswer::kCancel);
  EXPECT_FALSE(Window().close());
  ui_.AnswerSave(common::SaveAnswer::kDiscard);
  EXPECT_TRUE(Window().close());
  EXPECT_EQ(Setting("BinFile").toStdString(), dir_.Path("saved.bin"));
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
  EXPECT_EQ(Get<QLineEdit>("TxtTPTTxt")->cursorPosition(), 12);
  EXPECT_EQ(w.x(), 100);
  Get<QCheckBox>("ChkDCComp")->setChecked(true);
  Get<QLineEdit>("TxtTPT")->clear();
  w.show();
  EXPECT_TRUE(w.close());
  EXPECT_EQ(Setting("MainLeft"), "1500");  // 100 pixels at 96 dpi
  EXPECT_EQ(Setting("DecLinkComp"), "1");
  EXPECT_EQ(Setting("TPTBin"), "");
}

TEST_F(UiTest, FileNameBoxesAndConversionButtons) {
  auto* box = Get<QLineEdit>("TxtTPT");
  ui_.RejectProposal().Choose(dir_.Write(
      "TPT", testing::TptRecord(1178000000, 1, 1, 0, 0, 2, 1) + std::string(2028, '\0')));
  Click("CmdTPTBin");
  EXPECT_EQ(ui_.requests.back().proposed_name, "TPT");
  EXPECT_EQ(box->cursorPosition(), box->text().size());
  Get<QLineEdit>("TxtTPTTxt")->setText(QString::fromStdString(dir_.Path("TPT.txt")));
  Get<QCheckBox>("ChkDCComp")->setChecked(true);
  Click("CmdTPT2Txt");
  EXPECT_EQ(testing::TempDir::Read(dir_.Path("TPT.txt")).size(), 46u);  // no DiSEqC column
  // The channel frame writes UTF-8 when asked (and keeps the choice); it reads back the same.
  const std::string list = testing::TcsRecord(std::string("S\xFC") + "d", 1, 1, 1, 2, 3);
  Get<QLineEdit>("TxtTCS")->setText(QString::fromStdString(dir_.Write("TCS", list)));
  Get<QLineEdit>("TxtTCSTxt")->setText(QString::fromStdString(dir_.Path("TCS.txt")));
  Get<QCheckBox>("ChkUtf8")->setChecked(true);
  Click("CmdTCS2Txt");
  EXPECT_EQ(testing::TempDir::Read(dir_.Path("TCS.txt")).substr(5, 5),
            std::string("S\xC3\xBC") + "d ");
  ui_.Answer(true);  // TCS is replaced
  Click("CmdTxt2TCS");
  EXPECT_EQ(testing::TempDir::Read(dir_.Path("TCS")), list);
  EXPECT_EQ(Get<QLabel>("StatusText")->text(),  // the conversion's own count and reading
            MessageText(views::ConversionDoneText(common::ListKind::kChannels, 1, "TCS",
                                                  common::TextEncoding::kUtf8)));
  EXPECT_TRUE(Window().close());
  EXPECT_EQ(Setting("TCSTxtUtf8"), "1");
}

// A file named on the command line is loaded before the window's first paint; one dropped
// over unsaved changes asks Save, Discard or Cancel first.
TEST_F(UiTest, FilesNamedOrDroppedLoadLikeTheButton) {
  MainWindow& w = Window();
  w.show();
  w.OpenArguments({"chanforge", QString::fromStdString(Sample())});
  EXPECT_EQ(Get<QListWidget>("List1")->count(), 8);
  Click("CmdSwap");
  const std::string changed(w.workspace().image().bytes());
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir_.Write("other.bin", "")))});
  for (const auto answer : {common::SaveAnswer::kCancel, common::SaveAnswer::kDiscard}) {
    EXPECT_TRUE(w.workspace().image().bytes() == changed);  // kept by Cancel
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    ui_.AnswerSave(answer);
    QApplication::processEvents();  // loads once the drop is over
  }
  EXPECT_EQ(w.workspace().image().size(), 0);
}

// Each filter of the window's file choosers, as Qt's own chooser reads it, shows every kind
// of file it names; "All Files" shows a file without an extension too.
TEST(FileFilters, ShowTheFilesTheyName) {
  for (const char* filter : kWindowFilters) {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(QtFilterList(filter));
    const QStringList parts = QString(filter).split('|');
    for (qsizetype i = 1; i < parts.size(); i += 2) {
      dialog.selectNameFilter(dialog.nameFilters()[i / 2]);
      const QStringList shown = dialog.findChild<QFileSystemModel*>()->nameFilters();
      const QStringList names = QString(parts[i]).replace('*', "x").split(';') << "TCS";
      for (const QString& name : names)
        EXPECT_EQ(QDir::match(shown, name), name != "TCS" || parts[i] == "*.*")
            << filter << " " << name.toStdString();
    }
  }
}

// The real front end: Enter and Escape keep what Yes would drop, a question opens over its window
// with no "Loading..." behind, and each answer has its own access key, in English and German.
TEST(QtFrontendSmoke, QuestionsDefaultToNoAndEachAnswerHasItsAccessKey) {
  QWidget parent, other;
  other.show();
  QString status;
  QtFrontend frontend(
      &parent, [&](const QString& text) { status = text; }, [&] { return status; });
  for (const bool german : {false, true}) {
    const std::unique_ptr<TranslatedWindow> language(german ? new TranslatedWindow(QLocale("de"))
                                                            : nullptr);
    for (int question = 0; question < 3; ++question) {
      other.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
      frontend.ShowStatus("Loading... x.bin");
      bool kept = false;
      QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QSet<QChar> keys;
        for (QAbstractButton* button : box->buttons()) keys << AccessKeyOf(button->text());
        EXPECT_TRUE(keys.size() == box->buttons().size() && !keys.contains(QChar()));
        kept = box->defaultButton() == box->escapeButton() && box->parentWidget() == &other &&
               status.isEmpty() && box->windowTitle() == "Chanforge";
        QTest::keyClick(box, Qt::Key_Return);
      });
      const bool yes =
          question == 0 ? frontend.AskYesNo("Overwrite ?")
          : question == 1
              ? frontend.AskSaveChanges(common::Value("Save ?")) != common::SaveAnswer::kCancel
              : frontend.AskChoice(common::Value("Remove ?"), common::Value("Remove"),
                                   common::Value("Cancel"));
      EXPECT_FALSE(yes);
      EXPECT_TRUE(kept) << german << question;
    }
  }
  EXPECT_TRUE(IsInvalidProposal("/no/such/folder/x.bin"));
}

// An exception that reaches the event loop becomes a message, not the end of the program.
TEST(ApplicationLastResort, TurnsAnExceptionIntoAMessage) {
  auto* app = static_cast<Application*>(QApplication::instance());
  QString reported;
  const auto keep = app->report_failure;
  app->report_failure = [&](const QString& text) { reported = text; };
  QTimer::singleShot(0, [] { throw std::bad_alloc(); });
  QApplication::processEvents();
  QApplication::processEvents();
  app->report_failure = keep;
  EXPECT_TRUE(reported.startsWith("The command failed: std::bad_alloc"));
}

// The window's languages are built into the program; English, and a language it lacks,
// install nothing, so the window stays as written.
TEST(Translations, EveryLanguageIsBuiltInAndOthersStayEnglish) {
  for (const char* name : {"en_US", "sv_SE", "C"}) EXPECT_FALSE(InstallTranslations(QLocale(name)));
  const QString filters = QtFilterList("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*");
  EXPECT_EQ(filters, "CSV Files (*.csv);;All Files (*)");
  // A count picks its language's form: English's own where no translation is loaded.
  const auto unstored = [](std::size_t count) {
    return common::StoredAsWrittenQuestion({}, count, "a.txt");
  };
  for (const std::size_t n : {1, 2})
    EXPECT_EQ(MessageText(unstored(n)), DisplayText(common::Format(unstored(n))));
  {
    const TranslatedWindow german{QLocale("de")};
    EXPECT_TRUE(MessageText(unstored(1)).startsWith("1 Zeile von a.txt wird nicht wie"));
    EXPECT_TRUE(MessageText(unstored(2)).startsWith("2 Zeilen von a.txt werden nicht wie"));
    // A word the sentence is made of is in the sentence's language too.
    EXPECT_TRUE(MessageText(flash::RecordSizeQuestion("a.bin", 31, common::ListKind::kChannels))
                    .contains("Kanal-Datens"));
    EXPECT_EQ(CompiledComment("Dec  9 2026"), "Kompiliert: 09.12.2026");  // no English month
  }
  // Polish has three forms: one, a few (2-4, 22-24, but not 12-14), and many.
  const TranslatedWindow polish{QLocale("pl_PL")};
  const char* forms[] = {"%1 linia pliku a.txt nie zostanie zapisana",
                         "%1 linie pliku a.txt nie zostan\u0105 zapisane",
                         "%1 linii pliku a.txt nie zostanie zapisanych"};
  for (const auto& [n, form] :
       std::map<std::size_t, int>{{1, 0}, {2, 1}, {5, 2}, {12, 2}, {22, 1}, {25, 2}}) {
    EXPECT_TRUE(MessageText(unstored(n)).startsWith(QString(forms[form]).arg(n))) << n;
  }
}

// Help > Language keeps the choice for the next start, each language named in itself; nothing
// chosen, or a value this version does not know, follows the system.
TEST_F(UiTest, TheLanguageMenuKeepsTheChoiceForTheNextStart) {
  Window();
  EXPECT_TRUE(Get<QAction>("actLanguage_system")->isChecked());
  EXPECT_EQ(Get<QAction>("actLanguage_pl")->text(), "Polski");
  Get<QAction>("actLanguage_pl")->trigger();
  EXPECT_TRUE(Get<QAction>("actLanguage_pl")->isChecked());
  EXPECT_FALSE(Get<QAction>("actLanguage_system")->isChecked());
  EXPECT_EQ(Text("StatusText"), "Language from the next start: Polski");
  EXPECT_EQ(WindowLocale(store_).language(), QLocale::Polish);
  window_.reset();
  EXPECT_TRUE(Get<QAction>("actLanguage_pl")->isChecked());  // a new window reads it back
  Get<QAction>("actLanguage_system")->trigger();
  EXPECT_EQ(WindowLocale(store_), QLocale::system());
  store_.SaveSettingString(kAppKey, kLanguageSetting, "xx");
  EXPECT_EQ(WindowLocale(store_), QLocale::system());
  // A store that cannot be written keeps nothing, and the menu and the status say so.
  SettingsStore folder(QString::fromStdString(dir_.Path("")));
  MainWindow other(&ui_, &folder);
  other.findChild<QAction*>("actLanguage_pl")->trigger();
  EXPECT_TRUE(other.findChild<QAction*>("actLanguage_system")->isChecked());
  EXPECT_EQ(other.findChild<QLabel*>("StatusText")->text(),
            "The language could not be kept: the settings cannot be written");
}

// A capital's umlaut reaches above the font's ascent: in a box a little shorter than its line
// (a fixed-size button's caption) its dots must still show.
TEST(BuiltInPictureStyle, DrawsACaptionWholeInABoxShorterThanItsLine) {
  const QString umlaut = QString::fromUtf8("\u00dc");
  QImage image(40, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const QFontMetrics metrics = painter.fontMetrics();
  BuiltInPictureStyle("Fusion").drawItemText(&painter, {0, 20, 40, metrics.height() - 1},
                                             Qt::AlignCenter, QPalette(), true, umlaut);
  painter.end();
  QImage above = image.copy(0, 0, 40, 20), blank = above;
  blank.fill(Qt::white);
  EXPECT_EQ(above != blank, metrics.tightBoundingRect(umlaut).top() < -metrics.ascent());
}

// On Fusion the group box frame is drawn from Fusion's own picture; it must look the same,
// titled or not, within one level of rounding.
TEST(BuiltInPictureStyle, DrawsFusionsGroupBoxFrame) {
  std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
  BuiltInPictureStyle ours("Fusion");
  for (const char* title : {"ChannelList (TCS) Convert", ""}) {
    QImage drawn[2];
    QStyle* styles[] = {fusion.get(), &ours};
    for (int i = 0; i < 2; ++i) {
      QGroupBox box(title);
      box.setStyle(styles[i]);
      box.resize(257, 137);
      drawn[i] = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    ASSERT_EQ(drawn[0].size(), drawn[1].size());
    int farthest = 0;
    for (int y = 0; y < drawn[0].height(); ++y) {
      for (int x = 0; x < drawn[0].width(); ++x) {
        const QRgb a = drawn[0].pixel(x, y), b = drawn[1].pixel(x, y);
        farthest = std::max({farthest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                             std::abs(qBlue(a) - qBlue(b))});
      }
    }
    EXPECT_LE(farthest, 1) << title;
    // A frame is there: the bottom edge differs from the middle.
    EXPECT_NE(drawn[1].pixel(128, 135), drawn[1].pixel(128, 100)) << title;
  }
}

}  // namespace
}  // namespace chanforge::ui
