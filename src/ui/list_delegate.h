// The list editor's cell editors: a channel name editor that counts its bytes, a number
// box within the field's range and a chooser for fields with a few named values.
#pragma once

#include <QLineEdit>
#include <QStyledItemDelegate>

class QLabel;

namespace chanforge::ui {

// Takes only what fits a name field: at most 16 characters, each one Latin-1 byte. The
// count of bytes used shows at its right end.
class NameEditor : public QLineEdit {
  Q_OBJECT

 public:
  explicit NameEditor(QWidget* parent);
  // Room for sixteen wide characters and the count.
  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ShowCount();

  QLabel* count_;
};

class ListDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
  // An editor wider than its cell (arrows, the byte count) reaches over the next one.
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;
};

}  // namespace chanforge::ui
