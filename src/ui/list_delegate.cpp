#include "ui/list_delegate.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QValidator>

#include "channels/channel_record.h"
#include "ui/list_table_model.h"

namespace chanforge::ui {

namespace {

constexpr int kNameBytes = static_cast<int>(channels::kTcsNameWidth);

class Latin1Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& /*pos*/) const override {
    if (input.size() > kNameBytes) return Invalid;
    for (const QChar c : input) {
      if (c.unicode() > 0xFF) return Invalid;
    }
    return Acceptable;
  }
};

}  // namespace

NameEditor::NameEditor(QWidget* parent) : QLineEdit(parent), count_(new QLabel(this)) {
  setObjectName("NameEditor");
  setMaxLength(kNameBytes);
  setValidator(new Latin1Validator(this));
  count_->setObjectName("NameBytes");
  count_->setForegroundRole(QPalette::PlaceholderText);
  connect(this, &QLineEdit::textChanged, this, &NameEditor::ShowCount);
  ShowCount();
}

void NameEditor::ShowCount() {
  count_->setText(QString("%1/%2").arg(text().size()).arg(kNameBytes));
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
  switch (static_cast<CellEditor>(index.data(kEditorRole).toInt())) {
    case CellEditor::kName:
      return new NameEditor(parent);
    case CellEditor::kNumber: {
      auto* box = new QSpinBox(parent);
      box->setRange(0, index.data(kMaximumRole).toInt());
      box->setAlignment(Qt::AlignRight);
      return box;
    }
    case CellEditor::kChoice: {
      auto* box = new QComboBox(parent);
      const QStringList texts = index.data(kChoicesRole).toStringList();
      const QVariantList values = index.data(kChoiceValuesRole).toList();
      for (int i = 0; i < texts.size() && i < values.size(); ++i) box->addItem(texts[i], values[i]);
      return box;
    }
    default:
      return QStyledItemDelegate::createEditor(parent, option, index);
  }
}

void ListDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const QVariant value = index.data(Qt::EditRole);
  if (auto* box = qobject_cast<QComboBox*>(editor)) {
    box->setCurrentIndex(std::max(0, box->findData(value)));
  } else if (auto* spin = qobject_cast<QSpinBox*>(editor)) {
    spin->setValue(value.toInt());
  } else {
    QStyledItemDelegate::setEditorData(editor, index);
  }
}

void ListDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
  if (auto* box = qobject_cast<QComboBox*>(editor)) {
    model->setData(index, box->currentData(), Qt::EditRole);
  } else if (auto* spin = qobject_cast<QSpinBox*>(editor)) {
    spin->interpretText();
    model->setData(index, spin->value(), Qt::EditRole);
  } else {
    QStyledItemDelegate::setModelData(editor, model, index);
  }
}

void ListDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex& /*index*/) const {
  QRect rect = option.rect;
  rect.setWidth(std::max(rect.width(), editor->sizeHint().width()));
  editor->setGeometry(rect);
}

}  // namespace chanforge::ui
