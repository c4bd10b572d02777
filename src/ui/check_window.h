// CheckForm, the Check window: the image check's findings, a row each with an icon by
// severity, and for a satellite chosen on a DiSEqC input the transponders its scan table
// lacks and the reverse. It follows the image as it changes.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "check/image_check.h"
#include "common/files.h"
#include "flash/flash_image.h"
#include "satellites/satellite_rows.h"
#include "satellites/scan_table.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace chanforge::ui {

class SettingsStore;
class WorkspaceSignal;

class CheckWindow : public QWidget {
  Q_OBJECT

 public:
  // settings: where the scan tables are.
  CheckWindow(const flash::Workspace& workspace, WorkspaceSignal& workspace_signal,
              const SettingsStore& settings, common::Files& files, QWidget* parent);

  const std::vector<check::Finding>& findings() const { return findings_; }
  // Called with a finding about one channel or transponder when it is double-clicked.
  std::function<void(const check::Finding&)> open_finding;

 private:
  void ShowFindings();
  // The finding at an index of findings_.
  void OpenFinding(int index);
  // The satellite named by the choice's text: the one of that name, else the first whose
  // name or position holds it; none for no text.
  void Pick(QComboBox* choice);
  // Reads the table of the satellite chosen on an input (0 for A), if any.
  void ChooseSatellite(int input);

  const flash::Workspace& workspace_;
  common::Files& files_;  // the scan tables are read from it
  std::vector<check::Finding> findings_;
  std::vector<satellites::Satellite> satellites_;
  std::array<satellites::InputTable, 2> tables_{
      {{false, {}, satellites::ScanTable{}}, {true, {}, satellites::ScanTable{}}}};
  std::array<QComboBox*, 2> choices_{};
  QLabel* summary_;
  QTableWidget* table_;
};

}  // namespace chanforge::ui
