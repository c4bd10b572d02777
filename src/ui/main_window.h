// Form1, the main window: the block list, the flash and block commands, the TCS/TPT
// conversion frames and the status line. Every command calls one core routine; the
// window refreshes from the workspace's change signal.
#pragma once

#include <QDateTime>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "common/file_access.h"
#include "common/frontend.h"
#include "editing/list_csv.h"
#include "editing/list_document.h"
#include "editing/session.h"
#include "editing/undo_stack.h"
#include "flash/block_check.h"
#include "flash/block_transfer.h"
#include "flash/blocks.h"
#include "flash/flash_image.h"
#include "ui/list_viewer.h"
#include "ui/settings_store.h"
#include "ui/widgets.h"

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QRadioButton;
class QTimer;

namespace chanforge::ui {

class ConversionPanel;
class RecentFiles;
class WindowSettings;
class WorkspaceSignal;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Both may be injected (tests); otherwise the window makes the real ones.
  explicit MainWindow(common::Frontend* frontend = nullptr, SettingsStore* settings = nullptr);
  ~MainWindow() override;

  void ShowStatus(const QString& text);
  bool CheckBlockSelected(flash::BlockAction action);
  QString SelectFile(const QString& defFileName, const QString& def2FileName);
  void UpdateBlockCommands(int index);
  // Loads a file as if chosen in the "Load Bin" dialog (drag and drop).
  void LoadDroppedFile(const QString& name);
  // The program's arguments: a file named after the program's own name is loaded once the
  // window is up, as if dropped on it.
  void OpenArguments(const QStringList& arguments);

  const flash::Workspace& workspace() const { return workspace_; }
  common::Frontend& frontend() { return *frontend_; }
  WorkspaceSignal& workspace_signal() { return *workspace_signal_; }
  editing::UndoStack& undo_stack() { return undo_stack_; }
  // Records an applied step on the history; every change to the lists comes through here.
  void Push(std::unique_ptr<editing::Command> command);
  // Shows what a command did for five seconds, then the idle "..." again.
  void ShowDone(const QString& text);
  // The status bar's date and time come from now (pictures use a fixed one).
  void SetClock(std::function<QDateTime()> now);
  // A file name in the loaded image's folder, where the choosers of files that belong with
  // it start; "" names the folder itself. The name alone before any load.
  std::string BesideImage(const std::string& name) const;
  // Commits what is being typed into a cell of the list editor, as Enter would. Every
  // action that reads or writes the image, or leaves, asks this first and stops on false: the
  // value was refused, and its cell editor stays open with the reason.
  bool CommitPendingEdit();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void SetIconSoon();
  void BuildMenus();
  void BuildControls();
  void BuildFileFrame(QWidget* central, const Twips& tw);
  void BuildBlockFrame(QWidget* central, const Twips& tw);
  void BuildConversionPanels(QWidget* central, const Twips& tw);
  void BuildWindowButtons(QGroupBox* frame1, const Twips& tw);
  void BuildStatusBar();
  void AfterLoad(common::Outcome outcome);
  void Refresh();
  int SelectedIndex() const;
  // The block option: the data or the whole 64 KB block.
  flash::BlockPart Part() const;
  flash::ListFileNames ListNames() const;
  void TakeListNames(const flash::ListFileNames& names);
  // Escape closes the window unless it edits (the list editor closes by its own button).
  void ShowWindow(QPointer<QWidget>& slot, const std::function<QWidget*()>& make,
                  bool close_on_escape = true);
  // What View ChList shows of a kind: the loaded image's first block of it, else the file.
  ListViewer::Source ViewedList(common::ListKind kind, const std::string& file);

  void OnLoad();
  void OnSave();
  void OnSaveInPlace();
  // What a save did, in the status line and the recent files.
  void AfterSave(common::Outcome outcome);
  void OnBlockRead();
  void OnBlockSave();
  void OnClear();
  void OnSwap();
  void OnView();
  void OnCheckImage();
  void OnCompareWith();
  void OnShowChanges();
  void OnEditLists();
  void OnUndo();
  void OnRedo();
  // The Undo and Redo entries name the step they would take.
  void UpdateHistoryActions();
  // Compares the image in file name (old) with the one in memory (new), the base following
  // the image's file as the session says.
  void ShowChangesFrom(const std::string& name, editing::BaseFollows follows);
  // The open Changes window after a change: again against its image.
  void UpdateChanges();
  // Opens the editor on a channel or transponder of the lists it edits (1-based record).
  void OpenRecord(int block, int record);
  // Export, Import, Print and the recent files in the File menu; tooltips and the Tab order.
  void BuildExchangeMenus(QMenu* file);
  // Help > Language: the system's language or one of the window's, from the next start.
  void BuildLanguageMenu(QMenu* help);
  void AddComforts();
  void AddTips();
  void SetTabOrder();
  // The CSV file to export to or import from, after the check that an image is loaded.
  std::string ChooseCsvFile(common::ListKind list, common::FileDialogKind dialog);
  void OnExportCsv(common::ListKind list);
  void OnImportCsv(common::ListKind list);
  // Edit > Apply Order From: the summary first, the new order as one step on OK.
  void OnApplyOrder();

  std::unique_ptr<common::Frontend> own_frontend_;
  bool icon_set_ = false;
  bool list_font_set_ = false;
  std::unique_ptr<SettingsStore> own_settings_;
  common::Frontend* frontend_;
  SettingsStore* settings_;
  // The disk every load, save and conversion of the window goes through.
  common::SystemFiles files_;
  // Load, save and the history live in the session; the window names its parts.
  editing::Session session_{files_};
  flash::Workspace& workspace_ = session_.workspace();
  editing::UndoStack& undo_stack_ = session_.history();
  editing::ListDocument& document_ = session_.document();
  WorkspaceSignal* workspace_signal_ = nullptr;
  std::unique_ptr<WindowSettings> window_settings_;
  QList<QPointer<QWidget>> opened_;  // secondary windows, oldest first
  QPointer<QWidget> block_viewer_;
  QPointer<QWidget> list_viewer_;
  QPointer<QWidget> about_box_;
  QPointer<QWidget> check_window_;
  QPointer<QWidget> changes_window_;
  QPointer<QWidget> list_editor_;
  QAction* undo_action_ = nullptr;
  QAction* redo_action_ = nullptr;
  RecentFiles* recent_files_ = nullptr;
  QTimer* done_timer_ = nullptr;
  std::function<QDateTime()> clock_ = [] { return QDateTime::currentDateTime(); };
  std::function<void()> tick_;

  QListWidget* block_list_ = nullptr;
  QLabel* size_label_ = nullptr;
  QLabel* changed_marker_ = nullptr;
  QLabel* file_label_ = nullptr;
  QLabel* status_text_ = nullptr;
  QLabel* status_date_ = nullptr;
  QLabel* status_time_ = nullptr;
  QRadioButton* whole_block_option_ = nullptr;
  QAbstractButton* swap_button_ = nullptr;
  QList<QAbstractButton*> block_commands_;
  ConversionPanel* channel_panel_ = nullptr;
  ConversionPanel* transponder_panel_ = nullptr;
};

}  // namespace chanforge::ui
