// The window driven as users drive it: every action and button of every window and dialog in
// four states, and random runs of user steps, each checked against the core and the disk.
#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <algorithm>
#include <cstdlib>
#include <random>
#include <sstream>

#include "editing/list_commands.h"
#include "editing/sample_image.h"
#include "support/workspace.h"
#include "ui/list_editor.h"
#include "ui/widgets.h"
#include "ui_fixture.h"

namespace chanforge::ui {
namespace {

using Rows = std::vector<std::size_t>;
using editing::ListKind;

ListEditor* Editor() { return static_cast<ListEditor*>(TopLevel("ListEditor")); }

// The editor open in a cell of the view, if any.
QLineEdit* OpenCell(QTableView* view) {
  for (QLineEdit* cell : view->viewport()->findChildren<QLineEdit*>()) {
    if (!cell->isHidden()) return cell;
  }
  return nullptr;
}

QAbstractItemModel* Source(QTableView* view) {
  return static_cast<QSortFilterProxyModel*>(view->model())->sourceModel();
}

// The editor's tables against the image in memory, each cell as the field table reads it:
// what chanforge-cli channels and transponders print of the image.
void ExpectTablesShow(const std::string& bytes) {
  if (!Editor()) return;
  flash::Workspace workspace = testing::LoadedWorkspace(bytes);
  const editing::ListDocument document(workspace);
  const auto cell = [](QTableView* view, std::size_t row, std::size_t field) {
    return Source(view)->index(static_cast<int>(row), static_cast<int>(field) + 1).data(Qt::EditRole);
  };
  QTableView* channels = Editor()->channel_view();
  ASSERT_EQ(Source(channels)->rowCount(), static_cast<int>(document.channels().size()));
  for (std::size_t row = 0; row < document.channels().size(); ++row) {
    const editing::ChannelRecord& channel = document.channels()[row];
    std::string name(channel.name.data(), channel.name.size());  // all but the NUL padding
    name.erase(name.find_last_not_of('\0') + 1);
    EXPECT_EQ(cell(channels, row, 0).toString(), Latin1(name));
    for (std::size_t f = 1; f < editing::kChannelFieldCount; ++f) {
      EXPECT_EQ(cell(channels, row, f).toLongLong(),
                channels::ChannelValue(channel, editing::ChannelField(f)));
    }
  }
  QTableView* transponders = Editor()->transponder_view();
  ASSERT_EQ(Source(transponders)->rowCount(), static_cast<int>(document.transponders().size()));
  for (std::size_t row = 0; row < document.transponders().size(); ++row) {
    for (std::size_t f = 0; f < transponders::kTransponderFieldCount; ++f) {
      EXPECT_EQ(cell(transponders, row, f).toLongLong(),
                transponders::TransponderValue(document.transponders()[row],
                                               transponders::TransponderField(f)));
    }
  }
}

// A dialog run with exec() that no step answers: a file chooser, a box of Qt's own.
ModalAnswers RejectOthers() {
  return ModalAnswers([](QWidget* dialog) {
    if (qobject_cast<QFileDialog*>(dialog) || dialog->objectName().isEmpty()) {
      static_cast<QDialog*>(dialog)->reject();
    }
  });
}

class ActionsTest : public UiTest {
 protected:
  std::string Bytes() { return std::string(Window().workspace().image().bytes()); }
  // Presses every button of every window that opened, one of the closing ones last (the
  // `which`th), until none is left but the main window and the editor.
  void AnswerWindows(int which) {
    for (int round = 0; round < 4; ++round) {
      QApplication::processEvents();
      std::vector<QPointer<QWidget>> windows;
      for (QWidget* w : QApplication::topLevelWidgets()) windows.emplace_back(w);
      for (QWidget* w : windows) {
        if (!w) continue;  // closed and deleted by a button pressed before
        const QString name = w->objectName();
        if (!w->isVisible() || w == &Window() || name == "ListEditor" || !w->isWindow() ||
            w->inherits("QMenu") || w->inherits("QTipLabel")) {
          continue;
        }
        if (round == 3 || name == "PrintPreview") {  // Qt's own preview: its buttons print
          w->close();
          continue;
        }
        std::vector<QPointer<QAbstractButton>> buttons, closing;
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
          const bool closes = qobject_cast<QDialogButtonBox*>(b->parentWidget()) ||
                              b->objectName() == "CmdOK";
          if (b->isVisible()) (closes ? closing : buttons).push_back(b);
        }
        if (!closing.empty()) buttons.push_back(closing[std::size_t(which) % closing.size()]);
        for (const QPointer<QAbstractButton>& button : buttons) {
          if (button && button->isEnabled()) button->click();
          QApplication::processEvents();
        }
      }
    }
  }
};

// Every action and button, with no image, an image, unsaved changes and a name being typed.
// Nothing crashes, the tables show the image, and what was typed is in the image, in its
// open cell, in the file or one Redo away: never dropped.
TEST_F(ActionsTest, EveryActionInEveryState) {
  const std::string image = dir_.Write("f.bin", editing::MakeSampleImage());
  int written = 0;
  ui_.otherwise_yes = [] { return true; };
  ui_.otherwise_choose = [&](const common::FileRequest& request) {
    const bool open = request.kind == common::FileDialogKind::kOpen;
    return common::FileChoice{common::FileChoiceStatus::kChosen,
                              open ? image : dir_.Path("out" + std::to_string(++written))};
  };
  const ModalAnswers others = RejectOthers();
  Window().show();
  Load(image);
  Get<QAction>("actEditLists")->trigger();
  const auto targets = [](QWidget* window) {
    QStringList names;
    for (QAction* action : window->findChildren<QAction*>()) {
      if (action->objectName().startsWith("act")) names << action->objectName();
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      names << button->objectName();
    }
    names.removeDuplicates();
    names.removeIf([](const QString& name) { return name.isEmpty() || name.startsWith("qt_"); });
    return names;
  };
  const QStringList in_main = targets(&Window()), in_editor = targets(Editor());
  EXPECT_GT(in_main.size() + in_editor.size(), 50);
  enum State { kNoImage, kImage, kUnsaved, kTyping };
  for (const State state : {kNoImage, kImage, kUnsaved, kTyping}) {
    for (const QString& target : in_main + in_editor) {
      const bool editor_target = in_editor.contains(target);
      if (state == kNoImage && editor_target) continue;
      SCOPED_TRACE(target.toStdString() + " in state " + std::to_string(state));
      window_.reset();
      dir_.Write("f.bin", editing::MakeSampleImage());
      Window().show();
      if (state != kNoImage) Load(image);
      if (state >= kUnsaved) Window().Push(editing::RemoveChannels({0}));
      if (state == kTyping || editor_target) Get<QAction>("actEditLists")->trigger();
      if (state == kTyping) {
        QTableView* view = Editor()->channel_view();
        view->setCurrentIndex(view->model()->index(1, 1));
        QTest::keyClick(view, Qt::Key_F2);
        OpenCell(view)->setText("Typed");
      }
      const std::size_t steps = Window().undo_stack().index();
      QWidget* window = editor_target ? static_cast<QWidget*>(Editor()) : &Window();
      if (auto* action = window->findChild<QAction*>(target)) {
        action->trigger();
      } else {
        window->findChild<QAbstractButton*>(target)->click();
      }
      AnswerWindows(state);
      ExpectTablesShow(Bytes());
      if (state != kTyping) continue;
      QLineEdit* cell = Editor() ? OpenCell(Editor()->channel_view()) : nullptr;
      const editing::UndoStack& history = Window().undo_stack();
      EXPECT_TRUE((cell && cell->text() == "Typed") || Bytes().find("Typed") != std::string::npos ||
                  testing::TempDir::Read(image).find("Typed") != std::string::npos ||
                  history.index() >= steps + 2 ||  // the name, then what the action did to it
                  (history.CanRedo() && common::Format(history.RedoDescription()) ==
                                            "Rename channel 2"));
    }
  }
}

// One random run of user steps on a random image. After each: the disk changed only through
// a save, the tables show the image, and a move, delete or duplicate changed exactly what the
// core's step on the rows selected changes. At the end, undoing every step gives the loaded
// bytes. A failure names the seed and the steps.
class RandomRun {
 public:
  RandomRun(MainWindow& window, testing::ScriptedFrontend& ui, const std::string& path,
            unsigned seed)
      : window_(window), ui_(ui), path_(path), random_(seed) {
    ui_.otherwise_yes = [this] {
      log_ << (last_answer_ = Chance(2)) << ' ';
      return last_answer_;
    };
  }

  static std::string Image(std::mt19937& random) {
    std::string tpt, tcs;
    const auto number = [&random](unsigned below) { return unsigned(random() % below); };
    const unsigned transponders = 1 + number(12);
    for (unsigned t = 0; t < transponders; ++t) {
      tpt += testing::TptRecord(950000000 + number(1200000000), std::uint16_t(t), 1, 0,
                                std::uint8_t(27), std::uint8_t(random() % 4),
                                std::uint8_t(random() % 16 & 0x0B));
    }
    for (unsigned c = 0, channels = number(40); c < channels; ++c) {
      const char* names[] = {"ZDF", "Das Erste HD", "Caf\xE9", "", "ARTE", "3sat"};
      tcs += testing::TcsRecord(names[random() % 6], random() % 2 ? 4 : 8,
                                std::uint8_t(1 + random() % transponders),
                                std::uint16_t(random() % 40000), 100, 101);
    }
    // Two to four blocks: a block past the lists, or none.
    return testing::FlashImageBuilder(0x10000 * (2 + number(3)))
        .Block(0, "TCS", tcs)
        .Block(1, "TPT", tpt)
        .Build();
  }

  void Play(int steps) {
    const std::string loaded = Bytes();
    std::string on_disk = testing::TempDir::Read(path_);
    for (int step = 0; step < steps && !::testing::Test::HasFailure(); ++step) {
      const int kind = Chance(15);
      log_ << "\n" << kind << ": ";
      const std::string before = Bytes();
      expected_ = before;
      Step(kind);
      QApplication::processEvents();
      if (kind == 12 && !window_.workspace().dirty()) on_disk = before;
      EXPECT_TRUE(testing::TempDir::Read(path_) == on_disk) << "the disk changed";
      const std::string after = Bytes();
      EXPECT_TRUE(expected_.empty() || Lists(after) == Lists(expected_)) << "not the core's step";
      ExpectTablesShow(after);
    }
    if (auto* editor = Editor()) editor->close();
    while (window_.undo_stack().CanUndo()) window_.findChild<QAction*>("actUndo")->trigger();
    EXPECT_TRUE(Bytes() == loaded) << "undoing every step";
    if (::testing::Test::HasFailure()) ADD_FAILURE() << "steps: " << log_.str();
  }

 private:
  std::string Bytes() const { return std::string(window_.workspace().image().bytes()); }
  // The records of both lists. What a block holds behind its list follows from the document's
  // history (a list that grew and shrank again puts back what was there), which the core's
  // step on a document read afresh does not have.
  using Records = std::pair<std::vector<editing::ChannelRecord>, std::vector<editing::TransponderRecord>>;
  static Records Lists(std::string bytes) {
    flash::Workspace workspace = testing::LoadedWorkspace(std::move(bytes));
    const editing::ListDocument document(workspace);
    return {document.channels(), document.transponders()};
  }
  int Chance(int n) { return static_cast<int>(random_() % unsigned(n)); }
  QTableView* View() const {
    if (!Editor()) return nullptr;
    const bool channels = Editor()->findChild<QTabWidget*>()->currentIndex() == 0;
    return channels ? Editor()->channel_view() : Editor()->transponder_view();
  }
  ListKind Kind() const {
    return View() == Editor()->channel_view() ? ListKind::kChannels : ListKind::kTransponders;
  }
  Rows Selected() {
    Rows rows;
    for (const QModelIndex& index : View()->selectionModel()->selectedRows()) {
      rows.push_back(std::size_t(index.data().toInt() - 1));
    }
    std::sort(rows.begin(), rows.end());
    log_ << (Kind() == ListKind::kChannels ? "channels" : "transponders");
    for (const std::size_t row : rows) log_ << ' ' << row + 1;
    log_ << ": ";
    return rows;
  }
  // What the core's command makes of the image before the step; unchanged without one.
  void Expect(const std::function<std::unique_ptr<editing::Command>(editing::ListDocument&)>& make) {
    flash::Workspace core = testing::LoadedWorkspace(expected_);
    editing::ListDocument document(core);
    if (auto command = make(document)) command->Apply(document);
    expected_ = core.image().bytes();
  }
  void Keys(const char* keys) { QTest::keySequence(View(), QKeySequence(keys)); }

  void Step(int kind) {
    QTableView* view = View();
    const int shown = view ? view->model()->rowCount() : 0;
    const bool list_step = kind <= 7;
    if (list_step && (!view || (kind != 1 && kind != 6 && shown == 0))) {
      expected_.clear();
      return;
    }
    if (kind > 7 || kind == 0 || kind == 1 || kind == 6 || kind == 7) expected_.clear();
    switch (kind) {
      case 0: {  // rows with gaps: a click, then Alt+arrows and Ctrl+Space
        int row = Chance(shown);
        view->selectRow(row);
        for (int more = Chance(3); more > 0; --more) {
          const int to = Chance(shown), by = to < row ? -1 : 1;
          for (; row != to; row += by) Keys(by < 0 ? "Alt+Up" : "Alt+Down");
          QTest::keyClick(view, Qt::Key_Space, Qt::ControlModifier);
        }
        log_ << "select";
        break;
      }
      case 1: {  // find a text some row shows, or nothing
        auto* find = view->parentWidget()->findChild<QLineEdit*>();
        QString text;
        if (shown && Chance(3)) {
          const QString cell = view->model()->index(Chance(shown), 1 + Chance(4)).data().toString();
          text = cell.mid(Chance(int(cell.size()) + 1), 1 + Chance(3));
        }
        find->setText(text);
        log_ << "find '" << text.toStdString() << "'";
        break;
      }
      case 2:
      case 3: {  // one place up or down in the whole list
        const int step = kind == 2 ? -1 : 1;
        const Rows rows = Selected();
        if (!rows.empty() &&
            editing::CheckStep(rows, step, Source(view)->rowCount(), Kind()).empty()) {
          Expect([&](editing::ListDocument& d) { return editing::StepRows(d, Kind(), rows, step); });
        }
        Keys(step < 0 ? "Ctrl+Up" : "Ctrl+Down");
        log_ << (step < 0 ? "up" : "down");
        break;
      }
      case 4: {  // dragged onto a row shown, or past the last
        const Rows rows = Selected();
        const int onto = Chance(shown + 1);
        if (rows.empty()) break;
        const std::size_t before = onto == shown ? std::size_t(Source(view)->rowCount())
                                                 : std::size_t(view->model()->index(onto, 0).data().toInt() - 1);
        Expect([&](editing::ListDocument& d) { return editing::MoveRows(d, Kind(), rows, before); });
        const std::unique_ptr<QMimeData> data(
            view->model()->mimeData(view->selectionModel()->selectedIndexes()));
        view->model()->dropMimeData(data.get(), Qt::MoveAction, onto, 0, {});
        log_ << "drag onto " << onto;
        break;
      }
      case 5: {  // delete; a transponder in use asks
        const Rows rows = Selected();
        const std::size_t asked = ui_.questions.size();
        const ListKind list = Kind();
        Keys("Del");
        if (rows.empty() || (ui_.questions.size() > asked && !last_answer_)) break;
        Expect([&](editing::ListDocument&) {
          return list == ListKind::kChannels ? editing::RemoveChannels(rows)
                                             : editing::RemoveTransponders(rows);
        });
        log_ << "delete";
        break;
      }
      case 6:
      case 7: {  // insert before the current row, or duplicate behind the last selected
        const Rows rows = Selected();
        if (kind == 7 && !rows.empty()) {
          Expect([&](editing::ListDocument& d) -> std::unique_ptr<editing::Command> {
            if (Kind() == ListKind::kChannels) {
              if (!editing::CheckInsertChannels(d, rows.size()).empty()) return nullptr;
              std::vector<editing::ChannelRecord> copies;
              for (const std::size_t row : rows) copies.push_back(d.channels()[row]);
              return editing::InsertChannels(rows.back() + 1, copies, true);
            }
            if (!editing::CheckInsertTransponders(d, rows.size()).empty()) return nullptr;
            std::vector<editing::TransponderRecord> copies;
            for (const std::size_t row : rows) copies.push_back(d.transponders()[row]);
            return editing::InsertTransponders(rows.back() + 1, copies);
          });
        }
        Keys(kind == 6 ? "Ins" : "Ctrl+D");
        log_ << (kind == 6 ? "insert" : "duplicate");
        break;
      }
      case 8: {  // a value typed, refused or not: Enter, and Escape when it stays open
        if (!view || shown == 0) break;
        const bool channels = Kind() == ListKind::kChannels;
        view->setCurrentIndex(view->model()->index(Chance(shown), channels ? 1 + 3 * Chance(2) : 1));
        QTest::keyClick(view, Qt::Key_F2);
        QLineEdit* cell = OpenCell(view);
        if (!cell) break;
        const char* texts[] = {"ORF 1", "11778000", "28106", "70000", "Name ", "x\xE2\x82\xAC"};
        const QString text = QString::fromUtf8(texts[Chance(6)]);
        cell->setText(text);
        QTest::keyClick(cell, Qt::Key_Return);
        QApplication::processEvents();
        if (OpenCell(view)) QTest::keyClick(OpenCell(view), Qt::Key_Escape);
        log_ << "type '" << text.toStdString() << "'";
        break;
      }
      case 9:
      case 10:
        window_.findChild<QAction*>(kind == 9 ? "actUndo" : "actRedo")->trigger();
        log_ << (kind == 9 ? "undo" : "redo");
        break;
      case 11: {  // a block read from a file, cleared or swapped in the main window
        const char* buttons[] = {"CmdBlRead", "CmdClr", "CmdSwap"};
        const char* button = buttons[Chance(3)];
        window_.findChild<QListWidget*>("List1")->setCurrentRow(Chance(3));
        if (window_.findChild<QAbstractButton*>(button)->isEnabled()) {
          window_.findChild<QAbstractButton*>(button)->click();
        }
        log_ << button;
        break;
      }
      case 12:
        window_.findChild<QAction*>("actSave")->trigger();
        log_ << "save";
        break;
      case 13:
        if (Editor()) {
          Editor()->close();
        } else {
          window_.findChild<QAction*>("actEditLists")->trigger();
        }
        log_ << "editor";
        break;
      default:
        if (Editor()) Editor()->findChild<QTabWidget*>()->setCurrentIndex(Chance(2));
        log_ << "tab";
    }
  }

  MainWindow& window_;
  testing::ScriptedFrontend& ui_;
  std::string path_;
  std::mt19937 random_;
  std::ostringstream log_;
  std::string expected_;  // an image with the lists the step must give; empty: not checked
  bool last_answer_ = false;
};

int FromEnvironment(const char* name, int otherwise) {
  const char* text = std::getenv(name);
  return text ? std::atoi(text) : otherwise;
}

// CHANFORGE_RANDOM_SEED replays one run (or starts the runs there), CHANFORGE_RANDOM_RUNS and
// CHANFORGE_RANDOM_STEPS make more or longer ones; scripts/random-actions runs many.
TEST_F(ActionsTest, RandomRunsLoseNothing) {
  const int first = FromEnvironment("CHANFORGE_RANDOM_SEED", 1);
  const int runs = FromEnvironment("CHANFORGE_RANDOM_RUNS", CHANFORGE_RANDOM_RUNS);
  const ModalAnswers others = RejectOthers();
  for (int seed = first; seed < first + runs && !HasFailure(); ++seed) {
    SCOPED_TRACE("CHANFORGE_RANDOM_SEED=" + std::to_string(seed));
    std::mt19937 random(static_cast<unsigned>(seed));
    const std::string path = dir_.Write("random.bin", RandomRun::Image(random));
    dir_.Write("block.bin", RandomRun::Image(random).substr(0x44, 600));
    window_.reset();
    ui_.otherwise_choose = [&](const common::FileRequest&) {
      return common::FileChoice{common::FileChoiceStatus::kChosen, dir_.Path("block.bin")};
    };
    Window().show();
    Load(path);
    Get<QAction>("actEditLists")->trigger();
    RandomRun run(Window(), ui_, path, static_cast<unsigned>(random()));
    run.Play(FromEnvironment("CHANFORGE_RANDOM_STEPS", 50));
  }
}

}  // namespace
}  // namespace chanforge::ui
