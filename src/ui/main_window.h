// Form1, the main window: the block list, the flash and block commands, the TCS/TPT
// conversions and the status line. Every command calls one core routine.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "common/frontend.h"
#include "flash/block_transfer.h"
#include "flash/flash_image.h"
#include "ui/settings_store.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QAbstractButton;
class QRadioButton;

namespace chanforge::ui {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Both may be injected (tests); otherwise the window makes the real ones.
  explicit MainWindow(common::Frontend* frontend = nullptr, SettingsStore* settings = nullptr);
  ~MainWindow() override;

  void ShowStatus(const QString& text);
  bool CheckBlockSelected(const QString& action);
  QString SelectFile(const QString& defFileName, const QString& def2FileName);
  void UpdateBlockCommands(int index);
  // Loads a file as if chosen in the "Load Bin" dialog (drag and drop).
  void LoadDroppedFile(const QString& name);

  const flash::Workspace& workspace() const { return workspace_; }
  common::Frontend& frontend() { return *frontend_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildControls();
  void ApplySettings();
  void StoreSettings();
  void AfterLoad(common::Outcome outcome);
  void RefreshBlockList();
  int SelectedIndex() const;
  bool WholeBlock() const;
  flash::ListFileNames ListNames() const;
  void TakeListNames(const flash::ListFileNames& names);
  void ChooseInto(QLineEdit* box, const QString& fallback);
  void ShowWindow(QPointer<QWidget>& slot, const std::function<QWidget*()>& make);

  void OnLoad();
  void OnSave();
  void OnBlockRead();
  void OnBlockSave();
  void OnClear();
  void OnSwap();
  void OnView();

  std::unique_ptr<common::Frontend> own_frontend_;
  std::unique_ptr<SettingsStore> own_settings_;
  common::Frontend* frontend_;
  SettingsStore* settings_;
  flash::Workspace workspace_;
  QList<QPointer<QWidget>> opened_;  // secondary windows, oldest first
  QPointer<QWidget> block_viewer_;
  QPointer<QWidget> list_viewer_;
  QPointer<QWidget> about_box_;

  QListWidget* list1_ = nullptr;
  QLabel* lbl_size_ = nullptr;
  QLabel* label6_ = nullptr;
  QLabel* lbl_file_ = nullptr;
  QLabel* status_text_ = nullptr;
  QLabel* status_date_ = nullptr;
  QLabel* status_time_ = nullptr;
  QRadioButton* option2_ = nullptr;
  QAbstractButton* cmd_swap_ = nullptr;
  QList<QAbstractButton*> block_commands_;
  QLineEdit* txt_tcs_ = nullptr;
  QLineEdit* txt_tcs_txt_ = nullptr;
  QLineEdit* txt_tpt_ = nullptr;
  QLineEdit* txt_tpt_txt_ = nullptr;
  QCheckBox* chk_dc_comp_ = nullptr;
};

}  // namespace chanforge::ui
