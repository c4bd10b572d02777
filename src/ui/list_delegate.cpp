#include "ui/list_delegate.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

#include "channels/channel_fields.h"
#include "ui/list_table_model.h"

namespace chanforge::ui {

namespace {

constexpr int kNameBytes = static_cast<int>(channels::kTcsNameWidth);
constexpr char kCellProperty[] = "cell";

}  // namespace

NameEditor::NameEditor(QWidget* parent) : QLineEdit(parent), count_(new QLabel(this)) {
  setObjectName("NameEditor");
  count_->setObjectName("NameBytes");
  // Inside a line edit a label would draw in the Text colour; the count's own is WindowText.
  count_->setForegroundRole(QPalette::WindowText);
  connect(this, &QLineEdit::textChanged, this, &NameEditor::ShowCount);
  ShowCount();
}

void NameEditor::ShowCount() {
  const QString name = text();
  const bool fits = channels::NameFits(name.toStdString());
  QPalette palette = count_->palette();
  palette.setColor(QPalette::WindowText, fits ? palette.color(QPalette::PlaceholderText) : Qt::red);
  count_->setPalette(palette);
  count_->setText(QString("%1/%2").arg(name.size()).arg(kNameBytes));
  count_->adjustSize();
  setTextMargins(0, 0, count_->width() + 4, 0);
  resizeEvent(nullptr);
}

QSize NameEditor::sizeHint() const {
  const QSize hint = QLineEdit::sizeHint();
  const int width =
      fontMetrics().horizontalAdvance(QString(kNameBytes, QChar('N'))) + count_->width() + 16;
  return {std::max(hint.width(), width), hint.height()};
}

void NameEditor::resizeEvent(QResizeEvent* event) {
  if (event) QLineEdit::resizeEvent(event);
  count_->move(width() - count_->width() - 4, (height() - count_->height()) / 2);
}

QWidget* ListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
  QWidget* editor = nullptr;
  switch (static_cast<views::CellEditor>(index.data(kEditorRole).toInt())) {
    case views::CellEditor::kName:
      editor = new NameEditor(parent);
      break;
    case views::CellEditor::kNumber: {
      // Any text reaches the check, which names what is wrong with it: a box that drops
      // keys it does not like would turn 70000 into 7000.
      auto* box = new QLineEdit(parent);
      box->setObjectName("NumberEditor");
      box->setAlignment(Qt::AlignRight);
      editor = box;
      break;
    }
    case views::CellEditor::kChoice: {
      auto* box = new QComboBox(parent);
      const QStringList texts = index.data(kChoicesRole).toStringList();
      const QVariantList values = index.data(kChoiceValuesRole).toList();
      for (int i = 0; i < texts.size() && i < values.size(); ++i) box->addItem(texts[i], values[i]);
      editor = box;
      break;
    }
    default:
      editor = QStyledItemDelegate::createEditor(parent, option, index);
  }
  if (editor) editor->setProperty(kCellProperty, QVariant::fromValue(QPersistentModelIndex(index)));
  open_ = editor;
  return editor;
}

QString ListDelegate::RefusalOf(QWidget* editor) const {
  const auto* line = qobject_cast<QLineEdit*>(editor);
  const auto cell = editor->property(kCellProperty).value<QPersistentModelIndex>();
  return line && cell.isValid() && check_ ? check_(cell, line->text()) : QString();
}

bool ListDelegate::CommitOpenEditor() {
  QWidget* editor = open_;
  // A closed editor is hidden at once and deleted later.
  if (!editor || editor->isHidden()) return true;
  if (const QString reason = RefusalOf(editor); !reason.isEmpty()) {
    editor->setFocus();
    emit refused(editor, reason);
    return false;
  }
  emit commitData(editor);
  // The change may have closed it already (the list was refilled).
  if (open_ && !editor->isHidden()) emit closeEditor(editor, QAbstractItemDelegate::NoHint);
  return true;
}

void ListDelegate::CloseOpenEditor() {
  if (open_ && !open_->isHidden()) emit closeEditor(open_, QAbstractItemDelegate::RevertModelCache);
}

void ListDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const QVariant value = index.data(Qt::EditRole);
  if (auto* box = qobject_cast<QComboBox*>(editor)) {
    box->setCurrentIndex(std::max(0, box->findData(value)));
  } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    line->setText(value.toString());
  } else {
    QStyledItemDelegate::setEditorData(editor, index);
  }
}

void ListDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
  if (auto* box = qobject_cast<QComboBox*>(editor)) {
    model->setData(index, box->currentData(), Qt::EditRole);
  } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    model->setData(index, line->text(), Qt::EditRole);
  } else {
    QStyledItemDelegate::setModelData(editor, model, index);
  }
}

bool ListDelegate::eventFilter(QObject* object, QEvent* event) {
  auto* editor = qobject_cast<QLineEdit*>(object);
  if (editor && event->type() == QEvent::KeyPress && check_) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
        key == Qt::Key_Backtab) {
      if (const QString reason = RefusalOf(editor); !reason.isEmpty()) {
        emit refused(editor, reason);
        return true;
      }
    }
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

void ListDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex& /*index*/) const {
  QRect rect = option.rect;
  // A number fits its column; a line edit's own hint would cover the next value.
  if (editor->objectName() != "NumberEditor") {
    rect.setWidth(std::max(rect.width(), editor->sizeHint().width()));
  }
  editor->setGeometry(rect);
}

}  // namespace chanforge::ui
