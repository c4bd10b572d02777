#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "channels/channel_conversions.h"
#include "check/image_check.h"
#include "check/image_diff.h"
#include "common/list_files.h"
#include "editing/block_steps.h"
#include "editing/diseqc_swap.h"
#include "flash/block_check.h"
#include "flash/blocks.h"
#include "flash/flash_file.h"
#include "transponders/transponder_conversions.h"
#include "ui/about_box.h"
#include "ui/block_viewer.h"
#include "ui/changes_window.h"
#include "ui/check_window.h"
#include "ui/conversion_panel.h"
#include "ui/list_editor.h"
#include "ui/list_viewer.h"
#include "ui/qt_frontend.h"
#include "ui/recent_files.h"
#include "ui/widgets.h"
#include "ui/window_settings.h"
#include "ui/workspace_signal.h"
#include "views/block_lines.h"
#include "views/done_texts.h"
#include "views/labels.h"

namespace chanforge::ui {

namespace {

std::string Std(const QString& text) { return text.toStdString(); }

// The status after a block was read or saved; the file is named when the block remembers it.
QString BlockDone(const flash::Workspace& w, views::BlockDone what, int index,
                  flash::BlockPart part, const flash::ListFileNames& names) {
  const flash::BlockInfo& block = w.blocks()[static_cast<std::size_t>(index)];
  const auto kind = flash::ListKindOf(block, flash::NameMatch::kExact);
  const std::string& file = kind == common::ListKind::kChannels       ? names.tcs
                            : kind == common::ListKind::kTransponders ? names.tpt
                                                                      : std::string();
  return MessageText(views::BlockDoneText(
      what, index, block.name,
      part == flash::BlockPart::kWhole ? common::kBlockSize : flash::UsableLength(block), file));
}

}  // namespace

MainWindow::MainWindow(common::Frontend* frontend, SettingsStore* settings)
    : frontend_(frontend), settings_(settings) {
  if (!frontend_) {
    own_frontend_ = std::make_unique<QtFrontend>(
        this,
        [this](const QString& text) {
          ShowStatus(text);
          // Long steps run on this thread: let the status line paint before they start.
          QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        },
        [this] { return status_text_->text(); });
    frontend_ = own_frontend_.get();
  }
  if (!settings_) {
    own_settings_ = std::make_unique<SettingsStore>();
    settings_ = own_settings_.get();
  }
  setObjectName("Form1");
  setWindowTitle(kAppTitle);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setAcceptDrops(true);
  workspace_signal_ = new WorkspaceSignal(workspace_, this);
  connect(workspace_signal_, &WorkspaceSignal::changed, this, &MainWindow::Refresh);
  // The layout is fixed in twips; a small UI font (as the platform's dialogs used when
  // it was drawn) keeps every caption inside its control. Set before the menu bar and the
  // controls exist, so that they are laid out once, in it.
  QFont small = font();
  small.setPointSizeF(7.5);
  setFont(small);
  BuildMenus();
  BuildControls();
  window_settings_ =
      std::make_unique<WindowSettings>(*settings_, *this, *channel_panel_, *transponder_panel_);
  window_settings_->Apply();
  // The window opens with no file: nothing loaded, no name, nothing unsaved.
  workspace_.Load({}, {});
  ShowStatus("");
}

MainWindow::~MainWindow() {
  // The other windows and dialogs read the session, a member that is gone before the widgets
  // this window owns are: they go first, while what they read is still there.
  std::vector<QPointer<QWidget>> windows;
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow()) windows.emplace_back(child);
  }
  for (const QPointer<QWidget>& window : windows) delete window.data();
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  SetIconSoon();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // A window that starts minimized paints only when restored; its icon cannot wait.
  if (isMinimized()) SetIconSoon();
}

void MainWindow::SetIconSoon() {
  if (icon_set_) return;
  icon_set_ = true;
  // The icon is drawn from an SVG at every size the system asks for; the window is seen
  // sooner when that waits until its first picture is up. Set for the application, so that
  // every window opened later has it too.
  QTimer::singleShot(0, this,
                     [] { QApplication::setWindowIcon(QIcon(":/chanforge/chanforge.svg")); });
}

void MainWindow::BuildMenus() {
  const auto action = [this](QMenu* menu, const char* name, const QString& text,
                             const QKeySequence& keys, auto slot) {
    QAction* act = menu->addAction(text);
    act->setObjectName(name);
    act->setShortcut(keys);
    connect(act, &QAction::triggered, this, slot);
    return act;
  };
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName("menuFile");
  action(file, "actLoad", tr("&Load"), QKeySequence::Open, &MainWindow::OnLoad);
  // Save writes back to the image's file; Save As, like the Save Bin button, asks for a name.
  action(file, "actSave", tr("&Save"), QKeySequence::Save, &MainWindow::OnSaveInPlace);
  action(file, "actSaveAs", tr("Save &As\u2026"), QKeySequence("Ctrl+Shift+S"),
         &MainWindow::OnSave);
  file->addSeparator();
  action(file, "actShowChanges", tr("Show C&hanges\u2026"), QKeySequence("Ctrl+Shift+D"),
         &MainWindow::OnShowChanges);
  BuildExchangeMenus(file);
  file->addSeparator();
  action(file, "actQuit", tr("&Quit"), QKeySequence("Ctrl+Q"), [this] { close(); });
  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  edit->setObjectName("menuEdit");
  undo_action_ = action(edit, "actUndo", tr("&Undo"), QKeySequence("Ctrl+Z"), &MainWindow::OnUndo);
  redo_action_ =
      action(edit, "actRedo", tr("&Redo"), QKeySequence("Ctrl+Shift+Z"), &MainWindow::OnRedo);
  redo_action_->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
  edit->addSeparator();
  action(edit, "actEditLists", tr("Edit &Lists\u2026"), QKeySequence("Ctrl+E"),
         &MainWindow::OnEditLists);
  action(edit, "actApplyOrder", tr("Apply &Order From\u2026"), QKeySequence(),
         &MainWindow::OnApplyOrder);
  UpdateHistoryActions();
  QMenu* tools = menuBar()->addMenu(tr("&Tools"));
  tools->setObjectName("menuTools");
  action(tools, "actCheckImage", tr("&Check Image"), QKeySequence(Qt::Key_F7),
         &MainWindow::OnCheckImage);
  action(tools, "actCompareWith", tr("Co&mpare With\u2026"), QKeySequence(),
         &MainWindow::OnCompareWith);
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->setObjectName("menuHelp");
  action(help, "actAbout", tr("&About"), QKeySequence(), [this] {
    ShowWindow(about_box_, [this] { return new AboutBox(*frontend_, settings_, this); });
  });
  BuildLanguageMenu(help);
}

namespace {

QGroupBox* NamedFrame(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
  auto* box = new QGroupBox(caption, parent);
  box->setObjectName(name);
  box->setGeometry(geometry);
  return box;
}

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  return label;
}

}  // namespace

// The controls are made in the order the Tab key visits them.
void MainWindow::BuildControls() {
  const Twips tw(this);
  BuildStatusBar();
  auto* central = new QWidget(this);
  setCentralWidget(central);
  // The inside is 9870 x 5220 twips whatever height the style gives the status bar.
  central->setFixedSize(tw(9870), tw(5220) - statusBar()->sizeHint().height());
  BuildFileFrame(central, tw);

  block_list_ = new QListWidget(central);
  block_list_->setObjectName("List1");
  block_list_->setAccessibleName(tr("Blocks"));
  // Room for all eight block lines in the fixed-pitch font, without a scroll bar.
  block_list_->setGeometry(tw(0, 1500, 5895, 2160));
  block_list_->setSelectionMode(QAbstractItemView::SingleSelection);
  block_list_->setUniformItemSizes(true);
  connect(block_list_, &QListWidget::currentRowChanged, this, &MainWindow::UpdateBlockCommands);

  // The frames side by side without overlapping: Controls under the block list, the
  // viewer and About buttons under the conversions.
  QGroupBox* frame1 = NamedFrame(central, "Frame1", QString(), tw(6000, 4140, 3855, 795));
  BuildBlockFrame(central, tw);
  BuildConversionPanels(central, tw);
  BuildWindowButtons(frame1, tw);
  AddComforts();
  setFixedSize(sizeHint());
}

void MainWindow::BuildFileFrame(QWidget* central, const Twips& tw) {
  QGroupBox* frame5 = NamedFrame(central, "Frame5", tr("File Management"), tw(0, 0, 5895, 1455));
  auto* load = IconButton(frame5, "CmdLoad", tr("&Load Bin"), QStyle::SP_DialogOpenButton,
                          tw(120, 360, 1215, 495));
  auto* save = IconButton(frame5, "CmdSave", tr("&Save Bin"), QStyle::SP_DialogSaveButton,
                          tw(1560, 360, 1215, 495));
  size_label_ = NamedLabel(frame5, "LblSize", tr("Size : 0 bytes"), tw(3120, 480, 2295, 255));
  changed_marker_ = NamedLabel(frame5, "Label6", QString(), tw(3120, 720, 1935, 255));
  QLabel* file_caption = NamedLabel(frame5, "Label5", tr("File :"), tw(210, 1080, 375, 255));
  file_label_ = NamedLabel(frame5, "lblFile", QString(), tw(600, 1080, 5175, 255));
  // A caption longer than its place (in another language) pushes the file name along.
  const int over = std::max(0, file_caption->sizeHint().width() - file_caption->width());
  file_caption->resize(file_caption->width() + over, file_caption->height());
  file_label_->setGeometry(file_label_->geometry().adjusted(over, 0, 0, 0));
  connect(load, &QAbstractButton::clicked, this, &MainWindow::OnLoad);
  connect(save, &QAbstractButton::clicked, this, &MainWindow::OnSave);
}

void MainWindow::BuildBlockFrame(QWidget* central, const Twips& tw) {
  QGroupBox* frame4 = NamedFrame(central, "Frame4", tr("Controls"), tw(0, 3720, 5895, 1215));
  auto* data_only_option = new QRadioButton(tr("Data Only"), frame4);
  data_only_option->setObjectName("Option1");
  data_only_option->setGeometry(tw(840, 240, 1335, 255));
  data_only_option->setChecked(true);
  whole_block_option_ = new QRadioButton(tr("64Kb Block"), frame4);
  whole_block_option_->setObjectName("Option2");
  whole_block_option_->setGeometry(tw(3360, 240, 1335, 255));
  auto* read = IconButton(frame4, "CmdBlRead", tr("&Read Block"), QStyle::SP_ArrowDown,
                          tw(120, 555, 1020, 495));
  auto* block_save = IconButton(frame4, "CmdBlkSave", tr("Save &Block"), QStyle::SP_ArrowUp,
                                tw(1230, 555, 1020, 495));
  auto* swap = new WrappingButton(tr("Swap &DiSEqC (Monoblock)"), frame4);
  swap->setObjectName("CmdSwap");
  swap->setGeometry(tw(2340, 555, 1215, 495));
  swap_button_ = swap;
  auto* clear = IconButton(frame4, "CmdClr", tr("&Clear Block"), QStyle::SP_TrashIcon,
                           tw(3645, 555, 1020, 495));
  auto* view = IconButton(frame4, "CmdView", tr("&View  Block"), QStyle::SP_FileDialogContentsView,
                          tw(4755, 555, 1020, 495));
  block_commands_ = {read, block_save, clear, view};
  for (QAbstractButton* b : block_commands_) b->setEnabled(false);
  swap_button_->setEnabled(false);
  connect(read, &QAbstractButton::clicked, this, &MainWindow::OnBlockRead);
  connect(block_save, &QAbstractButton::clicked, this, &MainWindow::OnBlockSave);
  connect(clear, &QAbstractButton::clicked, this, &MainWindow::OnClear);
  connect(swap, &QAbstractButton::clicked, this, &MainWindow::OnSwap);
  connect(view, &QAbstractButton::clicked, this, &MainWindow::OnView);
}

void MainWindow::BuildConversionPanels(QWidget* central, const Twips& tw) {
  channel_panel_ = new ConversionPanel(
      {common::ListKind::kChannels, "Frame2", tr("ChannelList (TCS) Convert"), "TCSBin", "TxtTCS",
       "CmdTCSTxt", "TxtTCSTxt", "CmdTCS2Txt", "CmdTxt2TCS", 480, PanelBox::kUtf8Text},
      *frontend_,
      [this](common::Frontend& f, const std::string& bin, const std::string& txt,
             const common::TextOptions& options) {
        return channels::ConvertTcsToText(f, files_, bin, txt, options.encoding);
      },
      [this](common::Frontend& f, const std::string& bin, const std::string& txt,
             const common::TextOptions&) {
        return channels::ConvertTextToTcs(f, files_, bin, txt);
      },
      central);
  channel_panel_->setGeometry(tw(6000, 0, 3855, 2055));
  transponder_panel_ = new ConversionPanel(
      {common::ListKind::kTransponders, "Frame3", tr("TransponderList (TPT) Convert"), "CmdTPTBin",
       "TxtTPT", "CmdTPTTxt", "TxtTPTTxt", "CmdTPT2Txt", "CmdTxt2TPT", 495, PanelBox::kDecLink},
      *frontend_,
      [this](common::Frontend& f, const std::string& bin, const std::string& txt,
             const common::TextOptions& options) {
        return transponders::ConvertTptToText(f, files_, bin, txt, options.layout);
      },
      [this](common::Frontend& f, const std::string& bin, const std::string& txt,
             const common::TextOptions& options) {
        return transponders::ConvertTextToTpt(f, files_, bin, txt, options.layout,
                                              options.diseqc_b);
      },
      central);
  transponder_panel_->setGeometry(tw(6000, 2160, 3855, 1935));
  for (ConversionPanel* panel : {channel_panel_, transponder_panel_}) {
    connect(panel, &ConversionPanel::converted, this, [this] { ShowStatus(""); });
    connect(panel, &ConversionPanel::done, this, &MainWindow::ShowDone);
  }
}

void MainWindow::BuildWindowButtons(QGroupBox* frame1, const Twips& tw) {
  auto* view_list = IconButton(frame1, "CmdViewList", tr("V&iew  ChList"),
                               QStyle::SP_FileDialogListView, tw(480, 165, 1215, 495));
  auto* about = IconButton(frame1, "CmdAbout", tr("&About"), QStyle::SP_MessageBoxInformation,
                           tw(2160, 165, 1215, 495));
  connect(view_list, &QAbstractButton::clicked, this, [this] {
    if (!CommitPendingEdit()) return;
    ShowWindow(list_viewer_, [this] {
      const ListViewer::Source tcs = ViewedList(common::ListKind::kChannels, ListNames().tcs);
      const ListViewer::Source tpt = ViewedList(common::ListKind::kTransponders, ListNames().tpt);
      ShowStatus("");
      return new ListViewer(tcs, tpt, this);
    });
  });
  connect(about, &QAbstractButton::clicked, this, [this] {
    ShowWindow(about_box_, [this] { return new AboutBox(*frontend_, settings_, this); });
  });
}

void MainWindow::BuildStatusBar() {
  auto* bar = new QStatusBar(this);
  bar->setObjectName("StatusBar");
  bar->setSizeGripEnabled(false);
  status_text_ = new QLabel("...", bar);
  status_text_->setObjectName("StatusText");
  status_date_ = new QLabel(bar);
  status_time_ = new QLabel(bar);
  bar->addWidget(status_text_, 1);
  bar->addPermanentWidget(status_date_);
  bar->addPermanentWidget(status_time_);
  setStatusBar(bar);
  tick_ = [this] {
    const QDateTime now = clock_();
    status_date_->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
    status_time_->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
  };
  tick_();
  auto* clock = new QTimer(this);
  connect(clock, &QTimer::timeout, this, [this] { tick_(); });
  clock->start(1000);
}

void MainWindow::ShowWindow(QPointer<QWidget>& slot, const std::function<QWidget*()>& make,
                            bool close_on_escape) {
  opened_.removeAll(QPointer<QWidget>());
  // A window closed a moment ago may still wait for its deletion; it does not count.
  if (!slot || !slot->isVisible()) {
    slot = make();
    slot->setAttribute(Qt::WA_DeleteOnClose);
    if (close_on_escape) CloseOnEscape(slot);
    opened_.append(slot);
  }
  slot->show();
  slot->raise();
  slot->activateWindow();
}

ListViewer::Source MainWindow::ViewedList(common::ListKind kind, const std::string& file) {
  // A loaded image shows its own list: the names beside may be left from a Read Block.
  for (std::size_t i = 0; session_.loaded() && i < workspace_.blocks().size(); ++i) {
    const flash::BlockInfo& block = workspace_.blocks()[i];
    if (flash::ListKindOf(block) != kind) continue;
    std::string bytes = flash::BlockData(workspace_, block);
    const auto size = static_cast<std::int64_t>(bytes.size());
    return {Std(tr("Block:%1 (%2) of %3")
                    .arg(QString::number(i), QString(common::BlockNameOf(kind)),
                         FromUtf8(workspace_.image().fileName))),
            common::FileStart{std::move(bytes), size}};
  }
  frontend_->ShowStatus(common::Say(common::kLoadingStatus, {common::Value(file)}));
  return {file, common::ReadListFileForViewer(files_, file)};
}

void MainWindow::ShowStatus(const QString& text) {
  if (done_timer_) done_timer_->stop();
  status_text_->setText(text.isEmpty() ? "..." : text);
  changed_marker_->setText(
      MessageText(views::ChangedMarkerText(workspace_.image().fileName, workspace_.dirty())));
  file_label_->setText(FromUtf8(views::FileLabelText(workspace_.image().fileName)));
}

void MainWindow::Refresh() {
  const int selected = SelectedIndex();
  block_list_->blockSignals(true);
  // The list's fixed-pitch font is found when it first has lines: the empty list at the
  // window's start is seen sooner without.
  if (!list_font_set_ && session_.loaded()) {
    block_list_->setFont(ListFont());
    list_font_set_ = true;
  }
  block_list_->clear();
  for (int i = 0; i < workspace_.block_count(); ++i) {
    block_list_->addItem(
        MessageText(views::BlockLineMessage(i, workspace_.blocks()[static_cast<std::size_t>(i)])));
  }
  block_list_->blockSignals(false);
  if (selected >= 0 && selected < block_list_->count()) block_list_->setCurrentRow(selected);
  if (session_.loaded())
    size_label_->setText(MessageText(views::SizeLabelText(workspace_.image().size())));
  changed_marker_->setText(
      MessageText(views::ChangedMarkerText(workspace_.image().fileName, workspace_.dirty())));
  file_label_->setText(FromUtf8(views::FileLabelText(workspace_.image().fileName)));
  UpdateBlockCommands(SelectedIndex());
  UpdateHistoryActions();
  // "flash512k.bin* - Chanforge": the file and whether it has unsaved changes.
  const QString file = QFileInfo(FromUtf8(workspace_.image().fileName)).fileName();
  setWindowTitle(file.isEmpty() ? QString(kAppTitle) : file + "[*] - " + kAppTitle);
  setWindowModified(workspace_.dirty());
  UpdateChanges();
}

bool MainWindow::CheckBlockSelected(flash::BlockAction action) {
  return flash::CheckBlockSelected(*frontend_, block_list_->count(), SelectedIndex(),
                                   workspace_.image().fileName, action);
}

QString MainWindow::SelectFile(const QString& defFileName, const QString& def2FileName) {
  return ui::SelectFile(*frontend_, defFileName, def2FileName);
}

void MainWindow::UpdateBlockCommands(int index) {
  // Every line counts, the first one included, so a TPT block at line 0 can be swapped.
  const flash::BlockInfo* block = flash::FindBlock(workspace_, index);
  if (!block) return;
  swap_button_->setEnabled(flash::ListKindOf(*block) == common::ListKind::kTransponders);
}

int MainWindow::SelectedIndex() const {
  const QList<QListWidgetItem*> items = block_list_->selectedItems();
  return items.isEmpty() ? -1 : block_list_->row(items.first());
}

flash::BlockPart MainWindow::Part() const {
  return whole_block_option_->isChecked() ? flash::BlockPart::kWhole : flash::BlockPart::kData;
}

flash::ListFileNames MainWindow::ListNames() const {
  return {Std(channel_panel_->binary_edit()->text()),
          Std(transponder_panel_->binary_edit()->text())};
}

void MainWindow::TakeListNames(const flash::ListFileNames& names) {
  for (const auto& [edit, name] : {std::pair{channel_panel_->binary_edit(), names.tcs},
                                   std::pair{transponder_panel_->binary_edit(), names.tpt}}) {
    if (FromUtf8(name) != edit->text()) edit->setText(FromUtf8(name));
  }
}

void MainWindow::AfterLoad(common::Outcome outcome) {
  if (outcome == common::Outcome::kDone) {
    recent_files_->Add(FromUtf8(workspace_.image().fileName));
    for (QAbstractButton* b : block_commands_) b->setEnabled(true);
    Refresh();
    if (block_list_->count() > 0) block_list_->setCurrentRow(0);
  }
  ShowStatus("");
  // Never blocks the load: the user may be about to repair exactly this image.
  if (outcome == common::Outcome::kDone) ShowDone(MessageText(session_.LoadedSummary()));
}

void MainWindow::OnLoad() {
  if (!CommitPendingEdit()) return;
  QString preset = file_label_->text();
  if (preset.isEmpty()) settings_->GetSettingString(kAppKey, "BinFile", preset);
  AfterLoad(session_.Load(*frontend_, Std(preset)));
}

void MainWindow::LoadDroppedFile(const QString& name) {
  if (!CommitPendingEdit()) return;
  AfterLoad(session_.LoadChosen(*frontend_, Std(name)));
}

void MainWindow::OpenArguments(const QStringList& arguments) {
  if (arguments.size() < 2) return;
  // Loaded before the window's first paint, so that its first frame shows the image's
  // blocks rather than an empty list; the window is shown already, so a message or a
  // question stands over it.
  LoadDroppedFile(arguments[1]);
}

void MainWindow::OnSave() {
  if (CommitPendingEdit()) AfterSave(session_.Save(*frontend_, Std(file_label_->text())));
}

void MainWindow::OnSaveInPlace() {
  if (CommitPendingEdit()) AfterSave(session_.SaveInPlace(*frontend_));
}

void MainWindow::AfterSave(common::Outcome outcome) {
  ShowStatus("");
  if (outcome == common::Outcome::kDone) {
    recent_files_->Add(FromUtf8(workspace_.image().fileName));
    ShowDone(MessageText(views::ImageDoneText(views::ImageDone::kSaved, workspace_.image().fileName,
                                              workspace_.image().size())));
  }
}

void MainWindow::OnBlockRead() {
  if (!CommitPendingEdit()) return;
  if (CheckBlockSelected(flash::BlockAction::kUpdate)) {
    flash::ListFileNames names = ListNames();
    const int index = SelectedIndex();
    const common::Outcome outcome =
        editing::ReadBlock(undo_stack_, *frontend_, files_, index, Part(), names);
    UpdateHistoryActions();
    TakeListNames(names);
    ShowStatus("");
    if (outcome == common::Outcome::kDone) {
      ShowDone(BlockDone(workspace_, views::BlockDone::kRead, index, Part(), names));
    }
    return;
  }
  ShowStatus("");
}

void MainWindow::OnBlockSave() {
  if (!CommitPendingEdit()) return;
  if (CheckBlockSelected(flash::BlockAction::kSave)) {
    flash::ListFileNames names = ListNames();
    const int index = SelectedIndex();
    const common::Outcome outcome =
        flash::SaveBlockToFile(workspace_, *frontend_, files_, index, Part(), names);
    TakeListNames(names);
    ShowStatus("");
    if (outcome == common::Outcome::kDone) {
      ShowDone(BlockDone(workspace_, views::BlockDone::kSaved, index, Part(), names));
    }
    return;
  }
  ShowStatus("");
}

void MainWindow::OnClear() {
  if (!CommitPendingEdit()) return;
  if (CheckBlockSelected(flash::BlockAction::kClear)) {
    const int index = SelectedIndex();
    const std::string name = workspace_.blocks()[static_cast<std::size_t>(index)].name;
    const common::Outcome outcome = editing::ClearBlock(undo_stack_, *frontend_, index, Part());
    UpdateHistoryActions();
    if (outcome == common::Outcome::kCancelled) return;  // a No leaves even the status line
    ShowStatus("");
    if (outcome == common::Outcome::kDone) {
      ShowDone(MessageText(views::BlockDoneText(views::BlockDone::kCleared, index, name, 0, "")));
    }
    return;
  }
  ShowStatus("");
}

void MainWindow::OnSwap() {
  if (!CommitPendingEdit()) return;
  if (CheckBlockSelected(flash::BlockAction::kConvert)) {
    const int index = SelectedIndex();
    int count = 0;
    if (editing::SwapDiseqc(undo_stack_, *frontend_, index, count) == common::Outcome::kDone) {
      frontend_->ShowMessage(common::MessageKind::kReport, editing::SwapReport(count));
    }
    UpdateHistoryActions();
  }
  ShowStatus("");
}

void MainWindow::OnView() {
  if (!CommitPendingEdit()) return;
  if (!CheckBlockSelected(flash::BlockAction::kView)) return;
  ShowWindow(block_viewer_, [this] {
    const int index = SelectedIndex();
    return new BlockViewer(*frontend_, workspace_, *workspace_signal_, index,
                           block_list_->item(index)->text(), this);
  });
}

void MainWindow::OnCheckImage() {
  if (!CommitPendingEdit()) return;
  if (!session_.CheckLoaded(*frontend_)) return;
  ShowWindow(check_window_, [this] {
    auto* window = new CheckWindow(workspace_, *workspace_signal_, *settings_, files_, this);
    // A finding in the lists the editor works on opens the editor on its record.
    window->open_finding = [this](const check::Finding& finding) {
      OpenRecord(finding.block, finding.record);
    };
    return window;
  });
}

void MainWindow::OnCompareWith() {
  if (!CommitPendingEdit()) return;
  if (!session_.CheckLoaded(*frontend_)) return;
  const std::string name =
      common::ChooseFileWithFallback(*frontend_,
                                     {common::FileDialogKind::kOpen, Std(tr("Compare With")),
                                      Std(file_label_->text()), flash::kFlashFilter},
                                     flash::kDefaultFlashName);
  if (!name.empty()) ShowChangesFrom(name, editing::BaseFollows::kNothing);
  ShowStatus("");
}

void MainWindow::OnShowChanges() {
  if (!CommitPendingEdit()) return;
  if (!session_.CheckLoaded(*frontend_)) return;
  ShowChangesFrom(workspace_.image().fileName, editing::BaseFollows::kTheFile);
  ShowStatus("");
}

void MainWindow::OnEditLists() {
  if (!session_.CheckLoaded(*frontend_)) return;
  ShowWindow(
      list_editor_,
      [this] {
        // The menu bar's own: an editor closed a moment ago may not be deleted yet.
        QList<QAction*> shortcuts;
        for (QAction* action : menuBar()->findChildren<QAction*>()) {
          // Undo and Redo are the editor's own entries, keys included.
          const bool history = action == undo_action_ || action == redo_action_;
          if (!action->shortcut().isEmpty() && !history) shortcuts << action;
        }
        return new ListEditor(
            document_, *frontend_, *workspace_signal_,
            [this](std::unique_ptr<editing::Command> command) { Push(std::move(command)); },
            *settings_, files_, {undo_action_, redo_action_}, shortcuts, this);
      },
      false);
}

void MainWindow::OpenRecord(int block, int record) {
  if (record < 1 || block < 0) return;
  const common::ListKind kind = block == document_.block(common::ListKind::kChannels)
                                    ? common::ListKind::kChannels
                                    : common::ListKind::kTransponders;
  if (block != document_.block(kind)) return;
  OnEditLists();
  if (auto* editor = qobject_cast<ListEditor*>(list_editor_.data())) {
    editor->ShowRecord(kind, record - 1);
  }
}

bool MainWindow::CommitPendingEdit() {
  auto* editor = qobject_cast<ListEditor*>(list_editor_.data());
  return !editor || editor->CommitPendingEdit();
}

void MainWindow::Push(std::unique_ptr<editing::Command> command) {
  undo_stack_.Push(std::move(command));
  UpdateHistoryActions();
}

void MainWindow::OnUndo() {
  if (!CommitPendingEdit()) return;
  undo_stack_.Undo();
  UpdateHistoryActions();
}

void MainWindow::OnRedo() {
  if (!CommitPendingEdit()) return;
  undo_stack_.Redo();
  UpdateHistoryActions();
}

void MainWindow::UpdateHistoryActions() {
  undo_action_->setEnabled(undo_stack_.CanUndo());
  undo_action_->setText(undo_stack_.CanUndo()
                            ? tr("&Undo %1").arg(MessageText(undo_stack_.UndoDescription()))
                            : tr("&Undo"));
  redo_action_->setEnabled(undo_stack_.CanRedo());
  redo_action_->setText(undo_stack_.CanRedo()
                            ? tr("&Redo %1").arg(MessageText(undo_stack_.RedoDescription()))
                            : tr("&Redo"));
}

void MainWindow::ShowChangesFrom(const std::string& name, editing::BaseFollows follows) {
  if (session_.LoadComparisonBase(*frontend_, name, follows) != common::Outcome::kDone) return;
  ShowWindow(changes_window_, [this] {
    auto* window = new ChangesWindow(this);
    window->open_change = [this](const check::Change& change) {
      if (change.kind != check::ChangeKind::kRemoved) OpenRecord(change.block, change.record);
    };
    return window;
  });
  UpdateChanges();
}

void MainWindow::UpdateChanges() {
  auto* window = qobject_cast<ChangesWindow*>(changes_window_.data());
  if (!window || !window->isVisible()) return;
  const std::string& name = workspace_.image().fileName;
  editing::Comparison comparison = session_.Compare();
  window->ShowChanges(FromUtf8(comparison.base_name),
                      workspace_.dirty() ? tr("%1 (unsaved)").arg(FromUtf8(name)) : FromUtf8(name),
                      std::move(comparison.changes));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // What is typed counts as a change to ask about.
  if (!CommitPendingEdit() || !session_.ConfirmQuit(*frontend_)) {
    event->ignore();
    return;
  }
  for (auto it = opened_.rbegin(); it != opened_.rend(); ++it) {
    if (*it) (*it)->close();
  }
  opened_.clear();
  window_settings_->Store(file_label_->text());
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
