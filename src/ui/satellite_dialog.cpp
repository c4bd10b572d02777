#include "ui/satellite_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "satellites/scan_table.h"
#include "transponders/transponder_fields.h"
#include "ui/qt_frontend.h"
#include "ui/settings_store.h"
#include "ui/widgets.h"

namespace chanforge::ui {

namespace {

using transponders::TransponderField;

// {1} counts the rows that fit, {2} those chosen.
constexpr auto kRowsToAdd = common::CountedWording(
    "satellite.rows-to-add", "{2} of {1} rows to add", "{2} of {1} row to add");

constexpr char kTablesSetting[] = "ScanTables";

// The rows' columns: what each becomes in the list, then why it is left out or stored
// otherwise than written.
enum RowColumn { kLine, kKhz, kBand, kPolarisation, kSr, kFec, kNote, kRowColumns };

}  // namespace

std::string TablesFolder(const SettingsStore& settings) {
  QString folder;
  settings.GetSettingString(kAppKey, kTablesSetting, folder);
  return folder.isEmpty() ? std::string(satellites::kSystemTablesFolder) : folder.toStdString();
}

SatelliteDialog::SatelliteDialog(const editing::ListDocument& document, SettingsStore& settings,
                                 common::Files& files, QWidget* parent)
    : QDialog(parent), document_(document), settings_(settings), files_(files) {
  setObjectName("SatelliteDialog");
  setWindowTitle(tr("Add from Satellite"));
  folder_ = new QLabel(this);
  folder_->setObjectName("LblTables");
  auto* folder_button = new QPushButton(tr("&Folder\u2026"), this);
  folder_button->setObjectName("CmdTablesFolder");
  folder_button->setToolTip(tr("Choose the folder of DVB-S scan tables"));
  connect(folder_button, &QPushButton::clicked, this, &SatelliteDialog::OnFolder);
  missing_ = new QLabel(this);
  missing_->setObjectName("LblNoTables");
  missing_->setWordWrap(true);
  missing_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  QWidget* left = BuildSatelliteList();
  BuildRows();
  lists_ = new QSplitter(this);
  lists_->addWidget(left);
  lists_->addWidget(rows_);
  lists_->setStretchFactor(1, 1);

  QHBoxLayout* choices = BuildChoices();

  count_ = new QLabel(this);
  count_->setObjectName("LblChosen");
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons_->button(QDialogButtonBox::Ok)->setText(tr("&Add"));
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(count_, 1);
  bottom->addWidget(buttons_);

  auto* top = new QHBoxLayout;
  top->addWidget(folder_, 1);
  top->addWidget(folder_button);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(missing_);
  layout->addWidget(lists_, 1);
  layout->addLayout(choices);
  layout->addLayout(bottom);
  resize(960, 560);
  layout->activate();  // the splitter's width, for the satellites' columns
  ShowSatellites();
  find_->setFocus();
}

QWidget* SatelliteDialog::BuildSatelliteList() {
  auto* left = new QWidget(this);
  find_ = new QLineEdit(left);
  find_->setObjectName("SatelliteFind");
  find_->setAccessibleName(tr("Find satellite"));
  find_->setPlaceholderText(tr("Name or position"));
  AddClearButton(find_);
  connect(find_, &QLineEdit::textChanged, this, &SatelliteDialog::OnFind);
  // Enter picks the first satellite found instead of pressing Add.
  find_->installEventFilter(this);
  satellite_list_ = new QTreeWidget(left);
  satellite_list_->setObjectName("SatelliteList");
  satellite_list_->setAccessibleName(tr("Satellites"));
  satellite_list_->setRootIsDecorated(false);
  satellite_list_->setHeaderLabels({tr("Satellite"), tr("Position"), tr("Rows")});
  connect(satellite_list_, &QTreeWidget::currentItemChanged, this, &SatelliteDialog::OnSatellite);
  auto* left_layout = new QVBoxLayout(left);
  left_layout->setContentsMargins(0, 0, 0, 0);
  left_layout->addWidget(find_);
  left_layout->addWidget(satellite_list_);

  return left;
}

// The rows of the satellite chosen, one a transponder of its table.
void SatelliteDialog::BuildRows() {
  rows_ = new QTreeWidget(this);
  rows_->setObjectName("SatelliteRows");
  rows_->setAccessibleName(tr("Transponders of the satellite"));
  rows_->setRootIsDecorated(false);
  WrapCellTexts(rows_);
  // The fields' headings as the editor and the CSV name them; polarisation shortened to fit.
  const auto heading = [](TransponderField field) {
    return MessageText(common::HeadingOf(transponders::InfoOf(field)));
  };
  rows_->setHeaderLabels(
      {tr("Line"), heading(TransponderField::kKhz), heading(TransponderField::kBand), tr("Pol."),
       heading(TransponderField::kSr), heading(TransponderField::kFec), tr("Note")});
  for (int c = kKhz; c < kNote; ++c) rows_->headerItem()->setTextAlignment(c, Qt::AlignRight);
  connect(rows_, &QTreeWidget::itemChanged, this, &SatelliteDialog::ShowCount);
}

// The DiSEqC input and the FEC default the rows are fitted with.
QHBoxLayout* SatelliteDialog::BuildChoices() {
  auto* choices = new QHBoxLayout;
  choices->addWidget(new QLabel(tr("DiSEqC input:"), this));
  diseqc_ = new QButtonGroup(this);
  for (int input = 0; input < 2; ++input) {
    auto* option = new QRadioButton(transponders::kDiseqcTexts[input], this);
    option->setObjectName(QString("OptDiseqc") + transponders::kDiseqcTexts[input]);
    option->setChecked(input == 0);
    diseqc_->addButton(option, input);
    choices->addWidget(option);
  }
  choices->addSpacing(24);
  auto* fec_label = new QLabel(tr("FEC for rows the list cannot store as written:"), this);
  choices->addWidget(fec_label);
  fec_default_ = new QComboBox(this);
  fec_default_->setObjectName("CboFecDefault");
  fec_label->setBuddy(fec_default_);
  for (const char* fec : transponders::kFecTexts) fec_default_->addItem(fec);
  fec_default_->setCurrentIndex(satellites::kFecDefault);
  choices->addWidget(fec_default_);
  choices->addStretch(1);
  connect(diseqc_, &QButtonGroup::idClicked, this, &SatelliteDialog::ShowRows);
  connect(fec_default_, &QComboBox::currentIndexChanged, this, &SatelliteDialog::ShowRows);
  return choices;
}

bool SatelliteDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == find_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      for (int i = 0; i < satellite_list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = satellite_list_->topLevelItem(i);
        if (item->isHidden()) continue;
        satellite_list_->setCurrentItem(item);
        break;
      }
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void SatelliteDialog::ShowSatellites() {
  const std::string folder = TablesFolder(settings_);
  folder_->setText(tr("Tables: %1").arg(FromUtf8(folder)));
  satellites_ = satellites::ListSatellites(files_, folder);
  missing_->setText(MessageText(satellites::WhereToGetTables(
      folder, common::Value(tr("with the Folder\u2026 button").toStdString()))));
  missing_->setVisible(satellites_.empty());
  satellite_list_->clear();
  for (const satellites::Satellite& satellite : satellites_) {
    auto* item = new QTreeWidgetItem(
        satellite_list_,
        {FromUtf8(satellite.name), FromUtf8(satellite.position), QString::number(satellite.rows)});
    item->setTextAlignment(1, Qt::AlignRight);
    item->setTextAlignment(2, Qt::AlignRight);
  }
  // The satellites' three columns whole beside the rows, whose note takes the rest.
  int width =
      2 * satellite_list_->frameWidth() + satellite_list_->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < 3; ++c) {
    satellite_list_->resizeColumnToContents(c);
    width += satellite_list_->columnWidth(c);
  }
  lists_->setSizes({width, std::max(1, lists_->width() - width)});
  table_ = satellites::ScanTable{};
  OnFind();
  ShowRows();
}

void SatelliteDialog::OnFind() {
  const QString text = find_->text().trimmed();
  for (int i = 0; i < satellite_list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = satellite_list_->topLevelItem(i);
    item->setHidden(!item->text(0).contains(text, Qt::CaseInsensitive) &&
                    !item->text(1).contains(text, Qt::CaseInsensitive));
  }
}

void SatelliteDialog::OnSatellite() {
  QTreeWidgetItem* item = satellite_list_->currentItem();
  const int index = item ? satellite_list_->indexOfTopLevelItem(item) : -1;
  table_ = index < 0 ? satellites::ScanTable{}
                     : satellites::ReadScanTable(files_,
                                                 satellites_[static_cast<std::size_t>(index)].path);
  fits_.clear();
  ShowRows();
}

void SatelliteDialog::ShowRows() {
  const satellites::FitChoices choices{diseqc_->checkedId() == 1,
                                       static_cast<std::uint8_t>(fec_default_->currentIndex())};
  const std::vector<satellites::RowFit> before = std::move(fits_);
  std::vector<bool> checked;
  for (int i = 0; i < rows_->topLevelItemCount(); ++i) {
    checked.push_back(rows_->topLevelItem(i)->checkState(kLine) == Qt::Checked);
  }
  fits_ = table_.ok() ? satellites::FitRows(*table_, choices, document_.transponders())
                      : std::vector<satellites::RowFit>();
  const QSignalBlocker quiet(rows_);
  rows_->clear();
  for (std::size_t i = 0; i < fits_.size(); ++i) {
    const satellites::RowFit& fit = fits_[i];
    auto* item = new QTreeWidgetItem(rows_);
    item->setText(kLine, QString::number(fit.row.line));
    item->setTextAlignment(kLine, Qt::AlignRight | Qt::AlignVCenter);
    if (fit.record) {
      const TransponderField fields[] = {TransponderField::kKhz, TransponderField::kBand,
                                         TransponderField::kPolarisation, TransponderField::kSr,
                                         TransponderField::kFec};
      for (int c = kKhz; c < kNote; ++c) {
        item->setText(c, FromUtf8(transponders::TransponderText(*fit.record, fields[c - kKhz])));
        item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
      }
      const bool same = i < before.size() && i < checked.size() && before[i].record &&
                        before[i].Addable() == fit.Addable();
      item->setCheckState(kLine, (same ? checked[i] : fit.Addable()) ? Qt::Checked : Qt::Unchecked);
      item->setText(kNote, MessageText(fit.present.empty() ? fit.notes : fit.present));
    } else {
      // Nothing to check: the row as written, greyed, and why it cannot be added.
      item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
      item->setText(kKhz, fit.row.frequency < 0 ? QString() : QString::number(fit.row.frequency));
      item->setTextAlignment(kKhz, Qt::AlignRight | Qt::AlignVCenter);
      item->setText(kNote, MessageText(fit.refusal));
    }
    item->setToolTip(kNote, item->text(kNote));
  }
  for (int c = kLine; c < kNote; ++c) rows_->resizeColumnToContents(c);
  ShowCount();
}

void SatelliteDialog::ShowCount() {
  const std::size_t chosen = Chosen().size();
  count_->setText(table_.ok() ? MessageText(common::Say(kRowsToAdd, {common::Value(fits_.size()),
                                                                     common::Value(chosen)}))
                              : MessageText(table_.message()));
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(chosen > 0);
}

std::vector<transponders::TransponderRecord> SatelliteDialog::Chosen() const {
  std::vector<transponders::TransponderRecord> records;
  for (std::size_t i = 0; i < fits_.size(); ++i) {
    const QTreeWidgetItem* item = rows_->topLevelItem(static_cast<int>(i));
    if (fits_[i].record && item && item->checkState(kLine) == Qt::Checked) {
      records.push_back(*fits_[i].record);
    }
  }
  return records;
}

void SatelliteDialog::OnFolder() {
  const QString folder = QFileDialog::getExistingDirectory(
      this, tr("Folder of DVB-S Scan Tables"), FromUtf8(TablesFolder(settings_)),
      QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
  if (folder.isEmpty()) return;
  settings_.SaveSettingString(kAppKey, kTablesSetting, folder);
  ShowSatellites();
}

}  // namespace chanforge::ui
