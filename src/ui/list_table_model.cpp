#include "ui/list_table_model.h"

#include <QMimeData>
#include <algorithm>
#include <set>

#include "ui/qt_frontend.h"
#include "ui/widgets.h"
#include "views/list_cells.h"

namespace chanforge::ui {

namespace {

constexpr char kRowsMime[] = "application/x-chanforge-rows";

// A cell editor commits when it closes, changed or not; an unchanged value must not
// become a step (a name would lose its trailing blanks).
bool Unchanged(const QModelIndex& index, const QVariant& value) {
  return value.toString() == index.data(Qt::EditRole).toString();
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
  const common::Status step_ok =
      editing::CheckStep(chosen, step, static_cast<std::size_t>(rows_), Kind());
  if (!step_ok.ok()) {
    emit refused(MessageText(step_ok.message()));
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
  emit moved(rows, MessageText(editing::MovedText(document_, Kind(), from, to, step)));
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
  return MessageText(Edit(index, value).message());
}

bool ListTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || ReadOnly() || index.row() >= rows_ || !Editable(index.column())) {
    return false;
  }
  if (Unchanged(index, value)) return true;
  common::Result<std::unique_ptr<editing::Command>> command = Edit(index, value);
  if (!command.ok()) {
    emit refused(MessageText(command.message()));
    return false;
  }
  if (*command) push_(std::move(*command));
  return true;
}

std::span<const transponders::TransponderRecord> ListTableModel::UsedTransponders() const {
  return {document_.transponders().data(), document_.CountedTransponders()};
}

int ListTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(views::ColumnCount(Kind()));
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0) return {};
  return MessageText(views::ColumnHeading(Kind(), static_cast<std::size_t>(section)));
}

bool ListTableModel::Editable(int column) const {
  return EditorOf(column) != views::CellEditor::kNone;
}

views::CellEditor ListTableModel::EditorOf(int column) const {
  return column < 0 ? views::CellEditor::kNone
                    : views::ColumnEditor(Kind(), static_cast<std::size_t>(column));
}

QVariant ListTableModel::ColumnData(int column, int role) const {
  if (role == Qt::TextAlignmentRole) {
    const views::CellAlign align = views::ColumnAlign(Kind(), static_cast<std::size_t>(column));
    const Qt::Alignment across = align == views::CellAlign::kLeft     ? Qt::AlignLeft
                                 : align == views::CellAlign::kCenter ? Qt::AlignHCenter
                                                                      : Qt::AlignRight;
    return QVariant::fromValue(across | Qt::AlignVCenter);
  }
  if (role == kEditorRole) return static_cast<int>(EditorOf(column));
  return {};
}

QVariant ListTableModel::ChoiceData(const std::vector<views::CellChoice>& choices, int role) {
  QStringList texts;
  QVariantList values;
  for (const views::CellChoice& choice : choices) {
    texts << MessageText(choice.text);
    values << static_cast<qlonglong>(choice.value);
  }
  return role == kChoicesRole ? QVariant(texts) : QVariant(values);
}

editing::CellInput ListTableModel::InputOf(const QModelIndex& index, const QVariant& value) const {
  if (EditorOf(index.column()) == views::CellEditor::kChoice) return {{}, value.toLongLong()};
  return {value.toString().toStdString(), {}};
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
  const auto row = static_cast<std::size_t>(index.row());
  if (!index.isValid() || row >= document_.channels().size()) return {};
  const channels::ChannelRecord& channel = document_.channels()[row];
  const auto column = static_cast<std::size_t>(index.column());
  const std::optional<channels::ChannelField> field = views::ChannelColumnField(column);
  switch (role) {
    case Qt::DisplayRole:
      return MessageText(views::ChannelCell(row, channel, UsedTransponders(), column));
    case Qt::EditRole:
      if (!field) return {};
      if (EditorOf(index.column()) == views::CellEditor::kChoice) {
        return static_cast<qlonglong>(channels::ChannelValue(channel, *field));
      }
      return FromUtf8(views::ChannelEditText(channel, column));
    case kChoicesRole:
    case kChoiceValuesRole:
      return ChoiceData(views::ChannelChoices(channel, UsedTransponders(), column), role);
    default:
      return ColumnData(index.column(), role);
  }
}

common::Result<std::unique_ptr<editing::Command>> ChannelTableModel::Edit(
    const QModelIndex& index, const QVariant& value) const {
  const std::optional<channels::ChannelField> field =
      views::ChannelColumnField(static_cast<std::size_t>(index.column()));
  if (!field) return std::unique_ptr<editing::Command>();
  return editing::EditChannelCell(document_, static_cast<std::size_t>(index.row()), *field,
                                  InputOf(index, value));
}

std::string ChannelTableModel::RecordKey(int row) const {
  return document_.channels()[static_cast<std::size_t>(row)].Encode();
}

QVariant TransponderTableModel::data(const QModelIndex& index, int role) const {
  const auto row = static_cast<std::size_t>(index.row());
  if (!index.isValid() || row >= document_.transponders().size()) return {};
  const transponders::TransponderRecord& t = document_.transponders()[row];
  const auto column = static_cast<std::size_t>(index.column());
  const std::optional<transponders::TransponderField> field = views::TransponderColumnField(column);
  switch (role) {
    case Qt::DisplayRole:
      return MessageText(
          views::TransponderCellText(row, t, document_.ChannelsUsing(row + 1), column));
    case Qt::EditRole:
      return field ? QVariant(static_cast<qlonglong>(transponders::TransponderValue(t, *field)))
                   : QVariant();
    case kChoicesRole:
    case kChoiceValuesRole:
      return ChoiceData(views::TransponderChoices(column), role);
    default:
      return ColumnData(index.column(), role);
  }
}

common::Result<std::unique_ptr<editing::Command>> TransponderTableModel::Edit(
    const QModelIndex& index, const QVariant& value) const {
  const std::optional<transponders::TransponderField> field =
      views::TransponderColumnField(static_cast<std::size_t>(index.column()));
  if (!field) return std::unique_ptr<editing::Command>();
  return editing::EditTransponderCell(document_, static_cast<std::size_t>(index.row()), *field,
                                      InputOf(index, value));
}

std::string TransponderTableModel::RecordKey(int row) const {
  return document_.transponders()[static_cast<std::size_t>(row)].Encode();
}

}  // namespace chanforge::ui
