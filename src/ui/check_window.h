// CheckForm, the Check window: the image check's findings, one a line, with an icon by
// severity, and for a satellite chosen on a DiSEqC input the transponders its scan table
// lacks and the reverse. It follows the image as it changes.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "check/image_check.h"
#include "common/file_access.h"
#include "flash/flash_image.h"
#include "satellites/scan_table.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace chanforge::ui {

class SettingsStore;
class WorkspaceSignal;

class CheckWindow : public QWidget {
  Q_OBJECT

 public:
  // settings: where the scan tables are.
  CheckWindow(const flash::Workspace& workspace, WorkspaceSignal& workspace_signal,
              const SettingsStore& settings, QWidget* parent);

  const std::vector<check::Finding>& findings() const { return findings_; }
  // Called with a finding about one channel or transponder when it is double-clicked.
  std::function<void(const check::Finding&)> open_finding;

 private:
  void ShowFindings();
  void OpenFinding(int row);
  // Reads the table of the satellite chosen on an input (0 for A), none for "(none)".
  void ChooseSatellite(int input);

  const flash::Workspace& workspace_;
  common::SystemFiles files_;  // the scan tables are read from it
  std::vector<check::Finding> findings_;
  std::vector<satellites::Satellite> satellites_;
  std::array<satellites::ScanTable, 2> tables_;
  std::array<QComboBox*, 2> choices_{};
  QLabel* summary_;
  QListWidget* list_;
};

}  // namespace chanforge::ui
