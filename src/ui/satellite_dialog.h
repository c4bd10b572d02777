// The "Add from satellite" dialog: a satellite chosen from the DVB-S scan tables, its rows
// as the transponder list would hold them, and the ones to add checked.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "common/files.h"
#include "editing/list_document.h"
#include "satellites/satellite_rows.h"

class QButtonGroup;
class QComboBox;
class QDialogButtonBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QSplitter;
class QTreeWidget;

namespace chanforge::ui {

class SettingsStore;

// The folder of scan tables: the one in the settings, else the system's.
std::string TablesFolder(const SettingsStore& settings);

class SatelliteDialog : public QDialog {
  Q_OBJECT

 public:
  SatelliteDialog(const editing::ListDocument& document, SettingsStore& settings,
                  common::Files& files, QWidget* parent);

  // The checked rows' records, in the table's order.
  std::vector<transponders::TransponderRecord> Chosen() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildSatelliteList();
  void BuildRows();
  QHBoxLayout* BuildChoices();
  void ShowSatellites();
  void OnFind();
  void OnSatellite();
  // Fits the table's rows again after a choice changed; a row keeps its check unless
  // whether it can be added changed.
  void ShowRows();
  void ShowCount();
  void OnFolder();

  const editing::ListDocument& document_;
  SettingsStore& settings_;
  common::Files& files_;  // the scan tables are read from it
  std::vector<satellites::Satellite> satellites_;
  common::Result<satellites::ScanTable> table_ = satellites::ScanTable{};
  std::vector<satellites::RowFit> fits_;
  QLabel* folder_ = nullptr;
  QLabel* missing_ = nullptr;
  QSplitter* lists_ = nullptr;
  QLineEdit* find_ = nullptr;
  QTreeWidget* satellite_list_ = nullptr;
  QTreeWidget* rows_ = nullptr;
  QButtonGroup* diseqc_ = nullptr;
  QComboBox* fec_default_ = nullptr;
  QLabel* count_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace chanforge::ui
