#include "ui/changes_window.h"

#include <QLabel>
#include <QListWidget>

#include "ui/widgets.h"

namespace chanforge::ui {

ChangesWindow::ChangesWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("ChangesForm");
  setWindowTitle("Changes");
  compared_ = new QLabel(this);
  compared_->setObjectName("LblCompared");
  compared_->setWordWrap(true);
  summary_ = new QLabel(this);
  summary_->setObjectName("LblSummary");
  list_ = BuildReportWindow(this, "LstChanges", {compared_, summary_});
  list_->setAccessibleName("Changes");
  connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    const int row = list_->row(item);
    if (open_change && row >= 0 && static_cast<std::size_t>(row) < changes_.size()) {
      open_change(changes_[static_cast<std::size_t>(row)]);
    }
  });
}

void ChangesWindow::ShowChanges(const QString& old_name, const QString& new_name,
                                std::vector<check::Change> changes) {
  compared_->setText(old_name + QString::fromUtf8(" \u2192 ") + new_name);
  summary_->setText(changes.empty()       ? QString("The images are equal")
                    : changes.size() == 1 ? QString("1 change")
                                          : QString("%1 changes").arg(changes.size()));
  RefillKeepingPlace(list_, [&] {
    for (const check::Change& change : changes) {
      list_->addItem(QString::fromUtf8(change.line.c_str()));
    }
  });
  changes_ = std::move(changes);
}

}  // namespace chanforge::ui
