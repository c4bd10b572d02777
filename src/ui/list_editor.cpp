#include "ui/list_editor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "flash/blocks.h"
#include "ui/list_delegate.h"
#include "ui/settings_store.h"
#include "ui/widgets.h"
#include "ui/workspace_signal.h"

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

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& /*parent*/) const override {
    return static_cast<const ListTableModel*>(sourceModel())->Matches(row, text_);
  }

 private:
  QString text_;
};

// "Editing Block:1 (TCS)", naming the first when the image has more of the kind.
QString BlockText(const flash::Workspace& workspace, int index, flash::ListKind kind) {
  int count = 0;
  for (int i = 0; i < workspace.block_count(); ++i) {
    if (flash::ListKindOf(workspace.blocks()[static_cast<std::size_t>(i)]) == kind) ++count;
  }
  const QString name = flash::ListKindName(kind);
  QString text = QString("Editing Block:%1 (%2)").arg(index).arg(name);
  if (count > 1) text += QString(", the first of %1 %2 blocks").arg(count).arg(name);
  return text;
}

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
                       const QList<QAction*>& history, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      document_(document),
      frontend_(frontend),
      push_(std::move(push)),
      settings_(settings) {
  setObjectName("ListEditor");
  setWindowTitle("Edit Lists");
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("ListTabs");
  tabs_->addTab(
      BuildSide(sides_[0], new ChannelTableModel(document, frontend, push_, this), "ChannelTable"),
      "Channels");
  tabs_->addTab(BuildSide(sides_[1], new TransponderTableModel(document, frontend, push_, this),
                          "TransponderTable"),
                "Transponders");
  setCentralWidget(tabs_);
  BuildToolBar(history);
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

QWidget* ListEditor::BuildSide(Side& side, ListTableModel* model, const char* name) {
  auto* page = new QWidget(this);
  side.model = model;
  auto* proxy = new FindFilter(page);
  proxy->setSourceModel(model);
  proxy->setDynamicSortFilter(false);
  side.proxy = proxy;
  side.info = new QLabel(page);
  side.find = new QLineEdit(page);
  side.find->setObjectName(QString(name) + "Find");
  side.find->setClearButtonEnabled(true);
  side.find->setMinimumWidth(240);
  side.find->setPlaceholderText(model == sides_[0].model ? "Find a name, SID or frequency"
                                                         : "Find a frequency");
  connect(side.find, &QLineEdit::textChanged, proxy, &FindFilter::SetText);
  auto* top = new QHBoxLayout;
  top->addWidget(side.info, 1);
  top->addWidget(new QLabel("Find:", page));
  top->addWidget(side.find);

  QTableView* view = side.view = new QTableView(page);
  view->setObjectName(name);
  view->setModel(proxy);
  view->setItemDelegate(new ListDelegate(view));
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
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->horizontalHeader()->setStretchLastSection(false);
  view->horizontalHeader()->setSectionsClickable(false);

  // A reset (rows added or removed, an undo) keeps the selection and the scroll position.
  connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this, &side] {
    side.kept_rows = SelectedRows(side);
    const QModelIndex current = side.proxy->mapToSource(side.view->currentIndex());
    side.kept_current = current.isValid() ? current.row() : -1;
    side.kept_scroll = side.view->verticalScrollBar()->value();
  });
  connect(model, &QAbstractItemModel::modelReset, this, [&side] {
    QItemSelection selection;
    for (int row : side.kept_rows) {
      const QModelIndex index = side.proxy->mapFromSource(side.model->index(row, 0));
      if (index.isValid()) selection.select(index, index);
    }
    side.view->selectionModel()->select(
        selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const QModelIndex current = side.proxy->mapFromSource(side.model->index(side.kept_current, 0));
    if (current.isValid()) {
      side.view->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    }
    side.view->doItemsLayout();
    side.view->verticalScrollBar()->setValue(side.kept_scroll);
  });

  auto* layout = new QVBoxLayout(page);
  layout->addLayout(top);
  layout->addWidget(view);
  return page;
}

void ListEditor::BuildToolBar(const QList<QAction*>& history) {
  QToolBar* bar = addToolBar("Edit");
  bar->setObjectName("EditorToolBar");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bar->addActions(history);
  bar->addSeparator();
  const auto action = [&](const char* name, const char* text, const QKeySequence& keys,
                          const std::function<void()>& slot) {
    QAction* act = bar->addAction(text);
    act->setObjectName(name);
    act->setShortcut(keys);
    act->setToolTip(QString("%1 (%2)").arg(text, keys.toString(QKeySequence::NativeText)));
    connect(act, &QAction::triggered, this, slot);
    return act;
  };
  action("actInsert", "Insert", QKeySequence(Qt::Key_Insert), [this] { OnInsert(false); });
  action("actDuplicate", "Duplicate", QKeySequence("Ctrl+D"), [this] { OnInsert(true); });
  action("actDelete", "Delete", QKeySequence(QKeySequence::Delete), [this] { OnDelete(); });
  action("actMoveUp", "Move Up", QKeySequence("Ctrl+Up"), [this] { OnMove(-1); });
  action("actMoveDown", "Move Down", QKeySequence("Ctrl+Down"), [this] { OnMove(1); });
  bar->addSeparator();
  auto* sort_menu = new QMenu(this);
  sort_menu->setObjectName("menuSort");
  const std::pair<const char*, editing::SortKey> keys[] = {
      {channels::InfoOf(channels::ChannelField::kName).heading, editing::SortKey::kName},
      {channels::InfoOf(channels::ChannelField::kSid).heading, editing::SortKey::kSid},
      {transponders::InfoOf(transponders::TransponderField::kKhz).heading,
       editing::SortKey::kFrequency}};
  for (const auto& [text, key] : keys) {
    QAction* act = sort_menu->addAction(text);
    act->setObjectName(QString("actSortBy") + text);
    connect(act, &QAction::triggered, this, [this, key = key] { OnSort(key); });
  }
  sort_ = bar->addAction("Sort by\u2026");
  sort_->setObjectName("actSortBy");
  sort_->setMenu(sort_menu);
  if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(sort_))) {
    button->setPopupMode(QToolButton::InstantPopup);
  }
}

void ListEditor::Refresh() {
  for (Side& side : sides_) {
    side.model->Refresh();
    const bool channels = Channels(side);
    const std::string reason =
        channels ? document_.ChannelsReadOnlyReason() : document_.TranspondersReadOnlyReason();
    const int block = channels ? document_.channel_block() : document_.transponder_block();
    side.info->setText(reason.empty()
                           ? BlockText(document_.workspace(), block,
                                       channels ? flash::ListKind::kTcs : flash::ListKind::kTpt)
                           : QString::fromUtf8(reason.c_str()));
  }
  sort_->setEnabled(tabs_->currentIndex() == 0 && !sides_[0].model->ReadOnly());
}

ListEditor::Side* ListEditor::Active() {
  Side& side = sides_[static_cast<std::size_t>(std::max(0, tabs_->currentIndex()))];
  // A cell editor is a child of the table's viewport.
  const QWidget* focus = QApplication::focusWidget();
  const bool editing = focus && side.view->viewport()->isAncestorOf(focus);
  if (editing || side.model->ReadOnly()) {
    return nullptr;
  }
  return &side;
}

QList<int> ListEditor::SelectedRows(const Side& side) const {
  QList<int> rows;
  for (const QModelIndex& index : side.view->selectionModel()->selectedRows()) {
    rows << side.proxy->mapToSource(index).row();
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

void ListEditor::ShowRecord(bool channel, int row) {
  Side& side = sides_[channel ? 0 : 1];
  tabs_->setCurrentIndex(channel ? 0 : 1);
  side.find->clear();
  SelectRows(side, row, row);
  side.view->setFocus();
}

void ListEditor::SelectRows(Side& side, int first, int last) {
  const QModelIndex top = side.proxy->mapFromSource(side.model->index(first, 0));
  const QModelIndex bottom = side.proxy->mapFromSource(side.model->index(last, 0));
  if (!top.isValid() || !bottom.isValid()) return;
  side.view->selectionModel()->setCurrentIndex(top, QItemSelectionModel::NoUpdate);
  side.view->selectionModel()->select(
      QItemSelection(top, bottom), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  side.view->scrollTo(bottom);
}

void ListEditor::OnInsert(bool duplicate) {
  Side* side = Active();
  if (!side) return;
  const QList<int> rows = SelectedRows(*side);
  if (duplicate && rows.isEmpty()) return;
  const int position = rows.isEmpty() ? side->model->rowCount()
                       : duplicate    ? rows.last() + 1
                                      : rows.first();
  const auto count = static_cast<std::size_t>(duplicate ? rows.size() : 1);
  const auto at = static_cast<std::size_t>(position);
  if (Channels(*side)) {
    const std::string reason = editing::CheckInsertChannels(document_, count);
    if (!reason.empty()) return frontend_.ShowMessage(common::MessageKind::kError, reason);
    std::vector<editing::ChannelRecord> records(count);
    if (duplicate) {
      for (std::size_t i = 0; i < count; ++i) records[i] = document_.channels()[rows[i]];
    }
    push_(editing::InsertChannels(at, std::move(records), duplicate));
  } else {
    const std::string reason = editing::CheckInsertTransponders(document_, count);
    if (!reason.empty()) return frontend_.ShowMessage(common::MessageKind::kError, reason);
    std::vector<editing::TransponderRecord> records(count);
    for (std::size_t i = 0; i < count; ++i) {
      if (duplicate) {
        records[i] = document_.transponders()[rows[i]];
      } else {
        // An all-zero record reads as an unused one: a new transponder starts at the
        // bottom of the band instead.
        editing::SetTransponderValue(records[i], editing::TransponderField::kKhz, 10700000);
      }
    }
    push_(editing::InsertTransponders(at, std::move(records)));
  }
  side->find->clear();
  SelectRows(*side, position, position + static_cast<int>(count) - 1);
}

void ListEditor::OnDelete() {
  Side* side = Active();
  if (!side) return;
  const QList<int> rows = SelectedRows(*side);
  if (rows.isEmpty()) return;
  if (Channels(*side)) {
    push_(editing::RemoveChannels({rows.begin(), rows.end()}));
  } else {
    // One at a time: each may ask about the channels that use it.
    const auto row = static_cast<std::size_t>(rows.first());
    const std::string question = editing::RemoveTransponderQuestion(document_, row);
    if (!question.empty() && !frontend_.AskYesNo(question)) return;
    push_(editing::RemoveTransponder(row));
  }
  const int row = std::min(rows.first(), side->model->rowCount() - 1);
  if (row >= 0) SelectRows(*side, row, row);
}

void ListEditor::OnMove(int step) {
  Side* side = Active();
  if (!side) return;
  QList<int> rows = SelectedRows(*side);
  if (rows.isEmpty()) return;
  // A selection with gaps moves its first row alone.
  if (rows.last() - rows.first() + 1 != rows.size()) rows = {rows.first()};
  const int first = rows.first(), last = rows.last();
  const int before = step < 0 ? first - 1 : last + 2;
  if (!side->model->MoveRows(first, last, before)) return;
  SelectRows(*side, first + step, last + step);
}

void ListEditor::OnSort(editing::SortKey key) {
  if (Active() != &sides_[0]) return;
  push_(editing::SortChannels(key));
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

void ListEditor::closeEvent(QCloseEvent* event) {
  StoreSettings();
  QMainWindow::closeEvent(event);
}

}  // namespace chanforge::ui
