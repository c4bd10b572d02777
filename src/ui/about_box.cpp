#include "ui/about_box.h"

#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>
#include <QSvgRenderer>
#include <QSysInfo>
#include <algorithm>

#include "satellites/scan_table.h"
#include "ui/qt_frontend.h"
#include "ui/satellite_dialog.h"
#include "ui/settings_store.h"
#include "ui/widgets.h"

namespace chanforge::ui {

QString CompiledComment(const char* build_date) {
  // __DATE__ reads "Mmm dd yyyy".
  const QStringList parts = QString(build_date).simplified().split(' ');
  const QDate built = QDate::fromString(parts.join(' '), "MMM d yyyy");
  // English writes "9-dec-2026"; another language its own order in numbers, with no English
  // month.
  //: The compile date's format in numbers, as QDate::toString reads it ("dd.MM.yyyy").
  const QString format = AboutBox::tr("d-mmm-yyyy");
  const QString date = format != "d-mmm-yyyy" && built.isValid() ? built.toString(format)
                       : parts.size() != 3                       ? QString(build_date)
                                           : parts[1] + "-" + parts[0].toLower() + "-" + parts[2];
  return AboutBox::tr("Compiled : %1").arg(date);
}

QString VersionLine() {
  return AboutBox::tr("Version %1.%2.%3   (%4)")
      .arg(QString::number(CHANFORGE_VERSION_MAJOR), QString::number(CHANFORGE_VERSION_MINOR),
           QString::number(CHANFORGE_VERSION_PATCH), CompiledComment(__DATE__));
}

QString DescriptionText() {
  return AboutBox::tr(
      "Welcome to Chanforge, the channel list editor for your receiver's flash image.\r\n\r\n"
      "This program has been made, because the conversion routines of DecLink can't cope with "
      "the new 2000-channel TCS and TPT lists written by the new version 1.0 firmware of the "
      "receiver.\r\n\r\n"
      "This program is still in the BETA phase!\r\n"
      " Always check the results and filesize before flashing !");
}

namespace {

QFrame* EtchedLine(QWidget* parent, const char* name, QRect geometry) {
  auto* line = new QFrame(parent);
  line->setObjectName(name);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(geometry);
  return line;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text, QRect geometry,
              double points) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setWordWrap(true);
  QFont font("Arial");
  font.setPointSizeF(points);
  label->setFont(font);
  return label;
}

// Grows a label to its text's height for its width, moving the widgets below it down by as
// much; returns the growth.
int GrowToFit(QWidget* box, QLabel* label) {
  const int bottom = label->y() + label->height();
  const int grow = std::max(0, label->heightForWidth(label->width()) - label->height());
  if (grow == 0) return 0;
  for (QWidget* below : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (below->y() >= bottom) below->move(below->pos() + QPoint(0, grow));
  }
  label->resize(label->width(), label->height() + grow);
  return grow;
}

QPixmap SvgPixmap(const QString& resource, QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(resource);
  QPainter painter(&pixmap);
  renderer.render(&painter);
  return pixmap;
}

}  // namespace

AboutBox::AboutBox(common::Frontend& frontend, SettingsStore* settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      frontend_(frontend),
      settings_(settings) {
  setObjectName("frmAbout");
  setModal(false);
  setWindowTitle(tr("About %1").arg(kAppTitle));
  const Twips tw(this);

  auto* icon = new QLabel(this);
  icon->setObjectName("picIcon");
  icon->setGeometry(tw(240, 240, 540, 540));
  icon->setPixmap(SvgPixmap(":/chanforge/chanforge.svg", icon->size()));
  Label(this, "lblTitle", kAppTitle, tw(1050, 180, 3600, 480), 15.75);
  Label(this, "lblVersion", VersionLine(), tw(1050, 660, 5200, 255), 9);
  Label(this, "lblDescription", tr("Channel and transponder list editor"), tw(1050, 930, 5200, 255),
        9);
  auto* logo = new QLabel(this);
  logo->setObjectName("Picture1");
  logo->setGeometry(tw(4815, 150, 1515, 975));
  logo->setPixmap(SvgPixmap(":/chanforge/logo.svg", logo->size()));
  auto* desc = Label(this, "lblDesc", DisplayText(DescriptionText().toStdString()),
                     tw(240, 1320, 5970, 2100), 9);
  desc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  EtchedLine(this, "Line1", tw(240, 3480, 5970, 30));
  Label(this, "lblDisclaimer2",
        tr("Comments and suggestions are welcome through the project's issue tracker."),
        tw(240, 3570, 5970, 435), 9);
  Label(this, "lblDisclaimer",
        tr("Warning: for use by certified technicians only! No warranties, use at your own risk"),
        tw(240, 4020, 5970, 435), 9);
  EtchedLine(this, "Line2", tw(240, 4500, 5970, 30));
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName("CmdOK");
  ok->setGeometry(tw(4725, 4680, 1485, 420));
  ok->setDefault(true);
  auto* sys_info = new QPushButton(tr("&System Info..."), this);
  sys_info->setObjectName("cmdSysInfo");
  sys_info->setGeometry(tw(240, 4680, 1485, 420));
  auto* copy = new QPushButton(tr("Copy &Details"), this);
  copy->setObjectName("CmdCopyDetails");
  copy->setToolTip(tr("Copy the version, the system and where the settings are, for a report"));
  copy->setGeometry(tw(1845, 4680, 1800, 420));
  // Whatever font stands in for Arial, every text ends whole (the description with its
  // safety line): a label grows by what its text needs beyond its place, and what is below it
  // moves down, the box with it.
  int extra = 0;
  for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (label->wordWrap()) extra += GrowToFit(this, label);
  }
  connect(ok, &QPushButton::clicked, this, &QDialog::close);
  connect(sys_info, &QPushButton::clicked, this, &AboutBox::StartSysInfo);
  connect(copy, &QPushButton::clicked, this,
          [this] { QGuiApplication::clipboard()->setText(Details()); });
  setFixedSize(tw(6450), tw(5265) + extra);
}

void AboutBox::StartSysInfo() {
  QString program;
#ifdef Q_OS_WIN
  QString text;
  if (settings_->GetSettingString("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", text) == 0) {
    program = text;
  } else if (settings_->GetSettingString("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                                         text) == 0 &&
             QFile::exists(text + "\\MSINFO32.EXE")) {
    program = text + "\\MSINFO32.EXE";
  }
#else
  // The desktops' own system or hardware information programs, the first one installed.
  for (const char* candidate : {"kinfocenter", "hardinfo2", "hardinfo", "cpu-x",
                                "gnome-system-monitor", "mate-system-monitor"}) {
    program = QStandardPaths::findExecutable(candidate);
    if (!program.isEmpty()) break;
  }
#endif
  if (program.isEmpty() || !QProcess::startDetached(program, {})) {
    frontend_.ShowMessage(
        common::MessageKind::kNotice,
        common::Value(tr("System Information Is Unavailable At This Time").toStdString()));
  }
}

QString AboutBox::Details() const {
  const QString settings = settings_ ? settings_->Location() : QString();
  return QStringList{
             QString("%1 %2").arg(kAppTitle, VersionLine()),
             tr("Qt %1").arg(qVersion()),
             tr("System: %1 (%2 %3, %4)")
                 .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(),
                      QSysInfo::kernelVersion(), QSysInfo::currentCpuArchitecture()),
             tr("Language: %1").arg(QLocale().name()),
             tr("Settings: %1")
                 .arg(settings.isEmpty() ? tr("(cannot be opened)")
                                         : QDir::toNativeSeparators(settings)),
             tr("Scan tables: %1")
                 .arg(QDir::toNativeSeparators(FromUtf8(
                     settings_ ? TablesFolder(*settings_) : satellites::kSystemTablesFolder))),
         }
             .join('\n') +
         '\n';
}

}  // namespace chanforge::ui
