// The table models of the list editor: one row per channel or transponder of the list
// document. Edits become commands on the window's history; the rows follow the document
// whenever the workspace announces a change.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <memory>

#include "editing/list_commands.h"
#include "editing/list_document.h"
#include "views/list_cells.h"

namespace chanforge::ui {

enum ItemRole {
  kEditorRole = Qt::UserRole + 1,  // a views::CellEditor
  kChoicesRole,                    // QStringList of texts, for kChoice
  kChoiceValuesRole,               // QVariantList of values, one per text
};

// Where the models send their commands.
using PushCommand = std::function<void(std::unique_ptr<editing::Command>)>;

class ListTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  ListTableModel(editing::ListDocument& document, PushCommand push, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                    const QModelIndex& parent) override;
  // Pushes the edit's command, or says why not (refused) and returns false.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // Rows as the document has them now: a reset when their number changed, else new data.
  void Refresh();
  // Whether the find box's text is in one of the row's cells as they show it (any case).
  bool Matches(int row, const QString& text) const;
  // The row's record as bytes, to find it again after a change.
  virtual std::string RecordKey(int row) const = 0;
  // Why setData would refuse the value, or an empty text (the cell editor stays open).
  QString Refusal(const QModelIndex& index, const QVariant& value) const;
  virtual bool ReadOnly() const = 0;
  // Moves the rows (0-based, any order, gaps allowed) together before row `before`, as one
  // step; false when none would change its place.
  bool MoveRows(const QList<int>& rows, int before);
  // Moves each run of the rows one place up (step -1) or down (+1), as one step; at the
  // list's end refused with the reason.
  bool StepRows(const QList<int>& rows, int step);

 protected:
  virtual int DocumentRows() const = 0;
  virtual common::ListKind Kind() const = 0;
  bool Editable(int column) const;
  views::CellEditor EditorOf(int column) const;
  // What every row of a column says alike: its alignment and its editor.
  QVariant ColumnData(int column, int role) const;
  static QVariant ChoiceData(const std::vector<views::CellChoice>& choices, int role);
  editing::CellInput InputOf(const QModelIndex& index, const QVariant& value) const;
  // The transponders a channel can name, as a fresh read counts them.
  std::span<const transponders::TransponderRecord> UsedTransponders() const;
  // The row's command for the value (none when nothing changes), or its refusal.
  virtual common::Result<std::unique_ptr<editing::Command>> Edit(const QModelIndex& index,
                                                                 const QVariant& value) const = 0;

 signals:
  // An edit was refused; the editor shows why.
  void refused(const QString& reason) const;
  // A move was made: where its rows stand now, and what it did in words.
  void moved(const QList<int>& rows, const QString& said) const;

 protected:
  editing::ListDocument& document_;
  PushCommand push_;

 private:
  // Pushes the move of rows `from` (sorted) to `to` by step (0: together), tells where they
  // went; false when it moves nothing.
  bool Push(std::unique_ptr<editing::Command> command, const std::vector<std::size_t>& from,
            const std::vector<std::size_t>& to, int step);

  int rows_ = 0;
};

class ChannelTableModel : public ListTableModel {
  Q_OBJECT

 public:
  using ListTableModel::ListTableModel;

  QVariant data(const QModelIndex& index, int role) const override;
  std::string RecordKey(int row) const override;
  bool ReadOnly() const override { return document_.channel_block() < 0; }

 protected:
  int DocumentRows() const override { return static_cast<int>(document_.channels().size()); }
  common::ListKind Kind() const override { return common::ListKind::kChannels; }
  common::Result<std::unique_ptr<editing::Command>> Edit(const QModelIndex& index,
                                                         const QVariant& value) const override;
};

class TransponderTableModel : public ListTableModel {
  Q_OBJECT

 public:
  using ListTableModel::ListTableModel;

  QVariant data(const QModelIndex& index, int role) const override;
  std::string RecordKey(int row) const override;
  bool ReadOnly() const override { return document_.transponder_block() < 0; }

 protected:
  // As a fresh read shows them: unused records behind the last used one stay unshown.
  int DocumentRows() const override { return static_cast<int>(document_.CountedTransponders()); }
  common::ListKind Kind() const override { return common::ListKind::kTransponders; }
  common::Result<std::unique_ptr<editing::Command>> Edit(const QModelIndex& index,
                                                         const QVariant& value) const override;
};

}  // namespace chanforge::ui
