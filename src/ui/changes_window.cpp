#include "ui/changes_window.h"

#include <QLabel>
#include <QTableWidget>

#include "check/image_check.h"
#include "ui/qt_frontend.h"
#include "ui/widgets.h"

namespace chanforge::ui {

namespace {

constexpr auto kChanges = common::CountedWording("changes.count", "{1} changes", "{1} change");
constexpr auto kMoreRanges =
    common::CountedWording("changes.more-ranges", "{1} more byte ranges", "{1} more byte range");

// A change's row: where, what (a field, or what happened to the record or the bytes), and
// the values before and after.
QStringList Cells(const check::Change& change) {
  const QString where = MessageText(check::ChangePlace(change));
  const QString before = MessageText(change.before), after = MessageText(change.after);
  switch (change.kind) {
    case check::ChangeKind::kAdded:
      return {where, ChangesWindow::tr("added"), "", after};
    case check::ChangeKind::kRemoved:
      return {where, ChangesWindow::tr("removed"), before, ""};
    case check::ChangeKind::kMoved:
      return {where, ChangesWindow::tr("moved"), ChangesWindow::tr("from %1").arg(before), after};
    case check::ChangeKind::kBytes:
      return {where, ChangesWindow::tr("bytes %1-%2").arg(before, after), "", ""};
    case check::ChangeKind::kMoreBytes:
      return {where, MessageText(common::Say(kMoreRanges, {change.before})), "", ""};
    default:
      return {where, MessageText(check::FieldTitle(change.list, change.field)), before, after};
  }
}

}  // namespace

ChangesWindow::ChangesWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("ChangesForm");
  setWindowTitle(tr("Changes"));
  compared_ = new QLabel(this);
  compared_->setObjectName("LblCompared");
  compared_->setWordWrap(true);
  summary_ = new QLabel(this);
  summary_->setObjectName("LblSummary");
  table_ = BuildReportTable(this, "LstChanges", tr("Changes"),
                            {tr("Where"), tr("Field"), tr("Before"), tr("After")},
                            {compared_, summary_});
  SizeForRows(this, table_, kReportRows);
  connect(table_, &QTableWidget::cellActivated, this, [this](int row, int) {
    const int index = ReportIndex(table_, row);
    if (open_change && index >= 0 && static_cast<std::size_t>(index) < changes_.size()) {
      open_change(changes_[static_cast<std::size_t>(index)]);
    }
  });
}

void ChangesWindow::ShowChanges(const QString& old_name, const QString& new_name,
                                std::vector<check::Change> changes) {
  compared_->setText(old_name + QString::fromUtf8(" \u2192 ") + new_name);
  summary_->setText(changes.empty()
                        ? tr("The images are equal")
                        : MessageText(common::Say(kChanges, {common::Value(changes.size())})));
  RefillReport(table_, [&] {
    for (std::size_t i = 0; i < changes.size(); ++i) {
      AddReportRow(table_, static_cast<int>(i), Cells(changes[i]), {},
                   MessageText(check::FormatChange(changes[i])));
    }
  });
  changes_ = std::move(changes);
}

}  // namespace chanforge::ui
