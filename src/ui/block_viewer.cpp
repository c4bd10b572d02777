#include "ui/block_viewer.h"

#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include "flash/blocks.h"
#include "ui/qt_frontend.h"
#include "ui/widgets.h"
#include "ui/workspace_signal.h"
#include "views/block_view.h"

namespace chanforge::ui {

namespace {

QStringList Shown(const std::vector<std::string>& lines) {
  QStringList shown;
  for (const std::string& line : lines) shown << Latin1(line);
  return shown;
}

}  // namespace

BlockViewer::BlockViewer(common::Frontend& frontend, const flash::Workspace& workspace,
                         WorkspaceSignal& workspace_signal, int index, const QString& caption,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), frontend_(frontend), workspace_(workspace), index_(index) {
  setObjectName("ShowForm");
  setWindowTitle(tr("Block Viewer"));
  const Twips tw(this);
  auto* frame = new QGroupBox(caption, this);
  frame->setObjectName("Frame1");
  frame->setGeometry(tw(120, 60, 9150, 6600));
  list_ = MakeLineList(frame, "LstBlock");
  list_->setGeometry(tw(120, 300, 8910, 6180));
  option1_ = new QRadioButton(tr("View as &Hex"), this);
  option1_->setObjectName("Option1");
  option1_->setGeometry(tw(240, 6780, 2000, 300));
  option1_->setChecked(true);
  option2_ = new QRadioButton(tr("View as ...."), this);
  option2_->setObjectName("Option2");
  option2_->setGeometry(tw(2400, 6780, 2000, 300));
  option2_->hide();
  auto* ok = new QPushButton(tr("&Close"), this);
  ok->setObjectName("CmdOK");
  ok->setGeometry(tw(7200, 6740, 1950, 375));
  setFixedSize(tw(9390), tw(7260));
  connect(option1_, &QRadioButton::clicked, this, &BlockViewer::ShowHex);
  connect(option2_, &QRadioButton::clicked, this, &BlockViewer::ShowList);
  connect(ok, &QPushButton::clicked, this, &QWidget::close);
  connect(&workspace_signal, &WorkspaceSignal::changed, this, &BlockViewer::ShowCurrent);
  ShowHex();
}

void BlockViewer::ShowCurrent() {
  if (!option2_->isHidden() && option2_->isChecked()) {
    ShowList();
  } else {
    ShowHex();
  }
}

void BlockViewer::ShowHex() {
  const flash::BlockInfo* block = flash::FindBlock(workspace_, index_);
  frontend_.ShowStatus(common::Value(tr("Converting Block...").toStdString()));
  SetLines(list_, block ? Shown(views::HexDumpLines(flash::WholeBlockBytes(workspace_, *block),
                                                    views::CharColumn::kLatin1))
                        : QStringList{});
  const QString caption = block ? MessageText(views::ListViewCaption(block->name)) : QString{};
  option2_->setVisible(!caption.isEmpty());
  if (!caption.isEmpty()) option2_->setText(caption);
  frontend_.ShowStatus(common::Message());
}

void BlockViewer::ShowList() {
  const flash::BlockInfo* block = flash::FindBlock(workspace_, index_);
  if (!block) return;
  const auto kind = flash::ListKindOf(*block, flash::NameMatch::kExact);
  frontend_.ShowStatus(common::Say(common::kConvertingStatus,
                                   {common::Value(kind ? common::BlockNameOf(*kind) : "")}));
  const std::string list = flash::BlockData(workspace_, *block);
  if (kind == common::ListKind::kChannels) SetLines(list_, Shown(views::TcsListLines(list)));
  if (kind == common::ListKind::kTransponders) SetLines(list_, Shown(views::TptListLines(list)));
  frontend_.ShowStatus(common::Message());
}

}  // namespace chanforge::ui
