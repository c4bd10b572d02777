// CheckForm, the Check window: the image check's findings, one a line, with an icon by
// severity. It follows the image as it changes.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "check/image_check.h"
#include "flash/flash_image.h"

class QLabel;
class QListWidget;

namespace chanforge::ui {

class WorkspaceSignal;

class CheckWindow : public QWidget {
  Q_OBJECT

 public:
  CheckWindow(const flash::Workspace& workspace, WorkspaceSignal& workspace_signal,
              QWidget* parent);

  const std::vector<check::Finding>& findings() const { return findings_; }
  // Called with a finding about one channel or transponder when it is double-clicked.
  std::function<void(const check::Finding&)> open_finding;

 private:
  void ShowFindings();
  void OpenFinding(int row);

  const flash::Workspace& workspace_;
  std::vector<check::Finding> findings_;
  QLabel* summary_;
  QListWidget* list_;
};

}  // namespace chanforge::ui
