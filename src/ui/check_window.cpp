#include "ui/check_window.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTableWidget>

#include "check/image_lists.h"
#include "satellites/satellite_rows.h"
#include "transponders/transponder_fields.h"
#include "ui/qt_frontend.h"
#include "ui/satellite_dialog.h"
#include "ui/widgets.h"
#include "ui/workspace_signal.h"

namespace chanforge::ui {

CheckWindow::CheckWindow(const flash::Workspace& workspace, WorkspaceSignal& workspace_signal,
                         const SettingsStore& settings, common::Files& files, QWidget* parent)
    : QWidget(parent, Qt::Window), workspace_(workspace), files_(files) {
  setObjectName("CheckForm");
  setWindowTitle(tr("Check Image"));
  summary_ = new QLabel(this);
  summary_->setObjectName("LblSummary");
  table_ = BuildReportTable(this, "LstFindings", tr("Findings"),
                            {tr("Severity"), tr("Where"), tr("Field"), tr("Finding")}, {summary_});
  const std::string folder = TablesFolder(settings);
  satellites_ = satellites::ListSatellites(files_, folder);
  auto* row = new QHBoxLayout;
  for (int input = 0; input < 2; ++input) {
    const char* name = transponders::kDiseqcTexts[input];
    auto* label = new QLabel(tr("Satellite on DiSEqC &%1:").arg(name), this);
    QComboBox* choice = choices_[static_cast<std::size_t>(input)] = new QComboBox(this);
    choice->setObjectName(QString("CboSatellite") + name);
    // The box, the text typed into it and its list are one thing to a screen reader.
    for (QWidget* part : {static_cast<QWidget*>(choice), static_cast<QWidget*>(choice->view())}) {
      part->setAccessibleName(tr("Satellite on DiSEqC %1").arg(name));
    }
    label->setBuddy(choice);
    for (const satellites::Satellite& satellite : satellites_) {
      choice->addItem(QString::fromUtf8(satellite.name.c_str()));
    }
    // Typed text finds a satellite by any part of its name, the position included, as the
    // Add from satellite dialog does; Enter or leaving the box takes the match highlighted,
    // else the first found. No text is no satellite.
    choice->setEditable(true);
    choice->setInsertPolicy(QComboBox::NoInsert);
    choice->setCurrentIndex(-1);
    choice->lineEdit()->setPlaceholderText(tr("(none)"));
    choice->lineEdit()->setAccessibleName(choice->accessibleName());
    choice->completer()->setFilterMode(Qt::MatchContains);
    choice->completer()->setCompletionMode(QCompleter::PopupCompletion);
    connect(choice->lineEdit(), &QLineEdit::editingFinished, this,
            [this, choice] { Pick(choice); });
    choice->setEnabled(!satellites_.empty());
    if (satellites_.empty()) {
      choice->setToolTip(MessageText(satellites::WhereToGetTables(
          folder,
          common::Value(tr("with the Folder\u2026 button of Edit Lists > Add from satellite")
                            .toStdString()))));
    }
    connect(choice, &QComboBox::currentIndexChanged, this,
            [this, input] { ChooseSatellite(input); });
    row->addWidget(label);
    row->addWidget(choice, 1);
  }
  static_cast<QBoxLayout*>(layout())->insertLayout(0, row);
  connect(table_, &QTableWidget::cellActivated, this,
          [this](int clicked, int) { OpenFinding(ReportIndex(table_, clicked)); });
  connect(&workspace_signal, &WorkspaceSignal::changed, this, &CheckWindow::ShowFindings);
  SizeForRows(this, table_, kReportRows);
  ShowFindings();
}

void CheckWindow::Pick(QComboBox* choice) {
  // Enter reaches the box before the list of matches: the one highlighted there is meant.
  const QAbstractItemView* matches = choice->completer()->popup();
  const bool highlighted = matches->isVisible() && matches->currentIndex().isValid();
  const QString text = highlighted ? matches->currentIndex().data().toString()
                                   : choice->lineEdit()->text().trimmed();
  int found = text.isEmpty() ? -1 : choice->findText(text, Qt::MatchFixedString);
  for (int i = 0; found < 0 && !text.isEmpty() && i < choice->count(); ++i) {
    if (choice->itemText(i).contains(text, Qt::CaseInsensitive)) found = i;
  }
  if (found < 0 && !text.isEmpty()) found = choice->currentIndex();  // nothing found: as it was
  choice->setCurrentIndex(found);
  choice->lineEdit()->setText(found < 0 ? QString() : choice->itemText(found));
}

void CheckWindow::ChooseSatellite(int input) {
  const int chosen = choices_[static_cast<std::size_t>(input)]->currentIndex();
  satellites::InputTable& table = tables_[static_cast<std::size_t>(input)];
  if (chosen < 0) {
    table.name.clear();
    table.table = satellites::ScanTable{};
  } else {
    const satellites::Satellite& satellite = satellites_[static_cast<std::size_t>(chosen)];
    table.name = satellite.name;
    table.table = satellites::ReadScanTable(files_, satellite.path);
  }
  ShowFindings();
}

void CheckWindow::ShowFindings() {
  findings_ = satellites::CheckWithTables(check::CheckImage(workspace_),
                                          check::FirstTransponders(workspace_), tables_);
  common::Message unread;
  for (const satellites::InputTable& table : tables_) {
    if (!table.table.ok()) unread = table.table.message();
  }
  const common::Message summary = check::CheckSummary(findings_);
  summary_->setText(!unread.empty()   ? MessageText(unread)
                    : summary.empty() ? tr("No errors, no warnings")
                                      : MessageText(summary));
  const QIcon error_icon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
  const QIcon warning_icon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
  RefillReport(table_, [&] {
    for (std::size_t i = 0; i < findings_.size(); ++i) {
      const check::Finding& finding = findings_[i];
      const bool error = finding.severity == check::Severity::kError;
      AddReportRow(table_, static_cast<int>(i),
                   {error ? tr("Error") : tr("Warning"), MessageText(check::FindingWhere(finding)),
                    MessageText(check::FieldTitle(check::ListOf(finding), finding.field)),
                    MessageText(finding.message)},
                   error ? error_icon : warning_icon,
                   MessageText(common::Say(check::RuleOf(finding.rule).reason)));
    }
  });
}

void CheckWindow::OpenFinding(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= findings_.size()) return;
  const check::Finding& finding = findings_[static_cast<std::size_t>(index)];
  if (finding.record > 0 && open_finding) open_finding(finding);
}

}  // namespace chanforge::ui
