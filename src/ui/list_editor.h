// The list editor window: the channels and the transponders of the image in two tables,
// every change a step of the main window's history.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "ui/list_table_model.h"

class QAction;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QSortFilterProxyModel;
class QTableView;
class QTabWidget;
class QToolBar;

namespace chanforge::ui {

class ListDelegate;
class SettingsStore;
class WorkspaceSignal;

class ListEditor : public QMainWindow {
  Q_OBJECT

 public:
  // history: the main window's Undo and Redo, shown on the tool bar under fixed captions.
  // shortcuts: the main window's actions whose keys work here too.
  ListEditor(editing::ListDocument& document, common::Frontend& frontend, WorkspaceSignal& signal,
             PushCommand push, SettingsStore& settings, common::Files& files,
             const QList<QAction*>& history, const QList<QAction*>& shortcuts, QWidget* parent);
  ~ListEditor() override;

  QTableView* channel_view() const { return sides_[0].view; }
  QTableView* transponder_view() const { return sides_[1].view; }
  // Brings a channel or transponder (0-based row) into view, selected, with no filter.
  void ShowRecord(common::ListKind kind, int row);
  // Commits what is being typed into a cell, as Enter would. A refused value keeps its cell
  // editor open, with the reason, in the window brought forward: false, and the action that
  // asked stops.
  bool CommitPendingEdit();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Escape in a find box clears it, and a second one goes back to the table.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Side {
    ListTableModel* model = nullptr;
    QSortFilterProxyModel* proxy = nullptr;
    QTableView* view = nullptr;
    QLabel* info = nullptr;
    QLineEdit* find = nullptr;
    ListDelegate* delegate = nullptr;
    std::vector<std::string> keys;  // the records as the table last showed them
  };

  // find_name and list_name: what screen readers call the side's find box and table.
  QHBoxLayout* BuildFindBar(Side& side, QWidget* page, const char* name, const QString& find_name);
  void SetUpTable(QTableView* view);
  QWidget* BuildSide(Side& side, ListTableModel* model, const char* name, const QString& find_name,
                     const QString& list_name);
  void BuildActions(const QList<QAction*>& history);
  void AddHistoryActions(QMenu* menu, QToolBar* bar, const QList<QAction*>& history);
  void AddSortMenu(QMenu* menu, QToolBar* bar);
  void Refresh();
  // Keeps the selection on the records it was on before a change moved them.
  void Follow(Side& side);
  void OnFind(Side& side);
  // Rows with gaps by keyboard: Ctrl+Space adds or takes away the current row, Alt+Up and
  // Alt+Down move the current row without choosing. Whether the key was one of them.
  bool SelectByKey(Side& side, const QKeyEvent& key);
  // Shows why an edit was refused in the status line and beside the widget.
  void ShowRefusal(const QString& reason, QWidget* near);
  // The side of the tab on top, once what is typed into a cell is committed; null when that
  // is refused or the list cannot be edited.
  Side* Active();
  QList<int> SelectedRows(const Side& side) const;
  // Selects exactly these rows (list rows, 0-based) and brings the first into view; rows the
  // find hides clear it first.
  void SelectRowList(Side& side, const QList<int>& rows);
  common::ListKind KindOf(const Side& side) const {
    return &side == &sides_[0] ? common::ListKind::kChannels : common::ListKind::kTransponders;
  }

  void OnInsert(editing::Inserted inserted);
  void OnDelete();
  void OnMove(int step);
  void OnSort(editing::SortKey key);
  // Transponders from a satellite's scan table, as one step.
  void OnAddFromSatellite();
  void ApplySettings();
  void StoreSettings();

  editing::ListDocument& document_;
  common::Frontend& frontend_;
  PushCommand push_;
  SettingsStore& settings_;
  common::Files& files_;  // the scan tables are read from it
  std::array<Side, 2> sides_;
  QTabWidget* tabs_ = nullptr;
  QLabel* status_ = nullptr;
  QAction* sort_ = nullptr;
};

}  // namespace chanforge::ui
