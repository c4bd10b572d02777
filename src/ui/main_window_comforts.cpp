// The main window's comforts: CSV export and import, printing, the recent files, the language,
// the five-second status after a command, tooltips and the Tab order.
#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "common/file_access.h"
#include "editing/reference_order.h"
#include "flash/flash_file.h"
#include "ui/application.h"
#include "ui/file_filters.h"
#include "ui/main_window.h"
#include "ui/print_dialog.h"
#include "ui/qt_frontend.h"
#include "ui/recent_files.h"
#include "ui/widgets.h"

namespace chanforge::ui {

void MainWindow::BuildExchangeMenus(QMenu* file) {
  struct Entry {
    const char* name;
    const char* text;
    common::ListKind list;
  };
  const auto submenu = [&](const char* name, const QString& title, const Entry(&entries)[2],
                           void (MainWindow::*slot)(common::ListKind)) {
    QMenu* menu = file->addMenu(title);
    menu->setObjectName(name);
    for (const Entry& entry : entries) {
      QAction* action = menu->addAction(tr(entry.text));
      action->setObjectName(entry.name);
      const common::ListKind list = entry.list;
      connect(action, &QAction::triggered, this, [this, slot, list] { (this->*slot)(list); });
    }
  };
  const Entry exports[] = {
      {"actExportChannels", QT_TR_NOOP("Channels as CSV\u2026"), common::ListKind::kChannels},
      {"actExportTransponders", QT_TR_NOOP("Transponders as CSV\u2026"),
       common::ListKind::kTransponders}};
  const Entry imports[] = {
      {"actImportChannels", QT_TR_NOOP("Channels as CSV\u2026"), common::ListKind::kChannels},
      {"actImportTransponders", QT_TR_NOOP("Transponders as CSV\u2026"),
       common::ListKind::kTransponders}};
  file->addSeparator();
  submenu("menuExport", tr("&Export"), exports, &MainWindow::OnExportCsv);
  submenu("menuImport", tr("&Import"), imports, &MainWindow::OnImportCsv);
  AddPrintActions(file, this, *frontend_, session_, *settings_, [this] { return clock_(); });
  file->addSeparator();
  QMenu* recent = file->addMenu(tr("&Recent Files"));
  recent->setObjectName("menuRecent");
  recent_files_ = new RecentFiles(*settings_, recent, [this](const QString& name) {
    // A file gone since leaves the list, instead of a message that gives no reason.
    if (!QFileInfo::exists(name)) {
      recent_files_->Remove(name);
      return ShowDone(
          tr("%1 no longer exists: left out of Recent Files").arg(QDir::toNativeSeparators(name)));
    }
    LoadDroppedFile(name);
  });
  done_timer_ = new QTimer(this);
  done_timer_->setObjectName("doneTimer");
  done_timer_->setSingleShot(true);
  done_timer_->setInterval(5000);
  connect(done_timer_, &QTimer::timeout, this, [this] { ShowStatus(""); });
}

std::string MainWindow::BesideImage(const std::string& name) const {
  const std::string& image = workspace_.image().fileName;
  if (image.empty()) return name;
  return (QFileInfo(FromUtf8(image)).absolutePath() + '/').toStdString() + name;
}

void MainWindow::ShowDone(const QString& text) {
  ShowStatus(text);
  done_timer_->start();
}

void MainWindow::SetClock(std::function<QDateTime()> now) {
  clock_ = std::move(now);
  tick_();
}

std::string MainWindow::ChooseCsvFile(common::ListKind list, common::FileDialogKind dialog) {
  if (!session_.CheckLoaded(*frontend_)) return {};
  const std::string kind = common::ListNameOf(list);
  const bool channels = list == common::ListKind::kChannels;
  const QString title = dialog == common::FileDialogKind::kSave
                            ? (channels ? tr("Export Channels") : tr("Export Transponders"))
                            : (channels ? tr("Import Channels") : tr("Import Transponders"));
  return common::ChooseFileWithFallback(
      *frontend_, {dialog, title.toStdString(), BesideImage(kind + ".csv"), kCsvFilter},
      kind + ".csv");
}

void MainWindow::OnExportCsv(common::ListKind list) {
  if (!CommitPendingEdit()) return;
  const std::string name = ChooseCsvFile(list, common::FileDialogKind::kSave);
  if (name.empty()) return ShowStatus("");
  const common::Finished exported =
      editing::ExportCsvFile(*frontend_, files_, document_, list, name);
  ShowStatus("");
  if (exported == common::Outcome::kDone) ShowDone(MessageText(exported.done));
}

void MainWindow::OnImportCsv(common::ListKind list) {
  if (!CommitPendingEdit()) return;
  const std::string name = ChooseCsvFile(list, common::FileDialogKind::kOpen);
  if (name.empty()) return ShowStatus("");
  const common::Finished imported =
      editing::ImportCsvFile(*frontend_, files_, document_, undo_stack_, list, name);
  UpdateHistoryActions();
  ShowStatus("");
  if (imported == common::Outcome::kDone) ShowDone(MessageText(imported.done));
}

void MainWindow::OnApplyOrder() {
  if (!CommitPendingEdit()) return;
  if (!session_.CheckLoaded(*frontend_)) return;
  if (const common::Status editable = document_.CheckEditable(common::ListKind::kChannels);
      !editable.ok()) {
    return frontend_->ShowMessage(common::MessageKind::kError, editable.message());
  }
  const std::string name = common::ChooseFileWithFallback(
      *frontend_,
      {common::FileDialogKind::kOpen, tr("Apply Order From").toStdString(), BesideImage(""),
       kReferenceFilter},
      flash::kDefaultFlashName);
  editing::Reference reference;
  const bool loaded = !name.empty() && editing::LoadReference(*frontend_, files_, name,
                                                              reference) == common::Outcome::kDone;
  ShowStatus("");  // no "Loading" left under the summary
  if (!loaded) return;
  auto plan = std::make_shared<editing::OrderPlan>(
      editing::PlanOrder(document_, reference, editing::NewChannels::kLast));
  // Modal for the whole program, as the plan holds for this list only: no edit may come
  // between. Opened, not run, so that the caller returns at once.
  auto* box =
      new QMessageBox(QMessageBox::Question, kAppTitle, MessageText(editing::OrderSummary(*plan)),
                      QMessageBox::NoButton, this);
  box->setObjectName("OrderSummary");
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::ApplicationModal);
  QStringList details;
  for (const auto* lines : {&plan->new_channels, &plan->missing_channels}) {
    for (const common::Message& line : *lines) details << MessageText(line);
  }
  if (!details.isEmpty()) box->setDetailedText(details.join('\n'));
  if (!plan->Changes()) {
    box->setIcon(QMessageBox::Information);
    box->setStandardButtons(QMessageBox::Ok);
    return box->open();
  }
  box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
  box->button(QMessageBox::Ok)->setText(tr("&OK"));
  box->button(QMessageBox::Cancel)->setText(tr("&Cancel"));
  box->setDefaultButton(QMessageBox::Ok);
  const common::Message step = editing::ApplyOrderStep(common::PathOf(name).filename().string());
  connect(box, &QMessageBox::finished, this, [this, box, plan, step] {
    if (box->clickedButton() != box->button(QMessageBox::Ok)) return;
    AfterDialog(this, [this, plan, step] {
      Push(editing::ApplyOrder(*plan, step));
      ShowDone(MessageText(step));
    });
  });
  box->open();
}

void MainWindow::BuildLanguageMenu(QMenu* help) {
  QMenu* menu = help->addMenu(tr("&Language"));
  menu->setObjectName("menuLanguage");
  auto* group = new QActionGroup(menu);
  QString chosen;
  settings_->GetSettingString(kAppKey, kLanguageSetting, chosen);
  const auto add = [&](const QString& code, const QString& name) {
    QAction* action = menu->addAction(name);
    action->setObjectName("actLanguage_" + (code.isEmpty() ? QString("system") : code));
    action->setCheckable(true);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, menu, code, name] {
      if (settings_->SaveSettingString(kAppKey, kLanguageSetting, code) != 0) {
        // Not kept: the menu shows again what the next start takes, and the status says so.
        QString kept;
        settings_->GetSettingString(kAppKey, kLanguageSetting, kept);
        auto* was = menu->findChild<QAction*>("actLanguage_" + kept);
        (was ? was : menu->findChild<QAction*>("actLanguage_system"))->setChecked(true);
        return ShowDone(tr("The language could not be kept: the settings cannot be written"));
      }
      ShowDone(code.isEmpty() ? tr("Language from the next start: the system's")
                              : tr("Language from the next start: %1").arg(name));
    });
    return action;
  };
  QAction* system = add(QString(), tr("&System Language"));
  system->setChecked(true);
  menu->addSeparator();
  // Each language in its own words, so that a user who cannot read the window's finds theirs.
  for (const WindowLanguage& language : kWindowLanguages) {
    QAction* action = add(language.code, QString::fromUtf8(language.name));
    if (chosen == QLatin1String(language.code)) action->setChecked(true);
  }
}

void MainWindow::AddComforts() {
  AddTips();
  SetTabOrder();
}

void MainWindow::AddTips() {
  const std::pair<const char*, const char*> tips[] = {
      {"CmdLoad", QT_TR_NOOP("Load a flash image file")},
      {"CmdSave", QT_TR_NOOP("Save the flash image to its file")},
      {"Option1", QT_TR_NOOP("Block commands work on the block's data only")},
      {"Option2", QT_TR_NOOP("Block commands work on the whole 64 KB block, header included")},
      {"CmdBlRead", QT_TR_NOOP("Read a file into the selected block")},
      {"CmdBlkSave", QT_TR_NOOP("Save the selected block to a file")},
      {"CmdSwap", QT_TR_NOOP("Swap DiSEqC A and B of every transponder in the selected TPT block")},
      {"CmdClr", QT_TR_NOOP("Clear the selected block")},
      {"CmdView", QT_TR_NOOP("Show the selected block as hex or as a list")},
      {"TCSBin", QT_TR_NOOP("Choose the TCS binary list file")},
      {"CmdTCSTxt", QT_TR_NOOP("Choose the TCS text file")},
      {"CmdTPTBin", QT_TR_NOOP("Choose the TPT binary list file")},
      {"CmdTPTTxt", QT_TR_NOOP("Choose the TPT text file")},
      {"ChkDCComp",
       QT_TR_NOOP("Write and read TPT text without the DiSEqC column, as DecLink does")},
      {"CmdViewList", QT_TR_NOOP("Show the TCS and TPT binary files as lists")},
      {"CmdAbout", QT_TR_NOOP("About Chanforge")},
  };
  for (const auto& [name, tip] : tips) {
    if (auto* widget = findChild<QWidget*>(name)) widget->setToolTip(tr(tip));
  }
  // What an entry does shows in the status line while the pointer is on it.
  const std::pair<const char*, const char*> status_tips[] = {
      {"actLoad", QT_TR_NOOP("Load a flash image file")},
      {"actSave", QT_TR_NOOP("Write the image back to the file it was loaded from")},
      {"actSaveAs", QT_TR_NOOP("Save the image under a name you choose")},
      {"actShowChanges", QT_TR_NOOP("List what changed since the image was loaded or saved")},
      {"actExportChannels", QT_TR_NOOP("Write the channel list as CSV, for a spreadsheet")},
      {"actExportTransponders", QT_TR_NOOP("Write the transponder list as CSV, for a spreadsheet")},
      {"actImportChannels", QT_TR_NOOP("Read the channel list from a CSV file")},
      {"actImportTransponders", QT_TR_NOOP("Read the transponder list from a CSV file")},
      {"actPrint", QT_TR_NOOP("Print the channel list")},
      {"actExportPdf", QT_TR_NOOP("Write the channel list as a PDF file")},
      {"actQuit", QT_TR_NOOP("Close Chanforge")},
      {"actUndo", QT_TR_NOOP("Take back the last change")},
      {"actRedo", QT_TR_NOOP("Make the change taken back again")},
      {"actEditLists", QT_TR_NOOP("Edit the channels and transponders in tables")},
      {"actApplyOrder",
       QT_TR_NOOP("Put the channels in the order of another image or of a channel CSV")},
      {"actCheckImage", QT_TR_NOOP("List what would likely make the image misbehave")},
      {"actCompareWith", QT_TR_NOOP("List the changes between another image and this one")},
      {"actAbout", QT_TR_NOOP("Which program and version this is")},
  };
  for (const auto& [name, tip] : status_tips) {
    if (auto* act = findChild<QAction*>(name)) act->setStatusTip(tr(tip));
  }
}

void MainWindow::SetTabOrder() {
  // Left column first, then the right one, each from top to bottom.
  const char* const order[] = {
      "CmdLoad",    "CmdSave",   "List1",     "Option1",     "Option2", "CmdBlRead", "CmdBlkSave",
      "CmdSwap",    "CmdClr",    "CmdView",   "TCSBin",      "TxtTCS",  "ChkUtf8",   "CmdTCS2Txt",
      "CmdTxt2TCS", "CmdTCSTxt", "TxtTCSTxt", "CmdTPTBin",   "TxtTPT",  "ChkDCComp", "CmdTPT2Txt",
      "CmdTxt2TPT", "CmdTPTTxt", "TxtTPTTxt", "CmdViewList", "CmdAbout"};
  QWidget* previous = nullptr;
  for (const char* name : order) {
    QWidget* widget = findChild<QWidget*>(name);
    if (!widget) continue;
    widget->setFocusPolicy(Qt::StrongFocus);
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }
}

}  // namespace chanforge::ui
