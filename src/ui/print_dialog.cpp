#include "ui/print_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "editing/list_csv.h"
#include "ui/file_filters.h"
#include "ui/list_painter.h"
#include "ui/main_window.h"
#include "ui/qt_frontend.h"
#include "ui/widgets.h"

namespace chanforge::ui {

namespace {

// The settings' value names, in the order SavedPrintChoices reads them.
const QStringList kKeys = {"PrintColumns", "PrintGroup", "PrintPageColumns", "PrintPaper"};
constexpr int kColumnRole = Qt::UserRole;

QComboBox* Choice(QWidget* parent, const char* name, const QStringList& texts, int current) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->addItems(texts);
  box->setCurrentIndex(current);
  return box;
}

views::PrintedList Rows(editing::Session& session, const views::PrintChoices& choices,
                        const QDateTime& now) {
  const editing::ListDocument& document = session.document();
  return views::PrintRows(document.channels(), document.transponders(), choices,
                          session.workspace().image().fileName,
                          now.date().toString(Qt::ISODate).toStdString());
}

}  // namespace

views::PrintChoices SavedPrintChoices(const SettingsStore& settings) {
  views::PrintChoices choices;
  QStringList texts;
  if (settings.GetSettingStrings(kAppKey, kKeys, texts) != 0) return choices;
  // No columns saved, or ones saved by hand that do not read, leave the default ones.
  if (auto columns = views::ReadPrintColumns(texts[0].toStdString()); columns.ok()) {
    choices.columns = std::move(*columns);
  }
  choices.group = views::PrintGroupNamed(texts[1].toStdString()).value_or(choices.group);
  if (texts[2] == "1" || texts[2] == "2") choices.page_columns = texts[2].toInt();
  choices.paper = views::PaperNamed(texts[3].toStdString()).value_or(choices.paper);
  return choices;
}

// The columns to print, checked and in their order, with the buttons that move one.
QVBoxLayout* PrintDialog::BuildColumns(const views::PrintChoices& saved) {
  columns_ = new QListWidget(this);
  columns_->setObjectName("PrintColumns");
  columns_->setDragDropMode(QAbstractItemView::InternalMove);
  // The chosen columns in their order, then the others in the field table's.
  std::vector<std::size_t> order = saved.columns;
  for (std::size_t column = 0; column < views::ColumnCount(common::ListKind::kChannels); ++column) {
    if (std::find(order.begin(), order.end(), column) == order.end()) order.push_back(column);
  }
  for (std::size_t i = 0; i < order.size(); ++i) {
    auto* item = new QListWidgetItem(
        MessageText(views::ColumnHeading(common::ListKind::kChannels, order[i])), columns_);
    item->setData(kColumnRole, static_cast<int>(order[i]));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(i < saved.columns.size() ? Qt::Checked : Qt::Unchecked);
  }
  columns_->setCurrentRow(0);
  const auto mover = [this](const char* name, const QString& text, int step) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, step] {
      const int row = columns_->currentRow();
      if (row < 0 || row + step < 0 || row + step >= columns_->count()) return;
      columns_->insertItem(row + step, columns_->takeItem(row));
      columns_->setCurrentRow(row + step);
    });
    return button;
  };
  auto* moves = new QVBoxLayout;
  moves->addWidget(mover("PrintColumnUp", tr("&Up"), -1));
  moves->addWidget(mover("PrintColumnDown", tr("&Down"), 1));
  moves->addStretch();
  auto* columns = new QVBoxLayout;
  auto* label = new QLabel(tr("&Columns (check, and drag or move into order):"), this);
  label->setBuddy(columns_);
  columns->addWidget(label);
  auto* list_and_moves = new QHBoxLayout;
  list_and_moves->addWidget(columns_);
  list_and_moves->addLayout(moves);
  columns->addLayout(list_and_moves);
  return columns;
}

PrintDialog::PrintDialog(Target target, SettingsStore& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setObjectName("PrintOptions");
  setWindowTitle(target == Target::kPdf ? tr("Export PDF") : tr("Print"));
  const views::PrintChoices saved = SavedPrintChoices(settings);
  QVBoxLayout* columns = BuildColumns(saved);
  group_ =
      Choice(this, "PrintGroup", {tr("Not grouped"), tr("By DiSEqC input"), tr("By transponder")},
             int(saved.group));
  page_columns_ = Choice(this, "PrintPageColumns", {tr("One"), tr("Two, where they fit")},
                         saved.page_columns - 1);
  paper_ = Choice(this, "PrintPaper", {"A4", "Letter"}, int(saved.paper));
  auto* form = new QFormLayout;
  form->addRow(tr("&Group:"), group_);
  form->addRow(tr("&Lists side by side:"), page_columns_);
  if (target == Target::kPdf) {
    form->addRow(tr("&Paper:"), paper_);
  } else {
    paper_->hide();
  }
  auto* body = new QHBoxLayout;
  body->addLayout(columns);
  body->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setText(target == Target::kPdf ? tr("&Export\u2026") : tr("&Preview\u2026"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // Without a column there is nothing to print.
  connect(columns_, &QListWidget::itemChanged, this,
          [this, ok] { ok->setEnabled(!Choices().columns.empty()); });
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(buttons);
}

views::PrintChoices PrintDialog::Choices() const {
  views::PrintChoices choices;
  choices.columns.clear();
  for (int row = 0; row < columns_->count(); ++row) {
    const QListWidgetItem* item = columns_->item(row);
    if (item->checkState() == Qt::Checked) {
      choices.columns.push_back(static_cast<std::size_t>(item->data(kColumnRole).toInt()));
    }
  }
  choices.group = views::PrintGroup(group_->currentIndex());
  choices.page_columns = page_columns_->currentIndex() + 1;
  choices.paper = views::Paper(paper_->currentIndex());
  return choices;
}

void PrintDialog::accept() {
  const views::PrintChoices choices = Choices();
  settings_.SaveSettingStrings(kAppKey,
                               {{kKeys[0], FromUtf8(views::PrintColumnsText(choices.columns))},
                                {kKeys[1], views::kPrintGroupNames[int(choices.group)]},
                                {kKeys[2], QString::number(choices.page_columns)},
                                {kKeys[3], views::kPaperNames[int(choices.paper)]}});
  QDialog::accept();
}

void AddPrintActions(QMenu* menu, MainWindow* window, common::Frontend& frontend,
                     editing::Session& session, SettingsStore& settings,
                     std::function<QDateTime()> now) {
  // The choices first, for a loaded image with a channel list; then what comes next.
  const auto ask = [window, &frontend, &session, &settings](
                       PrintDialog::Target target,
                       std::function<void(const views::PrintChoices&)> next) {
    if (!window->CommitPendingEdit() || !session.CheckLoaded(frontend)) return;
    const common::Status editable = session.document().CheckEditable(common::ListKind::kChannels);
    if (!editable.ok())
      return frontend.ShowMessage(common::MessageKind::kError, editable.message());
    auto* dialog = new PrintDialog(target, settings, window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, window, [window, dialog, next] {
      AfterDialog(window, [next, choices = dialog->Choices()] { next(choices); });
    });
    dialog->open();
  };
  const auto preview = [window, &session, now](const views::PrintChoices& choices) {
    auto* dialog = new QPrintPreviewDialog(window);
    dialog->setObjectName("PrintPreview");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto rows = std::make_shared<views::PrintedList>(Rows(session, choices, now()));
    dialog->printer()->setDocName(FromUtf8(rows->file_name));
    dialog->printer()->setPageMargins(kPrintMarginsMm, QPageLayout::Millimeter);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [rows, columns = choices.page_columns](QPrinter* printer) {
                       PaintList(*printer, *rows, columns);
                     });
    dialog->open();
  };
  const auto pdf = [window, &frontend, &session, now](const views::PrintChoices& choices) {
    const std::string name = common::ChooseFileWithFallback(
        frontend,
        {common::FileDialogKind::kSave, PrintDialog::tr("Export PDF").toStdString(),
         window->BesideImage("channels.pdf"), kPdfFilter},
        "channels.pdf");
    if (name.empty()) return;
    const auto bytes = [&](const editing::WritePiece& write) {
      const QByteArray file = ListPdf(Rows(session, choices, now()), choices);
      return write(std::string_view(file.constData(), std::size_t(file.size())));
    };
    const common::Finished exported = editing::ExportListFile(
        frontend, session.files(), session.document(), common::ListKind::kChannels, name, bytes);
    window->ShowStatus("");
    if (exported == common::Outcome::kDone) window->ShowDone(MessageText(exported.done));
  };
  menu->addSeparator();
  QAction* print = menu->addAction(PrintDialog::tr("&Print\u2026"));
  print->setObjectName("actPrint");
  print->setShortcut(QKeySequence::Print);
  QObject::connect(print, &QAction::triggered, window,
                   [ask, preview] { ask(PrintDialog::Target::kPrinter, preview); });
  QAction* export_pdf = menu->addAction(PrintDialog::tr("Export P&DF\u2026"));
  export_pdf->setObjectName("actExportPdf");
  QObject::connect(export_pdf, &QAction::triggered, window,
                   [ask, pdf] { ask(PrintDialog::Target::kPdf, pdf); });
}

}  // namespace chanforge::ui
