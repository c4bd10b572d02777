#include "ui/list_viewer.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStringList>

#include "ui/qt_frontend.h"
#include "ui/widgets.h"
#include "views/list_view.h"

namespace chanforge::ui {

namespace {

QStringList Lines(const views::ListedFile& file) {
  QStringList shown;
  for (const common::Message& line : file.lines) shown << MessageText(line);
  return shown;
}

}  // namespace

ListViewer::ListViewer(const Source& tcs, const Source& tpt, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  setObjectName("ViewerForm");
  setWindowTitle(tr("TCS/TPT Viewer"));
  const Twips tw(this);
  const views::ListedFile tcs_file = views::ListTcsFile(tcs.list);
  const views::ListedFile tpt_file = views::ListTptFile(tpt.list);

  auto* tcs_frame = new QGroupBox(QString::fromUtf8(tcs.title.c_str()), this);
  tcs_frame->setObjectName("TCSFrame");
  tcs_frame->setGeometry(tw(0, 0, 8925, 4905));
  QListView* tcs_list = MakeLineList(tcs_frame, "LstTCS");
  tcs_list->setGeometry(tw(120, 240, 8685, 4545));
  SetLines(tcs_list, Lines(tcs_file));

  auto* tpt_frame = new QGroupBox(QString::fromUtf8(tpt.title.c_str()), this);
  tpt_frame->setObjectName("TPTFrame");
  tpt_frame->setGeometry(tw(0, 4920, 8925, 2175));
  QListView* tpt_list = MakeLineList(tpt_frame, "LstTPT");
  tpt_list->setGeometry(tw(120, 240, 8685, 1815));
  SetLines(tpt_list, Lines(tpt_file));

  auto* ok = new QPushButton(tr("&Close"), this);
  ok->setObjectName("CmdOK");
  ok->setGeometry(tw(3435, 7185, 2055, 375));
  connect(ok, &QPushButton::clicked, this, &QWidget::close);
  setFixedSize(tw(8925), tw(7665));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

}  // namespace chanforge::ui
