// The list editor's cell editors: a channel name editor that counts its bytes, a number
// box and a chooser for fields with a few named values. A typed value the model would
// refuse keeps its editor open.
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>

class QLabel;

namespace chanforge::ui {

// A name field's editor: the count of bytes used shows at its right end, marked when the
// text will not fit (too long, or a character with no Latin-1 byte).
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
  // Why the model would refuse a typed text for the cell, or an empty text.
  using Check = std::function<QString(const QModelIndex& index, const QString& text)>;
  ListDelegate(Check check, QObject* parent)
      : QStyledItemDelegate(parent), check_(std::move(check)) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
  // An editor wider than its cell (arrows, the byte count) reaches over the next one.
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;

  // Commits the value in an open cell editor as Enter would and closes it. A refused value
  // keeps the editor open beside its reason (refused) and returns false.
  bool CommitOpenEditor();
  // Closes an open cell editor without committing it.
  void CloseOpenEditor();

 signals:
  // Enter or Tab met a refused text: the editor stays open beside the reason.
  void refused(QWidget* editor, const QString& reason) const;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  // Why the editor's text would be refused, or an empty text.
  QString RefusalOf(QWidget* editor) const;

  Check check_;
  mutable QPointer<QWidget> open_;  // the editor open now, if any
};

}  // namespace chanforge::ui
