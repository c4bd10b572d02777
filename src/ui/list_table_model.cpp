#include "ui/list_table_model.h"

#include <QMimeData>
#include <algorithm>
#include <set>

#include "common/text_lines.h"
#include "ui/widgets.h"

namespace chanforge::ui {

namespace {

constexpr char kRowsMime[] = "application/x-chanforge-rows";
// The receiver's service types the Type column names.
constexpr int kUseTv = 0x04;
constexpr int kUseRadio = 0x08;
// Nr, the fields, then the count of channels using the transponder.
constexpr int kChannelsColumn = static_cast<int>(transponders::kTransponderFieldCount) + 1;

QString Hex(int value) { return QString("0x%1").arg(value, 2, 16, QChar('0')).toUpper(); }

QVariant Choice(int role, const QStringList& texts, const QVariantList& values) {
  if (role == kEditorRole) return static_cast<int>(CellEditor::kChoice);
  if (role == kChoicesRole) return texts;
  if (role == kChoiceValuesRole) return values;
  return {};
}

// A cell editor commits when it closes, changed or not; an unchanged value must not
// become a step (a name would lose its trailing blanks).
bool Unchanged(const QModelIndex& index, const QVariant& value) {
  return value.toString() == index.data(Qt::EditRole).toString();
}

QVariant Number(int role) {
  return role == kEditorRole ? QVariant(static_cast<int>(CellEditor::kNumber)) : QVariant();
}

// A typed number as the core reads it; surrounding blanks are no part of it.
std::string NumberText(const QVariant& value) {
  return value.toString().trimmed().toLatin1().toStdString();
}

}  // namespace

ListTableModel::ListTableModel(editing::ListDocument& document, PushCommand push, QObject* parent)
    : QAbstractTableModel(parent), document_(document), push_(std::move(push)) {}

int ListTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

Qt::ItemFlags ListTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return ReadOnly() ? Qt::NoItemFlags : Qt::ItemIsDropEnabled;
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
  if (!ReadOnly()) flags |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
  if (!ReadOnly() && Editable(index.column())) flags |= Qt::ItemIsEditable;
  return flags;
}

QStringList ListTableModel::mimeTypes() const { return {kRowsMime}; }

QMimeData* ListTableModel::mimeData(const QModelIndexList& indexes) const {
  if (indexes.isEmpty()) return nullptr;
  // Every chosen row and no other: with gaps, and with a find, rows between stay behind.
  std::set<int> rows;
  for (const QModelIndex& index : indexes) rows.insert(index.row());
  QStringList texts;
  for (const int row : rows) texts << QString::number(row);
  auto* data = new QMimeData;
  data->setData(kRowsMime, texts.join(' ').toLatin1());
  return data;
}

bool ListTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                  int /*column*/, const QModelIndex& parent) {
  if (action != Qt::MoveAction || !data->hasFormat(kRowsMime)) return false;
  QList<int> rows;
  for (const QString& text : QString::fromLatin1(data->data(kRowsMime)).split(' ')) {
    bool number = false;
    rows << text.toInt(&number);
    if (!number) return false;
  }
  if (row < 0) row = parent.isValid() ? parent.row() : rows_;
  return MoveRows(rows, row);
}

namespace {

std::vector<std::size_t> Rows(const QList<int>& rows) {
  std::vector<std::size_t> list;
  for (const int row : rows) list.push_back(static_cast<std::size_t>(row));
  std::sort(list.begin(), list.end());
  list.erase(std::unique(list.begin(), list.end()), list.end());
  return list;
}

}  // namespace

bool ListTableModel::MoveRows(const QList<int>& rows, int before) {
  if (ReadOnly() || rows.isEmpty() || before < 0 || before > rows_ ||
      std::any_of(rows.begin(), rows.end(), [this](int row) { return row < 0 || row >= rows_; })) {
    return false;
  }
  const std::vector<std::size_t> chosen = Rows(rows);
  const auto at = static_cast<std::size_t>(before);
  return Push(editing::MoveRows(document_, Kind(), chosen, at), chosen,
              editing::MovedRows(chosen, at), 0);
}

bool ListTableModel::StepRows(const QList<int>& rows, int step) {
  if (ReadOnly() || rows.isEmpty()) return false;
  std::vector<std::size_t> chosen = Rows(rows);
  const common::Message reason =
      editing::CheckStep(chosen, step, static_cast<std::size_t>(rows_), Kind());
  if (!reason.empty()) {
    emit refused(Qt8(reason));
    return false;
  }
  std::unique_ptr<editing::Command> command = editing::StepRows(document_, Kind(), chosen, step);
  std::vector<std::size_t> to = chosen;
  for (std::size_t& row : to) row = static_cast<std::size_t>(static_cast<long>(row) + step);
  return Push(std::move(command), chosen, to, step);
}

bool ListTableModel::Push(std::unique_ptr<editing::Command> command,
                          const std::vector<std::size_t>& from, const std::vector<std::size_t>& to,
                          int step) {
  if (!command) return false;
  push_(std::move(command));
  QList<int> rows;
  for (const std::size_t row : to) rows << static_cast<int>(row);
  emit moved(rows, Qt8(editing::MovedText(document_, Kind(), from, to, step)));
  return true;
}

void ListTableModel::Refresh() {
  const int rows = DocumentRows();
  if (rows != rows_) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
  } else if (rows > 0) {
    emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
  }
}

bool ListTableModel::Matches(int row, const QString& text) const {
  if (text.isEmpty()) return true;
  // Nr is the place in the list, not something the record holds.
  for (int column = 1; column < columnCount(); ++column) {
    if (data(index(row, column), Qt::DisplayRole).toString().contains(text, Qt::CaseInsensitive)) {
      return true;
    }
  }
  return false;
}

QString ListTableModel::Refusal(const QModelIndex& index, const QVariant& value) const {
  if (Unchanged(index, value)) return {};
  common::Message reason;
  Edit(index, value, reason);
  return Qt8(reason);
}

bool ListTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || ReadOnly() || index.row() >= rows_ || !Editable(index.column())) {
    return false;
  }
  if (Unchanged(index, value)) return true;
  common::Message reason;
  std::unique_ptr<editing::Command> command = Edit(index, value, reason);
  if (!reason.empty()) {
    emit refused(Qt8(reason));
    return false;
  }
  if (command) push_(std::move(command));
  return true;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 10;
}

QString ChannelTableModel::TransponderText(std::uint8_t tp) const {
  const QString number = QString("%1").arg(tp, 2, 10, QChar('0'));
  if (tp == 0 || tp > document_.CountedTransponders()) return tr("%1 \u00b7 none").arg(number);
  const transponders::TransponderRecord& t = document_.transponders()[tp - 1u];
  return QString("%1 \u00b7 %2 %3")
      .arg(number)
      .arg(t.Khz() / 1000)
      .arg(t.flags & transponders::kFlagHorizontal ? "H" : "V");
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
  const auto row = static_cast<std::size_t>(index.row());
  if (!index.isValid() || row >= document_.channels().size()) return {};
  const editing::ChannelRecord& channel = document_.channels()[row];
  const int column = index.column();
  if (role == Qt::TextAlignmentRole && column != 1) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (column == 0) return role == Qt::DisplayRole ? QVariant(index.row() + 1) : QVariant();
  if (column == 1) {
    std::string name(channel.name.data(), channel.name.size());
    while (!name.empty() && name.back() == '\0') name.pop_back();
    if (role == Qt::DisplayRole || role == Qt::EditRole) return Latin1(name);
    if (role == kEditorRole) return static_cast<int>(CellEditor::kName);
    return {};
  }
  if (column == 2) {
    const int use = channel.use;
    if (role == Qt::DisplayRole) {
      return use == kUseTv ? tr("TV") : use == kUseRadio ? tr("Radio") : Hex(use);
    }
    if (role == Qt::EditRole) return use;
    QStringList texts{tr("TV"), tr("Radio")};
    QVariantList values{kUseTv, kUseRadio};
    if (use != kUseTv && use != kUseRadio) {
      texts << Hex(use);
      values << use;
    }
    return Choice(role, texts, values);
  }
  if (column == 3) {
    if (role == Qt::DisplayRole) return TransponderText(channel.tp);
    if (role == Qt::EditRole) return static_cast<int>(channel.tp);
    if (role != kChoicesRole && role != kChoiceValuesRole && role != kEditorRole) return {};
    QStringList texts;
    QVariantList values;
    const std::size_t count = std::min(document_.CountedTransponders(), editing::kMostTransponders);
    for (std::size_t tp = 1; tp <= count; ++tp) {
      texts << TransponderText(static_cast<std::uint8_t>(tp));
      values << static_cast<int>(tp);
    }
    if (channel.tp == 0 || channel.tp > count) {  // shown as it is, kept unless chosen
      texts << TransponderText(channel.tp);
      values << static_cast<int>(channel.tp);
    }
    return Choice(role, texts, values);
  }
  if (role == Qt::DisplayRole || role == Qt::EditRole) return channel.words[column - 4];
  return Number(role);
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section == 0) return tr("Nr");
  if (section < 1 || section > static_cast<int>(editing::kChannelFieldCount)) return {};
  return Qt8(common::ColumnTitle(channels::kChannelFields[section - 1]));
}

std::unique_ptr<editing::Command> ChannelTableModel::Edit(const QModelIndex& index,
                                                          const QVariant& value,
                                                          common::Message& reason) const {
  const auto row = static_cast<std::size_t>(index.row());
  const auto field = static_cast<editing::ChannelField>(index.column() - 1);
  std::string text;
  if (field == editing::ChannelField::kName) {
    const QString name = value.toString();
    // Said as the command line and the CSV say it.
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() > 0xFF; })) {
      reason = common::Say(common::kSentence, {common::NotLatin1Text(name.toStdString())});
      return nullptr;
    }
    text = name.toLatin1().toStdString();
  } else {
    text = NumberText(value);
  }
  editing::ChannelRecord record = document_.channels()[row];
  reason = editing::SetChannelValue(document_, record, field, text);
  if (!reason.empty() || record == document_.channels()[row]) return nullptr;
  return editing::SetChannel(row, field, record);
}

std::string ChannelTableModel::RecordKey(int row) const {
  return document_.channels()[static_cast<std::size_t>(row)].Encode();
}

int TransponderTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kChannelsColumn + 1;
}

QVariant TransponderTableModel::data(const QModelIndex& index, int role) const {
  const auto row = static_cast<std::size_t>(index.row());
  if (!index.isValid() || row >= document_.transponders().size()) return {};
  const transponders::TransponderRecord& t = document_.transponders()[row];
  const int column = index.column();
  const bool shown = role == Qt::DisplayRole || role == Qt::EditRole;
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue((column >= 2 && column <= 5 ? Qt::AlignHCenter : Qt::AlignRight) |
                               Qt::AlignVCenter);
  }
  if (column == 0) return role == Qt::DisplayRole ? QVariant(index.row() + 1) : QVariant();
  if (column == kChannelsColumn) {
    return role == Qt::DisplayRole
               ? QVariant(static_cast<qulonglong>(document_.ChannelsUsing(row + 1)))
               : QVariant();
  }
  if (column < 0 || column > kChannelsColumn) return {};
  const auto field = static_cast<transponders::TransponderField>(column - 1);
  const common::FieldInfo& info = transponders::InfoOf(field);
  if (role == Qt::DisplayRole && !info.texts.empty()) {
    return QString::fromStdString(transponders::TransponderText(t, field));
  }
  if (shown) return QVariant(static_cast<qlonglong>(transponders::TransponderValue(t, field)));
  if (info.texts.empty()) return Number(role);
  QStringList texts;
  QVariantList values;
  for (std::size_t code = 0; code < info.texts.size(); ++code) {
    texts << QString(info.texts[code]);
    values << static_cast<int>(code);
  }
  return Choice(role, texts, values);
}

QVariant TransponderTableModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section == 0) return tr("Nr");
  if (section == kChannelsColumn) return tr("Channels");
  if (section < 1 || section > kChannelsColumn) return {};
  return Qt8(common::ColumnTitle(transponders::kTransponderFields[section - 1]));
}

std::unique_ptr<editing::Command> TransponderTableModel::Edit(const QModelIndex& index,
                                                              const QVariant& value,
                                                              common::Message& reason) const {
  const auto row = static_cast<std::size_t>(index.row());
  const auto field = static_cast<editing::TransponderField>(index.column() - 1);
  transponders::TransponderRecord record = document_.transponders()[row];
  // A chooser gives the code; a typed number goes as text, read and refused as the CSV is.
  reason = transponders::InfoOf(field).texts.empty()
               ? editing::SetTransponderText(record, field, NumberText(value))
               : editing::SetTransponderValue(record, field, value.toLongLong());
  if (!reason.empty() || record == document_.transponders()[row]) return nullptr;
  return editing::SetTransponder(row, field, record);
}

std::string TransponderTableModel::RecordKey(int row) const {
  return document_.transponders()[static_cast<std::size_t>(row)].Encode();
}

}  // namespace chanforge::ui
