// The window driven as users drive it: every action and button of every window and dialog in
// four states, and random runs of user steps, each checked against the core and the disk.
#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMimeData>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <random>
#include <set>
#include <sstream>

#include "editing/list_commands.h"
#include "editing/sample_image.h"
#include "support/workspace.h"
#include "ui/list_editor.h"
#include "ui_fixture.h"

namespace chanforge::ui {
namespace {

using Rows = std::vector<std::size_t>;
using common::ListKind;

ListEditor* Editor() { return static_cast<ListEditor*>(TopLevel("ListEditor")); }

// The editor open in a cell of the view, if any.
QLineEdit* OpenCell(QTableView* view) {
  for (QLineEdit* cell : view->viewport()->findChildren<QLineEdit*>())
    if (!cell->isHidden()) return cell;
  return nullptr;
}

QAbstractItemModel* Source(QTableView* view) {
  return static_cast<QSortFilterProxyModel*>(view->model())->sourceModel();
}

// The records of both lists: what a block holds behind them follows from the history (a list
// that grew and shrank puts back what was there), which a document read afresh lacks.
auto Lists(std::string bytes) {
  flash::Workspace workspace = testing::LoadedWorkspace(std::move(bytes));
  const editing::ListDocument document(workspace);
  return std::pair(document.channels(), document.transponders());
}

// The editor's tables against the image in memory: the records chanforge-cli channels and
// transponders print, row by row and every byte of each.
void ExpectTablesShow(const std::string& bytes) {
  if (!Editor()) return;
  const auto [channels, transponders] = Lists(bytes);
  for (const int side : {0, 1}) {
    const auto* table = static_cast<const ListTableModel*>(
        Source(side ? Editor()->transponder_view() : Editor()->channel_view()));
    ASSERT_EQ(std::size_t(table->rowCount()), side ? transponders.size() : channels.size());
    for (std::size_t row = 0; row < std::size_t(table->rowCount()); ++row) {
      EXPECT_TRUE(table->RecordKey(int(row)) ==
                  (side ? transponders[row].Encode() : channels[row].Encode()))
          << "row " << row;
    }
  }
}

// A dialog run with exec() that no step answers: a file chooser, a box of Qt's own.
ModalAnswers RejectOthers() {
  return ModalAnswers([](QWidget* dialog) {
    if (qobject_cast<QFileDialog*>(dialog) || dialog->objectName().isEmpty())
      static_cast<QDialog*>(dialog)->reject();
  });
}

class ActionsTest : public UiTest {
 protected:
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
          const bool closes =
              qobject_cast<QDialogButtonBox*>(b->parentWidget()) || b->objectName() == "CmdOK";
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

// Every action and button with no image, an image, unsaved changes, a name being typed: no crash,
// the tables show the image, an unchanged file stays, what was typed is never dropped.
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
  Load(image);
  Get<QAction>("actEditLists")->trigger();
  const auto targets = [](QWidget* window) {
    QStringList names;
    for (QAction* action : window->findChildren<QAction*>())
      if (action->objectName().startsWith("act")) names << action->objectName();
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
      names << button->objectName();
    names.removeDuplicates();
    names.removeIf([](const QString& name) { return name.isEmpty() || name.startsWith("qt_"); });
    return names;
  };
  const QStringList in_main = targets(&Window()), in_editor = targets(Editor());
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
      if (auto* action = window->findChild<QAction*>(target))
        action->trigger();
      else
        window->findChild<QAbstractButton*>(target)->click();
      AnswerWindows(state);
      ExpectTablesShow(Bytes());
      EXPECT_TRUE(state > kImage || testing::TempDir::Read(image) == editing::MakeSampleImage());
      if (state != kTyping) continue;
      QLineEdit* cell = Editor() ? OpenCell(Editor()->channel_view()) : nullptr;
      const editing::UndoStack& history = Window().undo_stack();
      EXPECT_TRUE(
          (cell && cell->text() == "Typed") || Bytes().find("Typed") != std::string::npos ||
          testing::TempDir::Read(image).find("Typed") != std::string::npos ||
          history.index() >= steps + 2 ||  // the name, then what the action did to it
          (history.CanRedo() && common::Format(history.RedoDescription()) == "Rename channel 2"));
    }
  }
}

// Random user steps on random images. After each: only a save changed the disk, the tables show
// the image, a row step gave the core's lists; undoing all gives the loaded bytes. Seeds named.
class RandomRun : public ActionsTest {
 protected:
  // Up to 12 transponders and 40 channels on them, in two to four blocks.
  static std::string Image(std::mt19937& random) {
    const auto number = [&random](unsigned below) { return unsigned(random() % below); };
    const unsigned transponders = 1 + number(12);
    const char* names[] = {"ZDF", "Das Erste HD", "Caf\xE9", "", "ARTE", "3sat"};
    std::string tpt, tcs;
    for (unsigned t = 0; t < transponders; ++t)
      tpt += testing::TptRecord(950000000 + number(1200000000), 1, 1, 0, 27,
                                std::uint8_t(number(4)), std::uint8_t(number(16) & 0x0B));
    for (unsigned c = number(40); c > 0; --c)
      tcs += testing::TcsRecord(names[number(6)], number(2) ? 4 : 8,
                                std::uint8_t(1 + number(transponders)),
                                std::uint16_t(number(40000)), 100, 101);
    return testing::FlashImageBuilder(0x10000 * (2 + number(3)))
        .Block(0, "TCS", tcs)
        .Block(1, "TPT", tpt)
        .Build();
  }

  void Play(const std::string& path, int steps) {
    ui_.otherwise_yes = [this] {
      log_ << (last_answer_ = Chance(2)) << ' ';
      return last_answer_;
    };
    const std::string loaded = Bytes();
    std::string on_disk = testing::TempDir::Read(path);
    for (int step = 0; step < steps && !HasFailure(); ++step) {
      const int kind = Chance(15);
      log_ << "\nstep " << kind << ": ";  // as the cases below number them
      const std::string before = expected_ = Bytes();
      Step(kind);
      QApplication::processEvents();
      if (kind == 12 && !Window().workspace().dirty()) on_disk = before;
      EXPECT_TRUE(testing::TempDir::Read(path) == on_disk) << "the disk changed";
      const std::string after = Bytes();
      EXPECT_TRUE(expected_.empty() || Lists(after) == Lists(expected_)) << "not the core's step";
      ExpectTablesShow(after);
    }
    if (auto* editor = Editor()) editor->close();
    while (Window().undo_stack().CanUndo()) Get<QAction>("actUndo")->trigger();
    EXPECT_TRUE(Bytes() == loaded) << "undoing every step";
    if (HasFailure()) ADD_FAILURE() << "steps: " << log_.str();
  }

  int Chance(int n) { return static_cast<int>(random_() % unsigned(n)); }
  QTableView* View() const {
    if (!Editor()) return nullptr;
    const bool channels = Editor()->findChild<QTabWidget*>()->currentIndex() == 0;
    return channels ? Editor()->channel_view() : Editor()->transponder_view();
  }
  void Keys(const char* keys) { QTest::keySequence(View(), QKeySequence(keys)); }
  void OpenEditor() {  // active, as its keys work in the active window only
    Get<QAction>("actEditLists")->trigger();
    Editor()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(Editor()));
  }
  // The list row (0-based) of a row shown.
  static std::size_t Nr(const QModelIndex& shown) {
    return std::size_t(shown.siblingAtColumn(0).data().toInt() - 1);
  }

  void Step(int kind) {
    QTableView* view = View();
    const int shown = view ? view->model()->rowCount() : 0;
    // Steps on rows need the editor, and rows but for a find and an insert.
    if (kind <= 8 && (!view || (shown == 0 && kind != 1 && kind != 6))) kind = -1;
    // The steps whose result the core's own step gives: moves, delete, insert, duplicate.
    if (kind < 2 || kind > 7) expected_.clear();
    const ListKind list =
        view && view == Editor()->channel_view() ? ListKind::kChannels : ListKind::kTransponders;
    Rows rows;
    for (const QModelIndex& index :
         view ? view->selectionModel()->selectedRows() : QModelIndexList()) {
      rows.push_back(Nr(index));
    }
    std::sort(rows.begin(), rows.end());
    for (const std::size_t row : rows) log_ << row + 1 << ' ';
    using Make = std::function<std::unique_ptr<editing::Command>(const editing::ListDocument&)>;
    const auto core = [&](const Make& make) {  // the core's step on the rows selected
      flash::Workspace image = testing::LoadedWorkspace(expected_);
      editing::ListDocument document(image);
      if (auto command = make(document)) command->Apply(document);
      expected_ = image.image().bytes();
    };
    switch (kind) {
      case 0: {  // rows with gaps: a click, then Alt+arrows and Ctrl+Space
        int row = Chance(shown);
        const QModelIndex clicked = view->model()->index(row, 1);
        view->scrollTo(clicked);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(clicked).center());
        std::set<int> chosen = {row}, selected;
        for (int more = Chance(3); more > 0; --more) {
          const int to = Chance(shown), by = to < row ? -1 : 1;
          for (; row != to; row += by) Keys(by < 0 ? "Alt+Up" : "Alt+Down");
          QTest::keyClick(view, Qt::Key_Space, Qt::ControlModifier);
          if (!chosen.erase(to)) chosen.insert(to);
        }
        for (const QModelIndex& index : view->selectionModel()->selectedRows())
          selected.insert(index.row());
        EXPECT_EQ(selected, chosen) << "the rows chosen by keyboard";
        break;
      }
      case 1: {  // find a text some row shows, or nothing
        QString text;
        if (shown && Chance(3)) {
          const QString cell = view->model()->index(Chance(shown), 1 + Chance(4)).data().toString();
          text = cell.mid(Chance(int(cell.size()) + 1), 1 + Chance(3));
        }
        view->parentWidget()->findChild<QLineEdit*>()->setText(text);
        log_ << "'" << text.toStdString() << "'";
        break;
      }
      case 2:
      case 3: {  // one place up or down in the whole list
        const int step = kind == 2 ? -1 : 1;
        if (!rows.empty() &&
            editing::CheckStep(rows, step, std::size_t(Source(view)->rowCount()), list).ok()) {
          core([&](const auto& d) { return editing::StepRows(d, list, rows, step); });
        }
        Keys(step < 0 ? "Ctrl+Up" : "Ctrl+Down");
        break;
      }
      case 4: {  // dragged onto a row shown, or past the last
        const int onto = Chance(shown + 1);
        if (rows.empty()) break;
        const std::size_t before = onto == shown ? std::size_t(Source(view)->rowCount())
                                                 : Nr(view->model()->index(onto, 0));
        core([&](const auto& d) { return editing::MoveRows(d, list, rows, before); });
        const std::unique_ptr<QMimeData> data(
            view->model()->mimeData(view->selectionModel()->selectedIndexes()));
        view->model()->dropMimeData(data.get(), Qt::MoveAction, onto, 0, {});
        log_ << "onto " << onto;
        break;
      }
      case 5: {  // delete; transponders in use ask, once for all of them
        const std::size_t asked = ui_.questions.size();
        Keys("Del");
        EXPECT_LE(ui_.questions.size(), asked + 1) << "one question for all of them";
        if (rows.empty() || (ui_.questions.size() > asked && !last_answer_)) break;
        core([&](const auto&) {
          return list == ListKind::kChannels ? editing::RemoveChannels(rows)
                                             : editing::RemoveTransponders(rows);
        });
        break;
      }
      case 6:
      case 7: {  // insert before the current row, or duplicate behind the last selected
        const QModelIndex current = view->currentIndex();
        const auto at = current.isValid() ? std::optional(Nr(current)) : std::nullopt;
        const std::size_t size = std::size_t(Source(view)->rowCount());
        // A refused step changes nothing.
        const auto step = [](common::Result<std::unique_ptr<editing::Command>> made) {
          return made.ok() ? std::move(*made) : nullptr;
        };
        if (kind == 6) {
          core([&](const auto& d) {
            return step(
                editing::InsertNewRow(d, list, at.value_or(rows.empty() ? size : rows[0]), at));
          });
        } else if (!rows.empty()) {
          core([&](const auto& d) { return step(editing::DuplicateRows(d, list, rows)); });
        }
        Keys(kind == 6 ? "Ins" : "Ctrl+D");
        break;
      }
      case 8: {  // a value typed, refused or not: Enter, and Escape when it stays open
        view->setCurrentIndex(view->model()->index(
            Chance(shown), list == ListKind::kChannels ? 1 + 3 * Chance(2) : 1));
        QTest::keyClick(view, Qt::Key_F2);
        const char* texts[] = {"ORF 1", "11778000", "28106", "70000", "Name ", "x\xE2\x82\xAC"};
        const QString text = QString::fromUtf8(texts[Chance(6)]);
        if (QLineEdit* cell = OpenCell(view)) {
          cell->setText(text);
          QTest::keyClick(cell, Qt::Key_Return);
          QApplication::processEvents();
          if (OpenCell(view)) QTest::keyClick(OpenCell(view), Qt::Key_Escape);
        }
        log_ << "'" << text.toStdString() << "'";
        break;
      }
      case 9:
      case 10:
        Get<QAction>(kind == 9 ? "actUndo" : "actRedo")->trigger();
        break;
      case 11: {  // a block read from a file, cleared or swapped in the main window
        const char* buttons[] = {"CmdBlRead", "CmdClr", "CmdSwap"};
        auto* button = Get<QAbstractButton>(buttons[Chance(3)]);
        Get<QListWidget>("List1")->setCurrentRow(Chance(3));
        if (button->isEnabled()) button->click();
        log_ << button->objectName().toStdString();
        break;
      }
      case 12:
        Get<QAction>("actSave")->trigger();
        break;
      case 13:
        if (Editor())
          Editor()->close();
        else
          OpenEditor();
        break;
      case 14:
        if (Editor()) Editor()->findChild<QTabWidget*>()->setCurrentIndex(Chance(2));
    }
  }

  std::mt19937 random_;
  std::ostringstream log_;
  std::string expected_;  // an image with the lists the step must give; empty: not checked
  bool last_answer_ = false;
};

int FromEnvironment(const char* name, int otherwise) {
  return std::getenv(name) ? std::atoi(std::getenv(name)) : otherwise;
}

// CHANFORGE_RANDOM_SEED replays one run (or starts the runs there), CHANFORGE_RANDOM_RUNS and
// CHANFORGE_RANDOM_STEPS make more or longer ones; scripts/random-actions runs many.
TEST_F(RandomRun, LosesNothing) {
  const int first = FromEnvironment("CHANFORGE_RANDOM_SEED", 1);
  const int runs = FromEnvironment("CHANFORGE_RANDOM_RUNS", CHANFORGE_RANDOM_RUNS);
  const ModalAnswers others = RejectOthers();
  for (int seed = first; seed < first + runs && !HasFailure(); ++seed) {
    SCOPED_TRACE("CHANFORGE_RANDOM_SEED=" + std::to_string(seed));
    std::mt19937 random(static_cast<unsigned>(seed));
    const std::string path = dir_.Write("random.bin", Image(random));
    dir_.Write("block.bin", Image(random).substr(0x44, 600));
    window_.reset();
    ui_.otherwise_choose = [&](const common::FileRequest&) {
      return common::FileChoice{common::FileChoiceStatus::kChosen, dir_.Path("block.bin")};
    };
    Load(path);
    OpenEditor();
    random_.seed(static_cast<unsigned>(random()));
    log_.str("");
    Play(path, FromEnvironment("CHANFORGE_RANDOM_STEPS", 50));
  }
}

}  // namespace
}  // namespace chanforge::ui
