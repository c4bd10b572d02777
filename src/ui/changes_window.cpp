#include "ui/changes_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

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
  list_ = new QListWidget(this);
  list_->setObjectName("LstChanges");
  list_->setUniformItemSizes(true);
  auto* close = new QPushButton("&Close", this);
  close->setObjectName("CmdOK");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(compared_);
  layout->addWidget(summary_);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  resize(Twips(this)(9390), Twips(this)(5400));
  connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void ChangesWindow::ShowChanges(const QString& old_name, const QString& new_name,
                                const std::vector<check::Change>& changes) {
  compared_->setText(old_name + QString::fromUtf8(" \u2192 ") + new_name);
  summary_->setText(changes.empty() ? QString("The images are equal")
                                    : QString("%1 changes").arg(changes.size()));
  list_->clear();
  for (const check::Change& change : changes)
    list_->addItem(QString::fromUtf8(change.line.c_str()));
}

}  // namespace chanforge::ui
