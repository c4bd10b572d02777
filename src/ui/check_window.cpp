#include "ui/check_window.h"

#include <QLabel>
#include <QListWidget>
#include <QStyle>

#include "ui/widgets.h"
#include "ui/workspace_signal.h"

namespace chanforge::ui {

CheckWindow::CheckWindow(const flash::Workspace& workspace, WorkspaceSignal& workspace_signal,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), workspace_(workspace) {
  setObjectName("CheckForm");
  setWindowTitle("Check Image");
  summary_ = new QLabel(this);
  summary_->setObjectName("LblSummary");
  list_ = BuildReportWindow(this, "LstFindings", {summary_});
  connect(list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { OpenFinding(list_->row(item)); });
  connect(&workspace_signal, &WorkspaceSignal::changed, this, &CheckWindow::ShowFindings);
  ShowFindings();
}

void CheckWindow::ShowFindings() {
  findings_ = check::CheckImage(workspace_);
  const std::string summary = check::CheckSummary(findings_);
  summary_->setText(summary.empty() ? "No errors, no warnings"
                                    : QString::fromUtf8(summary.c_str()));
  const QIcon error_icon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
  const QIcon warning_icon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
  list_->clear();
  for (const check::Finding& finding : findings_) {
    const bool error = finding.severity == check::Severity::kError;
    const std::string text = check::FindingPlace(finding) + ": " + finding.text;
    auto* item = new QListWidgetItem(error ? error_icon : warning_icon,
                                     QString::fromUtf8(text.c_str()), list_);
    item->setToolTip(QString::fromUtf8(check::RuleOf(finding.rule).reason));
  }
}

void CheckWindow::OpenFinding(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= findings_.size()) return;
  const check::Finding& finding = findings_[static_cast<std::size_t>(row)];
  if (finding.record > 0 && open_finding) open_finding(finding);
}

}  // namespace chanforge::ui
