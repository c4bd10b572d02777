#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QRadioButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "channels/list_conversions.h"
#include "flash/block_check.h"
#include "flash/block_clear.h"
#include "flash/block_transfer.h"
#include "flash/flash_file.h"
#include "transponders/diseqc_swap.h"
#include "transponders/transponder_conversions.h"
#include "ui/about_box.h"
#include "ui/block_viewer.h"
#include "ui/list_viewer.h"
#include "ui/qt_frontend.h"
#include "ui/widgets.h"

namespace chanforge::ui {

namespace {

std::string Std(const QString& text) { return text.toStdString(); }
QString Qt8(const std::string& text) { return QString::fromUtf8(text.c_str()); }

}  // namespace

MainWindow::MainWindow(common::Frontend* frontend, SettingsStore* settings)
    : frontend_(frontend), settings_(settings) {
  if (!frontend_) {
    own_frontend_ = std::make_unique<QtFrontend>(this, [this](const QString& text) {
      ShowStatus(text);
      // Long steps run on this thread: let the status line paint before they start.
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    frontend_ = own_frontend_.get();
  }
  if (!settings_) {
    own_settings_ = std::make_unique<SettingsStore>();
    settings_ = own_settings_.get();
  }
  setObjectName("Form1");
  setWindowTitle(kAppTitle);
  setWindowIcon(QIcon(":/chanforge/chanforge.svg"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setAcceptDrops(true);
  BuildControls();
  ApplySettings();
  workspace_.image.fileName.clear();
  workspace_.dirty = false;
  ShowStatus("");
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
  const Twips tw(this);
  // The layout is fixed in twips; a small UI font (as the platform's dialogs used when
  // it was drawn) keeps every caption inside its control.
  QFont small = font();
  small.setPointSizeF(7.5);
  setFont(small);
  auto* central = new QWidget(this);
  setCentralWidget(central);
  central->setFixedSize(tw(9870), tw(4995));

  const auto frame = [&](QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
  };
  const auto icon_button = [&](QWidget* parent, const char* name, const char* caption,
                               QStyle::StandardPixmap icon, QRect geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(style()->standardIcon(icon));
    button->setIconSize({16, 16});
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setGeometry(geometry);
    return button;
  };
  const auto arrow_button = [&](QWidget* parent, const char* name, Qt::ArrowType arrow,
                                const char* tip, QRect geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setToolTip(tip);
    button->setGeometry(geometry);
    return button;
  };
  const auto label = [&](QWidget* parent, const char* name, const char* text, QRect geometry) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    return l;
  };
  const auto text_box = [&](QWidget* parent, const char* name, const char* text, QRect geometry) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
  };

  QGroupBox* frame5 = frame(central, "Frame5", "File Management", tw(0, 0, 5895, 1455));
  auto* load = icon_button(frame5, "CmdLoad", "&Load Bin", QStyle::SP_DialogOpenButton,
                           tw(120, 360, 1215, 495));
  auto* save = icon_button(frame5, "CmdSave", "&Save Bin", QStyle::SP_DialogSaveButton,
                           tw(1560, 360, 1215, 495));
  lbl_size_ = label(frame5, "LblSize", "Size : 0 bytes", tw(3120, 480, 2295, 255));
  label6_ = label(frame5, "Label6", "", tw(3120, 720, 1935, 255));
  label(frame5, "Label5", "File :", tw(210, 1080, 375, 255));
  lbl_file_ = label(frame5, "lblFile", "", tw(600, 1080, 5175, 255));

  list1_ = new QListWidget(central);
  list1_->setObjectName("List1");
  list1_->setGeometry(tw(0, 1560, 5895, 2010));
  list1_->setFont(ListFont());
  list1_->setSelectionMode(QAbstractItemView::SingleSelection);
  list1_->setUniformItemSizes(true);

  QGroupBox* frame1 = frame(central, "Frame1", "", tw(6840, 3960, 3015, 975));
  QGroupBox* frame4 = frame(central, "Frame4", "Controls", tw(0, 3720, 7000, 1215));
  auto* option1 = new QRadioButton("Data Only", frame4);
  option1->setObjectName("Option1");
  option1->setGeometry(tw(840, 240, 1335, 255));
  option1->setChecked(true);
  option2_ = new QRadioButton("64Kb Block", frame4);
  option2_->setObjectName("Option2");
  option2_->setGeometry(tw(3360, 240, 1335, 255));
  auto* read = icon_button(frame4, "CmdBlRead", "&Read Block", QStyle::SP_ArrowDown,
                           tw(120, 555, 1215, 495));
  auto* block_save = icon_button(frame4, "CmdBlkSave", "Save &Block", QStyle::SP_ArrowUp,
                                 tw(1510, 555, 1215, 495));
  auto* swap = new WrappingButton("Swap &DiSEqC (Monoblock)", frame4);
  swap->setObjectName("CmdSwap");
  swap->setGeometry(tw(2900, 555, 1215, 495));
  cmd_swap_ = swap;
  auto* clear =
      icon_button(frame4, "CmdClr", "&Clear Block", QStyle::SP_TrashIcon, tw(4290, 555, 1215, 495));
  auto* view = icon_button(frame4, "CmdView", "&View  Block", QStyle::SP_FileDialogContentsView,
                           tw(5680, 555, 1215, 495));
  block_commands_ = {read, block_save, clear, view};
  for (QAbstractButton* b : block_commands_) b->setEnabled(false);
  cmd_swap_->setEnabled(false);

  QGroupBox* frame2 =
      frame(central, "Frame2", "ChannelList (TCS) Convert", tw(6000, 0, 3855, 2055));
  auto* tcs_bin =
      icon_button(frame2, "TCSBin", "TCS Bin", QStyle::SP_DirOpenIcon, tw(80, 240, 735, 480));
  txt_tcs_ = text_box(frame2, "TxtTCS", "TCS", tw(840, 360, 2895, 285));
  auto* tcs2txt =
      arrow_button(frame2, "CmdTCS2Txt", Qt::DownArrow,
                   "Convert the TCS binary file to a text file", tw(1200, 840, 375, 375));
  auto* txt2tcs =
      arrow_button(frame2, "CmdTxt2TCS", Qt::UpArrow, "Convert the TCS text file to a binary file",
                   tw(2040, 840, 375, 375));
  auto* tcs_txt =
      icon_button(frame2, "CmdTCSTxt", "TCS Txt", QStyle::SP_FileIcon, tw(80, 1320, 735, 480));
  txt_tcs_txt_ = text_box(frame2, "TxtTCSTxt", "TCS.txt", tw(840, 1440, 2895, 285));

  QGroupBox* frame3 =
      frame(central, "Frame3", "TransponderList (TPT) Convert", tw(6000, 2160, 3855, 1935));
  auto* tpt_bin =
      icon_button(frame3, "CmdTPTBin", "TPT Bin", QStyle::SP_DirOpenIcon, tw(80, 240, 735, 480));
  txt_tpt_ = text_box(frame3, "TxtTPT", "TPT", tw(840, 360, 2895, 285));
  chk_dc_comp_ = new WrappingCheckBox("Declink Comp", frame3);
  chk_dc_comp_->setObjectName("ChkDCComp");
  chk_dc_comp_->setGeometry(tw(120, 795, 1020, 495));
  auto* tpt2txt =
      arrow_button(frame3, "CmdTPT2Txt", Qt::DownArrow,
                   "Convert the TPT binary file to a text file", tw(1200, 840, 375, 375));
  auto* txt2tpt =
      arrow_button(frame3, "CmdTxt2TPT", Qt::UpArrow, "Convert the TPT text file to a binary file",
                   tw(2040, 840, 375, 375));
  auto* tpt_txt =
      icon_button(frame3, "CmdTPTTxt", "TPT Txt", QStyle::SP_FileIcon, tw(80, 1320, 735, 495));
  txt_tpt_txt_ = text_box(frame3, "TxtTPTTxt", "TPT.txt", tw(840, 1440, 2895, 285));

  auto* view_list = icon_button(frame1, "CmdViewList", "V&iew  ChList",
                                QStyle::SP_FileDialogListView, tw(240, 315, 1215, 495));
  auto* about = icon_button(frame1, "CmdAbout", "&About", QStyle::SP_MessageBoxInformation,
                            tw(1630, 315, 1215, 495));
  frame4->raise();  // its View button reaches into the frame beside it

  auto* bar = new QStatusBar(this);
  bar->setObjectName("StatusBar");
  bar->setSizeGripEnabled(false);
  status_text_ = new QLabel("...", bar);
  status_date_ = new QLabel(bar);
  status_time_ = new QLabel(bar);
  bar->addWidget(status_text_, 1);
  bar->addPermanentWidget(status_date_);
  bar->addPermanentWidget(status_time_);
  setStatusBar(bar);
  const auto tick = [this] {
    const QDateTime now = QDateTime::currentDateTime();
    status_date_->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
    status_time_->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
  };
  tick();
  auto* clock = new QTimer(this);
  connect(clock, &QTimer::timeout, this, tick);
  clock->start(1000);

  connect(load, &QAbstractButton::clicked, this, &MainWindow::OnLoad);
  connect(save, &QAbstractButton::clicked, this, &MainWindow::OnSave);
  connect(read, &QAbstractButton::clicked, this, &MainWindow::OnBlockRead);
  connect(block_save, &QAbstractButton::clicked, this, &MainWindow::OnBlockSave);
  connect(clear, &QAbstractButton::clicked, this, &MainWindow::OnClear);
  connect(swap, &QAbstractButton::clicked, this, &MainWindow::OnSwap);
  connect(view, &QAbstractButton::clicked, this, &MainWindow::OnView);
  connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
          &MainWindow::OnLoad);
  connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
          &MainWindow::OnSave);
  connect(tcs_bin, &QAbstractButton::clicked, this, [this] { ChooseInto(txt_tcs_, "TCS"); });
  connect(tcs_txt, &QAbstractButton::clicked, this,
          [this] { ChooseInto(txt_tcs_txt_, "TCS.txt"); });
  connect(tpt_bin, &QAbstractButton::clicked, this, [this] { ChooseInto(txt_tpt_, "TPT"); });
  connect(tpt_txt, &QAbstractButton::clicked, this,
          [this] { ChooseInto(txt_tpt_txt_, "TPT.txt"); });
  connect(tcs2txt, &QAbstractButton::clicked, this, [this] {
    channels::ConvertTcsToText(*frontend_, Std(txt_tcs_->text()), Std(txt_tcs_txt_->text()));
    ShowStatus("");
  });
  connect(txt2tcs, &QAbstractButton::clicked, this, [this] {
    channels::ConvertTextToTcs(*frontend_, Std(txt_tcs_->text()), Std(txt_tcs_txt_->text()));
    ShowStatus("");
  });
  connect(tpt2txt, &QAbstractButton::clicked, this, [this] {
    transponders::ConvertTptToText(*frontend_, Std(txt_tpt_->text()), Std(txt_tpt_txt_->text()),
                                   chk_dc_comp_->isChecked());
    ShowStatus("");
  });
  connect(txt2tpt, &QAbstractButton::clicked, this, [this] {
    transponders::ConvertTextToTpt(*frontend_, Std(txt_tpt_->text()), Std(txt_tpt_txt_->text()),
                                   chk_dc_comp_->isChecked());
    ShowStatus("");
  });
  connect(list1_, &QListWidget::currentRowChanged, this, &MainWindow::UpdateBlockCommands);
  connect(list1_, &QListWidget::itemSelectionChanged, this,
          [this] { workspace_.selected = SelectedIndex(); });
  connect(view_list, &QAbstractButton::clicked, this, [this] {
    ShowWindow(list_viewer_, [this] {
      return new ListViewer(*frontend_, Std(txt_tcs_->text()), Std(txt_tpt_->text()), this);
    });
  });
  connect(about, &QAbstractButton::clicked, this, [this] {
    ShowWindow(about_box_, [this] { return new AboutBox(*frontend_, settings_, this); });
  });
  setFixedSize(sizeHint());
}

void MainWindow::ShowWindow(QPointer<QWidget>& slot, const std::function<QWidget*()>& make) {
  opened_.removeAll(QPointer<QWidget>());
  // A window closed a moment ago may still wait for its deletion; it does not count.
  if (!slot || !slot->isVisible()) {
    slot = make();
    slot->setAttribute(Qt::WA_DeleteOnClose);
    opened_.append(slot);
  }
  slot->show();
  slot->raise();
  slot->activateWindow();
}

void MainWindow::ApplySettings() {
  const Twips tw(this);
  QString text;
  const auto get = [&](const char* name) {
    settings_->GetSettingString(kAppKey, name, text);
    return text;
  };
  bool ok = false;
  const double left = get("MainLeft").toDouble(&ok);
  if (ok) move(static_cast<int>(std::lround(left / 15.0 * tw.scale())), y());
  const double top = get("MainTop").toDouble(&ok);
  if (ok) move(x(), static_cast<int>(std::lround(top / 15.0 * tw.scale())));
  const QString declink = get("DecLinkComp");
  if (declink == "0" || declink == "1") chk_dc_comp_->setChecked(declink == "1");
  for (const auto& [name, box] :
       {std::pair{"TCSBin", txt_tcs_}, std::pair{"TCSTxt", txt_tcs_txt_},
        std::pair{"TPTBin", txt_tpt_}, std::pair{"TPTTxt", txt_tpt_txt_}}) {
    if (!get(name).isEmpty()) {
      box->setText(text);
      box->setCursorPosition(static_cast<int>(text.size()));
    }
  }
}

void MainWindow::StoreSettings() {
  const Twips tw(this);
  const auto put = [&](const char* name, const QString& value) {
    settings_->SaveSettingString(kAppKey, name, value);
  };
  if (!isMinimized()) {
    put("MainLeft", QString::number(static_cast<float>(x() * 15.0 / tw.scale()), 'g', 7));
    put("MainTop", QString::number(static_cast<float>(y() * 15.0 / tw.scale()), 'g', 7));
  }
  put("DecLinkComp", chk_dc_comp_->isChecked() ? "1" : "0");
  put("TCSBin", txt_tcs_->text());
  put("TCSTxt", txt_tcs_txt_->text());
  put("TPTBin", txt_tpt_->text());
  put("TPTTxt", txt_tpt_txt_->text());
  put("BinFile", lbl_file_->text());
}

void MainWindow::ShowStatus(const QString& text) {
  status_text_->setText(text.isEmpty() ? "..." : text);
  label6_->setText(Qt8(flash::ChangedMarkerText(workspace_.image.fileName, workspace_.dirty)));
  lbl_file_->setText(Qt8(flash::FileLabelText(workspace_.image.fileName)));
}

bool MainWindow::CheckBlockSelected(const QString& action) {
  return flash::CheckBlockSelected(*frontend_, list1_->count(), SelectedIndex(),
                                   workspace_.image.fileName, Std(action));
}

QString MainWindow::SelectFile(const QString& defFileName, const QString& def2FileName) {
  return Qt8(common::ChooseFileWithFallback(
      *frontend_,
      {common::FileDialogKind::kSave, "Select FileName", Std(defFileName), "All Files (*.*)|*.*"},
      Std(def2FileName)));
}

void MainWindow::UpdateBlockCommands(int index) {
  // Every line counts, the first one included, so a TPT block at line 0 can be swapped.
  if (index < 0 || index >= flash::BlockCount) return;
  cmd_swap_->setEnabled(
      transponders::IsTptBlock(workspace_.blocks[static_cast<std::size_t>(index)].name));
}

void MainWindow::ChooseInto(QLineEdit* box, const QString& fallback) {
  const QString name = SelectFile(box->text(), fallback);
  if (name.isEmpty()) return;
  box->setText(name);
  box->setCursorPosition(static_cast<int>(name.size()));
}

int MainWindow::SelectedIndex() const {
  const QList<QListWidgetItem*> items = list1_->selectedItems();
  return items.isEmpty() ? -1 : list1_->row(items.first());
}

bool MainWindow::WholeBlock() const { return option2_->isChecked(); }

flash::ListFileNames MainWindow::ListNames() const {
  return {Std(txt_tcs_->text()), Std(txt_tpt_->text())};
}

void MainWindow::TakeListNames(const flash::ListFileNames& names) {
  if (Qt8(names.tcs) != txt_tcs_->text()) txt_tcs_->setText(Qt8(names.tcs));
  if (Qt8(names.tpt) != txt_tpt_->text()) txt_tpt_->setText(Qt8(names.tpt));
}

void MainWindow::RefreshBlockList() {
  list1_->blockSignals(true);
  list1_->clear();
  for (const std::string& line : workspace_.block_lines) list1_->addItem(Latin1(line));
  list1_->blockSignals(false);
  if (workspace_.selected >= 0) {
    list1_->setCurrentRow(workspace_.selected);
    UpdateBlockCommands(workspace_.selected);
  }
}

void MainWindow::AfterLoad(common::Outcome outcome) {
  if (outcome == common::Outcome::kDone) {
    lbl_size_->setText(Qt8(flash::SizeLabelText(workspace_.image.size())));
    for (QAbstractButton* b : block_commands_) b->setEnabled(true);
    RefreshBlockList();
  }
  ShowStatus("");
}

void MainWindow::OnLoad() {
  QString preset = lbl_file_->text();
  if (preset.isEmpty()) settings_->GetSettingString(kAppKey, "BinFile", preset);
  AfterLoad(flash::LoadFlashFile(workspace_, *frontend_, Std(preset)));
}

void MainWindow::LoadDroppedFile(const QString& name) {
  if (!flash::ConfirmDiscardChanges(workspace_, *frontend_)) return;
  AfterLoad(flash::LoadChosenFlashFile(workspace_, *frontend_, Std(name)));
}

void MainWindow::OnSave() {
  flash::SaveFlashFile(workspace_, *frontend_, Std(lbl_file_->text()));
  ShowStatus("");
}

void MainWindow::OnBlockRead() {
  if (CheckBlockSelected("Update")) {
    flash::ListFileNames names = ListNames();
    const common::Outcome outcome =
        flash::ReadBlockFromFile(workspace_, *frontend_, SelectedIndex(), WholeBlock(), names);
    TakeListNames(names);
    if (outcome == common::Outcome::kDone) RefreshBlockList();
  }
  ShowStatus("");
}

void MainWindow::OnBlockSave() {
  if (CheckBlockSelected("Save")) {
    flash::ListFileNames names = ListNames();
    flash::SaveBlockToFile(workspace_, *frontend_, SelectedIndex(), WholeBlock(), names);
    TakeListNames(names);
  }
  ShowStatus("");
}

void MainWindow::OnClear() {
  if (CheckBlockSelected("Clear")) {
    if (flash::ConfirmAndClearBlock(workspace_, *frontend_, SelectedIndex(), WholeBlock()) ==
        common::Outcome::kCancelled) {
      return;  // a No leaves even the status line as it was
    }
    RefreshBlockList();
  }
  ShowStatus("");
}

void MainWindow::OnSwap() {
  if (CheckBlockSelected("Convert (a TPT block!)")) {
    transponders::SwapDiseqc(workspace_, *frontend_, SelectedIndex());
  }
  ShowStatus("");
}

void MainWindow::OnView() {
  if (!CheckBlockSelected("View")) return;
  ShowWindow(block_viewer_, [this] {
    const int index = SelectedIndex();
    return new BlockViewer(*frontend_, workspace_, index, list1_->item(index)->text(), this);
  });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (workspace_.dirty &&
      !frontend_->AskYesNo(std::string("File has been changed, but not saved !") + common::kCrLf +
                           "Exit anyway ?")) {
    event->ignore();
    return;
  }
  for (auto it = opened_.rbegin(); it != opened_.rend(); ++it) {
    if (*it) (*it)->close();
  }
  opened_.clear();
  StoreSettings();
  event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() == 1 && urls.first().isLocalFile()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() != 1 || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  const QString name = urls.first().toLocalFile();
  // The drop finishes first; questions and messages then come from the event loop.
  QTimer::singleShot(0, this, [this, name] { LoadDroppedFile(name); });
}

}  // namespace chanforge::ui
