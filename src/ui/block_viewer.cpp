#include "ui/block_viewer.h"

#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include "transponders/block_view.h"
#include "ui/widgets.h"

namespace chanforge::ui {

QString DisplayDumpLine(const std::string& line) {
  QString text = Latin1(line);
  for (qsizetype i = 53; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) text[i] = '.';
  }
  return text;
}

BlockViewer::BlockViewer(common::Frontend& frontend, const flash::Workspace& workspace, int index,
                         const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::Window), frontend_(frontend), workspace_(workspace), index_(index) {
  setObjectName("ShowForm");
  setWindowTitle("Block Viewer");
  const Twips tw(this);
  auto* frame = new QGroupBox(caption, this);
  frame->setObjectName("Frame1");
  frame->setGeometry(tw(120, 60, 9150, 6600));
  list_ = MakeLineList(frame, "LstBlock");
  list_->setGeometry(tw(120, 300, 8910, 6180));
  auto* option1 = new QRadioButton("View as &Hex", this);
  option1->setObjectName("Option1");
  option1->setGeometry(tw(240, 6780, 2000, 300));
  option1->setChecked(true);
  option2_ = new QRadioButton("View as ....", this);
  option2_->setObjectName("Option2");
  option2_->setGeometry(tw(2400, 6780, 2000, 300));
  option2_->hide();
  auto* ok = new QPushButton("&Close", this);
  ok->setObjectName("CmdOK");
  ok->setGeometry(tw(7200, 6740, 1950, 375));
  setFixedSize(tw(9390), tw(7260));
  connect(option1, &QRadioButton::clicked, this, &BlockViewer::ShowHex);
  connect(option2_, &QRadioButton::clicked, this, &BlockViewer::ShowList);
  connect(ok, &QPushButton::clicked, this, &QWidget::close);
  ShowHex();
}

void BlockViewer::ShowHex() {
  QStringList lines;
  for (const std::string& line : transponders::ShowBlockHex(workspace_, frontend_, index_)) {
    lines << DisplayDumpLine(line);
  }
  SetLines(list_, lines);
  const std::string& name = workspace_.blocks[static_cast<std::size_t>(index_)].name;
  const QString caption = QString::fromStdString(transponders::ListViewCaption(name));
  option2_->setVisible(!caption.isEmpty());
  if (!caption.isEmpty()) option2_->setText(caption);
}

void BlockViewer::ShowList() {
  const QString caption = option2_->text();
  std::vector<std::string> lines;
  if (caption.endsWith("TCS")) lines = transponders::ShowBlockAsTcs(workspace_, frontend_, index_);
  if (caption.endsWith("TPT")) lines = transponders::ShowBlockAsTpt(workspace_, frontend_, index_);
  QStringList shown;
  for (const std::string& line : lines) shown << Latin1(line);
  SetLines(list_, shown);
}

}  // namespace chanforge::ui
