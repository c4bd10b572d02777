#include "ui/list_editor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "flash/blocks.h"
#include "satellites/satellite_rows.h"
#include "transponders/transponder_fields.h"
#include "ui/list_delegate.h"
#include "ui/qt_frontend.h"
#include "ui/satellite_dialog.h"
#include "ui/settings_store.h"
#include "ui/widgets.h"
#include "ui/workspace_signal.h"
#include "views/labels.h"

namespace chanforge::ui {

namespace {

// Filters by the find box through the model's own match; never sorts, so the rows keep
// the receiver's numbering.
class FindFilter : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  void SetText(const QString& text) {
    text_ = text.trimmed();
    invalidateRowsFilter();
  }
  void Refilter() {
    if (!text_.isEmpty()) invalidateRowsFilter();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& /*parent*/) const override {
    return static_cast<const ListTableModel*>(sourceModel())->Matches(row, text_);
  }

 private:
  QString text_;
};

QString ColumnWidths(const QTableView* view) {
  QStringList widths;
  for (int c = 0; c < view->model()->columnCount(); ++c) {
    widths << QString::number(view->columnWidth(c));
  }
  return widths.join(',');
}

}  // namespace

ListEditor::ListEditor(editing::ListDocument& document, common::Frontend& frontend,
                       WorkspaceSignal& signal, PushCommand push, SettingsStore& settings,
                       common::Files& files, const QList<QAction*>& history,
                       const QList<QAction*>& shortcuts, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      document_(document),
      frontend_(frontend),
      push_(std::move(push)),
      settings_(settings),
      files_(files) {
  setObjectName("ListEditor");
  setWindowTitle(tr("Edit Lists"));
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("ListTabs");
  tabs_->setAccessibleName(tr("Lists"));
  tabs_->addTab(BuildSide(sides_[0], new ChannelTableModel(document, push_, this), "ChannelTable",
                          tr("Find channels"), tr("List of channels")),
                tr("&Channels"));
  tabs_->addTab(BuildSide(sides_[1], new TransponderTableModel(document, push_, this),
                          "TransponderTable", tr("Find transponders"), tr("List of transponders")),
                tr("&Transponders"));
  setCentralWidget(tabs_);
  status_ = new QLabel(this);
  status_->setObjectName("EditorStatus");
  status_->setAccessibleName(tr("Status"));
  statusBar()->addWidget(status_, 1);
  BuildActions(history);
  // The main window's keys (Save, Check Image, Show Changes...) work here as well.
  addActions(shortcuts);
  connect(tabs_, &QTabWidget::currentChanged, this,
          [this](int tab) { sort_->setEnabled(tab == 0 && !sides_[0].model->ReadOnly()); });
  connect(&signal, &WorkspaceSignal::changed, this, &ListEditor::Refresh);
  resize(800, 560);
  Refresh();
  for (Side& side : sides_) {
    side.view->resizeColumnsToContents();
    for (int c = 0; c < side.model->columnCount(); ++c) {
      side.view->setColumnWidth(c, side.view->columnWidth(c) + 12);
    }
  }
  // Room for sixteen wide characters, whatever the loaded names are.
  sides_[0].view->setColumnWidth(
      1,
      std::max(sides_[0].view->columnWidth(1),
               sides_[0].view->fontMetrics().horizontalAdvance(QString(16, QChar('M'))) * 3 / 4));
  ApplySettings();
}

// The list's label, the transponders' Add from satellite, and the find box.
QHBoxLayout* ListEditor::BuildFindBar(Side& side, QWidget* page, const char* name,
                                      const QString& find_name) {
  side.find = new QLineEdit(page);
  side.find->setObjectName(QString(name) + "Find");
  side.find->setAccessibleName(find_name);
  AddClearButton(side.find);
  side.find->setPlaceholderText(tr("Any text of a row, as shown (Ctrl+F)"));
  // The whole hint, whatever its language, with room for the clear button.
  side.find->setMinimumWidth(
      std::max(240, side.find->fontMetrics().horizontalAdvance(side.find->placeholderText()) + 22));
  side.find->installEventFilter(this);
  connect(side.find, &QLineEdit::textChanged, this, [this, &side] { OnFind(side); });
  // Enter goes from the find box to its results.
  connect(side.find, &QLineEdit::returnPressed, this, [&side] { side.view->setFocus(); });
  auto* top = new QHBoxLayout;
  top->addWidget(side.info, 1);
  if (&side == &sides_[1]) {
    auto* add = new QPushButton(tr("Add from &satellite\u2026"), page);
    add->setObjectName("CmdAddSatellite");
    add->setToolTip(tr("Add transponders from a satellite's DVB-S scan table"));
    connect(add, &QPushButton::clicked, this, &ListEditor::OnAddFromSatellite);
    top->addWidget(add);
    top->addSpacing(12);
  }
  auto* label = new QLabel(tr("Find:"), page);
  label->setBuddy(side.find);
  top->addWidget(label);
  top->addWidget(side.find);
  return top;
}

void ListEditor::SetUpTable(QTableView* view) {
  view->setSortingEnabled(false);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::AnyKeyPressed);
  view->setDragEnabled(true);
  view->setAcceptDrops(true);
  view->setDropIndicatorShown(true);
  view->setDragDropMode(QAbstractItemView::InternalMove);
  view->setDefaultDropAction(Qt::MoveAction);
  view->setDragDropOverwriteMode(false);
  view->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
  view->installEventFilter(this);    // keys that choose rows with gaps
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->horizontalHeader()->setStretchLastSection(false);
  view->horizontalHeader()->setSectionsClickable(false);
}

QWidget* ListEditor::BuildSide(Side& side, ListTableModel* model, const char* name,
                               const QString& find_name, const QString& list_name) {
  auto* page = new QWidget(this);
  side.model = model;
  auto* proxy = new FindFilter(page);
  proxy->setSourceModel(model);
  proxy->setDynamicSortFilter(false);
  side.proxy = proxy;
  side.info = new QLabel(page);
  QHBoxLayout* top = BuildFindBar(side, page, name, find_name);

  QTableView* view = side.view = new QTableView(page);
  view->setObjectName(name);
  view->setAccessibleName(list_name);
  view->setModel(proxy);
  auto* delegate = side.delegate = new ListDelegate(
      [&side](const QModelIndex& index, const QString& text) {
        return side.model->Refusal(side.proxy->mapToSource(index), text);
      },
      view);
  connect(delegate, &ListDelegate::refused, this,
          [this](QWidget* editor, const QString& reason) { ShowRefusal(reason, editor); });
  connect(model, &ListTableModel::refused, this,
          [this, view](const QString& reason) { ShowRefusal(reason, view); });
  // The selection stays on the rows that moved, whether dragged or moved by key.
  connect(model, &ListTableModel::moved, this,
          [this, &side](const QList<int>& rows, const QString& said) {
            SelectRowList(side, rows);
            status_->setText(said);
          });
  view->setItemDelegate(delegate);
  SetUpTable(view);

  auto* layout = new QVBoxLayout(page);
  layout->addLayout(top);
  layout->addWidget(view);
  return page;
}

// The main window's Undo and Redo, here too.
void ListEditor::AddHistoryActions(QMenu* menu, QToolBar* bar, const QList<QAction*>& history) {
  // Fixed captions keep the buttons still; the step to be undone is in the tooltip.
  const QString captions[] = {tr("&Undo"), tr("&Redo")};
  for (int i = 0; i < history.size() && i < 2; ++i) {
    QAction* main = history[i];
    QAction* act = new QAction(captions[i], this);
    act->setObjectName(main->objectName() + "Here");
    act->setShortcuts(main->shortcuts());
    const auto follow = [act, main] {
      act->setEnabled(main->isEnabled());
      act->setToolTip(QString("%1 (%2)").arg(main->text().remove('&'),
                                             main->shortcut().toString(QKeySequence::NativeText)));
    };
    follow();
    connect(main, &QAction::changed, act, follow);
    connect(act, &QAction::triggered, main, &QAction::trigger);
    bar->addAction(act);
    menu->addAction(act);
  }
}

void ListEditor::AddSortMenu(QMenu* menu, QToolBar* bar) {
  auto* sort_menu = new QMenu(tr("&Sort by"), this);
  sort_menu->setObjectName("menuSort");
  const std::pair<common::Wording, editing::SortKey> keys[] = {
      {channels::InfoOf(channels::ChannelField::kName).heading, editing::SortKey::kName},
      {channels::InfoOf(channels::ChannelField::kSid).heading, editing::SortKey::kSid},
      {transponders::InfoOf(transponders::TransponderField::kKhz).heading,
       editing::SortKey::kFrequency}};
  for (const auto& [heading, key] : keys) {
    QAction* act = sort_menu->addAction("&" + MessageText(common::Say(heading)));
    act->setObjectName(QString("actSortBy") + heading.english);
    connect(act, &QAction::triggered, this, [this, key = key] { OnSort(key); });
  }
  sort_ = sort_menu->menuAction();
  sort_->setText(tr("&Sort by\u2026"));
  sort_->setObjectName("actSortBy");
  sort_->setStatusTip(tr("Put the channels in order by name, SID or frequency, as one step"));
  bar->addAction(sort_);
  menu->addAction(sort_);
  if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(sort_))) {
    button->setPopupMode(QToolButton::InstantPopup);
  }
}

void ListEditor::BuildActions(const QList<QAction*>& history) {
  QMenu* menu = menuBar()->addMenu(tr("&Edit"));
  menu->setObjectName("menuEditorEdit");
  QToolBar* bar = addToolBar(tr("Edit"));
  bar->setObjectName("EditorToolBar");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  AddHistoryActions(menu, bar, history);
  bar->addSeparator();
  menu->addSeparator();
  const auto action = [&](const char* name, const QString& text, const QKeySequence& keys,
                          const QString& status_tip, const std::function<void()>& slot) {
    QAction* act = new QAction(text, this);
    act->setObjectName(name);
    act->setShortcut(keys);
    act->setStatusTip(status_tip);
    act->setToolTip(
        QString("%1 (%2)").arg(act->iconText(), keys.toString(QKeySequence::NativeText)));
    connect(act, &QAction::triggered, this, slot);
    bar->addAction(act);
    menu->addAction(act);
    return act;
  };
  action("actInsert", tr("&Insert"), QKeySequence(Qt::Key_Insert),
         tr("Insert a new row before the current one"),
         [this] { OnInsert(editing::Inserted::kNew); });
  action("actDuplicate", tr("Dup&licate"), QKeySequence("Ctrl+D"),
         tr("Copy the selected rows behind the last of them"),
         [this] { OnInsert(editing::Inserted::kCopies); });
  action("actDelete", tr("&Delete"), QKeySequence(QKeySequence::Delete),
         tr("Remove the selected rows"), [this] { OnDelete(); });
  action("actMoveUp", tr("Move U&p"), QKeySequence("Ctrl+Up"),
         tr("Move each run of selected rows one place up in the whole list"),
         [this] { OnMove(-1); });
  action("actMoveDown", tr("Move Do&wn"), QKeySequence("Ctrl+Down"),
         tr("Move each run of selected rows one place down in the whole list"),
         [this] { OnMove(1); });
  bar->addSeparator();
  menu->addSeparator();
  AddSortMenu(menu, bar);
  // The button that shows the actions a narrow window has no room for.
  if (auto* more = bar->findChild<QToolButton*>("qt_toolbar_ext_button")) {
    more->setAccessibleName(tr("More actions"));
  }
  menu->addSeparator();
  QAction* find = menu->addAction(tr("&Find"));
  find->setObjectName("actFind");
  find->setShortcut(QKeySequence::Find);
  find->setStatusTip(tr("Show only the rows with a text"));
  connect(find, &QAction::triggered, this, [this] {
    QLineEdit* box = sides_[static_cast<std::size_t>(std::max(0, tabs_->currentIndex()))].find;
    box->setFocus(Qt::ShortcutFocusReason);
    box->selectAll();
  });
}

void ListEditor::Refresh() {
  status_->clear();
  for (Side& side : sides_) {
    Follow(side);
    const common::ListKind kind = KindOf(side);
    const common::Status editable = document_.CheckEditable(kind);
    side.info->setText(editable.ok() ? MessageText(views::EditedBlockText(
                                           document_.workspace(), document_.block(kind), kind))
                                     : MessageText(editable.message()));
  }
  sort_->setEnabled(tabs_->currentIndex() == 0 && !sides_[0].model->ReadOnly());
}

void ListEditor::Follow(Side& side) {
  const QList<int> rows = SelectedRows(side);
  const QModelIndex current_index = side.proxy->mapToSource(side.view->currentIndex());
  const int current = current_index.isValid() ? current_index.row() : -1;
  const int scroll = side.view->verticalScrollBar()->value();
  side.model->Refresh();
  // The find result follows every change: a moved or edited row may match or no longer.
  static_cast<FindFilter*>(side.proxy)->Refilter();
  std::vector<std::string> keys(static_cast<std::size_t>(side.model->rowCount()));
  for (std::size_t row = 0; row < keys.size(); ++row) {
    keys[row] = side.model->RecordKey(static_cast<int>(row));
  }
  const std::vector<std::size_t> followed =
      editing::FollowRecords({rows.begin(), rows.end()}, side.keys, keys);
  const qsizetype at = rows.indexOf(current);
  const auto current_now = current < 0 ? -1
                           : at >= 0
                               ? static_cast<int>(followed[static_cast<std::size_t>(at)])
                               : static_cast<int>(editing::FollowRecords(
                                     {static_cast<std::size_t>(current)}, side.keys, keys)[0]);
  side.keys = std::move(keys);
  QItemSelection selection;
  for (const std::size_t row : followed) {
    const QModelIndex index =
        side.proxy->mapFromSource(side.model->index(static_cast<int>(row), 0));
    if (index.isValid()) selection.select(index, index);
  }
  side.view->selectionModel()->select(
      selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  // The current cell keeps its column: a change there closes no cell being edited.
  const QModelIndex now = side.proxy->mapFromSource(
      side.model->index(current_now, std::max(0, current_index.column())));
  if (now.isValid()) {
    side.view->selectionModel()->setCurrentIndex(now, QItemSelectionModel::NoUpdate);
  }
  side.view->doItemsLayout();
  if (current_now != current && now.isValid()) {
    side.view->scrollTo(now);
  } else {
    side.view->verticalScrollBar()->setValue(scroll);
  }
}

void ListEditor::OnFind(Side& side) {
  status_->clear();
  const QList<int> rows = SelectedRows(side);
  static_cast<FindFilter*>(side.proxy)->SetText(side.find->text());
  if (side.find->text().trimmed().isEmpty()) {
    // Back to the whole list, still on the rows found.
    if (!rows.isEmpty()) SelectRowList(side, {rows.first()});
    return;
  }
  side.view->scrollToTop();
  const QModelIndex first = side.proxy->index(0, 0);
  if (!first.isValid()) {
    side.view->selectionModel()->clearSelection();
    return;
  }
  side.view->selectionModel()->setCurrentIndex(
      first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ListEditor::ShowRefusal(const QString& reason, QWidget* near) {
  status_->setText(reason);
  // Under the cell the reason is about: the open editor, else the table's current cell.
  QRect area = near->rect();
  if (auto* view = qobject_cast<QTableView*>(near)) {
    near = view->viewport();
    area = view->visualRect(view->currentIndex());
    if (!area.isValid()) area = QRect(0, 0, near->width(), 0);
  }
  QToolTip::showText(near->mapToGlobal(area.bottomLeft()), reason, near);
}

ListEditor::Side* ListEditor::Active() {
  status_->clear();
  Side& side = sides_[static_cast<std::size_t>(std::max(0, tabs_->currentIndex()))];
  if (!CommitPendingEdit() || side.model->ReadOnly()) return nullptr;
  return &side;
}

bool ListEditor::CommitPendingEdit() {
  for (Side& side : sides_) {
    if (side.delegate->CommitOpenEditor()) continue;
    tabs_->setCurrentIndex(KindOf(side) == common::ListKind::kChannels ? 0 : 1);
    raise();
    activateWindow();
    return false;
  }
  return true;
}

QList<int> ListEditor::SelectedRows(const Side& side) const {
  QList<int> rows;
  for (const QModelIndex& index : side.view->selectionModel()->selectedRows()) {
    rows << side.proxy->mapToSource(index).row();
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

bool ListEditor::SelectByKey(Side& side, const QKeyEvent& key) {
  const QModelIndex current = side.view->currentIndex();
  QItemSelectionModel* selection = side.view->selectionModel();
  if (key.key() == Qt::Key_Space && key.modifiers() == Qt::ControlModifier) {
    if (current.isValid()) {
      selection->select(current, QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
    }
    return true;
  }
  if ((key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) &&
      key.modifiers() == Qt::AltModifier) {
    const int row = (current.isValid() ? current.row() : 0) + (key.key() == Qt::Key_Up ? -1 : 1);
    const QModelIndex next = side.proxy->index(row, std::max(0, current.column()));
    if (next.isValid()) {
      selection->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
      side.view->scrollTo(next);
    }
    return true;
  }
  return false;
}

void ListEditor::ShowRecord(common::ListKind kind, int row) {
  const int tab = kind == common::ListKind::kChannels ? 0 : 1;
  Side& side = sides_[tab];
  tabs_->setCurrentIndex(tab);
  side.find->clear();
  SelectRowList(side, {row});
  side.view->setFocus();
}

void ListEditor::SelectRowList(Side& side, const QList<int>& rows) {
  const auto shown = [&side](int row) {
    return side.proxy->mapFromSource(side.model->index(row, 0));
  };
  if (std::any_of(rows.begin(), rows.end(), [&](int row) { return !shown(row).isValid(); })) {
    side.find->clear();
  }
  // Runs of rows as one range each: a hundred rows select as fast as one.
  QItemSelection selection;
  for (qsizetype i = 0; i < rows.size();) {
    qsizetype j = i + 1;
    while (j < rows.size() && shown(rows[j]).row() == shown(rows[j - 1]).row() + 1) ++j;
    selection.select(shown(rows[i]), shown(rows[j - 1]));
    i = j;
  }
  if (selection.isEmpty()) return;
  const QModelIndex first = shown(rows.first());
  side.view->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
  side.view->selectionModel()->select(
      selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  side.view->scrollTo(first);
}

void ListEditor::OnInsert(editing::Inserted inserted) {
  const bool duplicate = inserted == editing::Inserted::kCopies;
  Side* side = Active();
  if (!side) return;
  const QList<int> rows = SelectedRows(*side);
  if (duplicate && rows.isEmpty()) return;
  // A new row goes before the current one (the row clicked last), copies behind the last.
  const QModelIndex current = side->proxy->mapToSource(side->view->currentIndex());
  const int position = duplicate           ? rows.last() + 1
                       : current.isValid() ? current.row()
                       : rows.isEmpty()    ? side->model->rowCount()
                                           : rows.first();
  const auto count = static_cast<std::size_t>(duplicate ? rows.size() : 1);
  common::Result<std::unique_ptr<editing::Command>> command =
      duplicate ? editing::DuplicateRows(document_, KindOf(*side),
                                         std::vector<std::size_t>(rows.begin(), rows.end()))
                : editing::InsertNewRow(
                      document_, KindOf(*side), static_cast<std::size_t>(position),
                      current.isValid() ? std::optional(static_cast<std::size_t>(current.row()))
                                        : std::nullopt);
  if (!command.ok()) return ShowRefusal(MessageText(command.message()), side->view);
  if (!*command) return;
  push_(std::move(*command));
  QList<int> added;
  for (std::size_t i = 0; i < count; ++i) added << position + static_cast<int>(i);
  SelectRowList(*side, added);
}

void ListEditor::OnDelete() {
  Side* side = Active();
  if (!side) return;
  const QList<int> rows = SelectedRows(*side);
  if (rows.isEmpty()) return;
  const std::vector<std::size_t> chosen(rows.begin(), rows.end());
  // Afterwards the row shown where the first removed one was, the find kept.
  const int shown = side->proxy->mapFromSource(side->model->index(rows.first(), 0)).row();
  if (KindOf(*side) == common::ListKind::kChannels) {
    push_(editing::RemoveChannels(chosen));
  } else {
    // One question for all of them, about every channel they hold.
    const common::Message question = editing::RemoveTranspondersQuestion(document_, chosen);
    if (!question.empty() &&
        !frontend_.AskChoice(question, editing::RemoveTranspondersAnswer(document_, chosen),
                             common::Value(tr("Cancel").toStdString()))) {
      return;
    }
    push_(editing::RemoveTransponders(chosen));
  }
  const QModelIndex next = side->proxy->index(std::min(shown, side->proxy->rowCount() - 1), 0);
  if (next.isValid()) SelectRowList(*side, {side->proxy->mapToSource(next).row()});
}

void ListEditor::OnMove(int step) {
  Side* side = Active();
  if (!side) return;
  const QList<int> rows = SelectedRows(*side);
  if (!rows.isEmpty()) side->model->StepRows(rows, step);
}

void ListEditor::OnSort(editing::SortKey key) {
  if (Active() != &sides_[0]) return;
  push_(editing::SortChannels(key));
}

void ListEditor::OnAddFromSatellite() {
  if (!CommitPendingEdit()) return;
  if (const common::Status editable = document_.CheckEditable(common::ListKind::kTransponders);
      !editable.ok()) {
    return ShowRefusal(MessageText(editable.message()), sides_[1].view);
  }
  auto* dialog = new SatelliteDialog(document_, settings_, files_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  // The rows are fitted to the list as it is now: no edit may come between.
  dialog->setWindowModality(Qt::ApplicationModal);
  connect(dialog, &QDialog::accepted, this, [this, dialog] {
    AfterDialog(this, [this, chosen = dialog->Chosen()] {
      const int first = static_cast<int>(document_.transponders().size());
      common::Result<std::unique_ptr<editing::Command>> command =
          satellites::AddRecords(document_, chosen);
      if (!command.ok()) return ShowRefusal(MessageText(command.message()), sides_[1].view);
      push_(std::move(*command));
      QList<int> added;
      for (int row = first; row < sides_[1].model->rowCount(); ++row) added << row;
      SelectRowList(sides_[1], added);
    });
  });
  dialog->open();
}

void ListEditor::ApplySettings() {
  QString text;
  settings_.GetSettingString(kAppKey, "EditorGeometry", text);
  if (!text.isEmpty()) restoreGeometry(QByteArray::fromBase64(text.toLatin1()));
  for (const auto& [side, name] : {std::pair{&sides_[0], "EditorChannelColumns"},
                                   std::pair{&sides_[1], "EditorTransponderColumns"}}) {
    settings_.GetSettingString(kAppKey, name, text);
    const QStringList widths = text.split(',', Qt::SkipEmptyParts);
    for (int c = 0; c < widths.size() && c < side->model->columnCount(); ++c) {
      const int width = widths[c].toInt();
      if (width > 0) side->view->setColumnWidth(c, width);
    }
  }
}

void ListEditor::StoreSettings() {
  settings_.SaveSettingString(kAppKey, "EditorGeometry",
                              QString::fromLatin1(saveGeometry().toBase64()));
  settings_.SaveSettingString(kAppKey, "EditorChannelColumns", ColumnWidths(sides_[0].view));
  settings_.SaveSettingString(kAppKey, "EditorTransponderColumns", ColumnWidths(sides_[1].view));
}

bool ListEditor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    for (Side& side : sides_) {
      if (watched == side.view && SelectByKey(side, *static_cast<QKeyEvent*>(event))) return true;
    }
  }
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    for (Side& side : sides_) {
      if (watched != side.find) continue;
      if (side.find->text().isEmpty()) {
        side.view->setFocus(Qt::ShortcutFocusReason);
      } else {
        side.find->clear();
      }
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

ListEditor::~ListEditor() {
  // Deleted with the main window, after its close committed what was typed: a cell editor
  // left open would commit again on its way out, into lists that are going.
  for (Side& side : sides_) side.delegate->CloseOpenEditor();
}

void ListEditor::closeEvent(QCloseEvent* event) {
  if (!CommitPendingEdit()) return event->ignore();
  StoreSettings();
  QMainWindow::closeEvent(event);
}

}  // namespace chanforge::ui
