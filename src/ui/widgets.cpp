#include "ui/widgets.h"

#include <qdrawutil.h>

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QStringListModel>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "ui/qt_frontend.h"

namespace chanforge::ui {

Twips::Twips(const QWidget* reference)
    : scale_(reference ? reference->logicalDpiX() / 96.0 : 1.0) {}

int Twips::operator()(int twips) const {
  return static_cast<int>(std::lround(twips / 15.0 * scale_));
}

QRect Twips::operator()(int left, int top, int width, int height) const {
  return {(*this)(left), (*this)(top), (*this)(width), (*this)(height)};
}

void WrappingButton::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  painter.drawText(rect().adjusted(3, 2, -3, -2),
                   Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

void WrappingCheckBox::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_CheckBox, option);
  const int indent = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this) +
                     style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
  painter.drawText(rect().adjusted(indent, 0, 0, 0),
                   Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap | Qt::TextShowMnemonic,
                   text());
}

namespace {

// One of the pictures Qt's styles draw with, read as PNG: otherwise every image plugin is
// loaded and asked whether it reads PNG.
QPixmap BuiltInPicture(const QString& name) {
  QImageReader reader(":/qt-project.org/styles/commonstyle/images/" + name, "PNG");
  reader.setAutoDetectImageFormat(false);
  QImage image;
  return reader.read(&image) ? QPixmap::fromImage(image) : QPixmap();
}

// Qt's own pictures of the standard icons the main window shows, as its styles draw them
// where the desktop has no icon theme.
constexpr std::pair<QStyle::StandardPixmap, const char*> kBuiltInIcons[] = {
    {QStyle::SP_DialogOpenButton, "standardbutton-open"},
    {QStyle::SP_DialogSaveButton, "standardbutton-save"},
    {QStyle::SP_ArrowDown, "down"},
    {QStyle::SP_ArrowUp, "up"},
    {QStyle::SP_TrashIcon, "trash"},
    {QStyle::SP_FileDialogContentsView, "filecontents"},
    {QStyle::SP_FileDialogListView, "viewlist"},
    {QStyle::SP_DirOpenIcon, "diropen"},
    {QStyle::SP_FileIcon, "file"},
    {QStyle::SP_ToolBarHorizontalExtensionButton, "toolbar-ext-h"},
};

// The information sign, drawn: the base style's would search the icon theme.
QPixmap InformationSign(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x1f, 0x5f, 0xbf));
  painter.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
  painter.setBrush(Qt::white);
  const double unit = size / 16.0;
  painter.drawEllipse(QRectF(6.75 * unit, 3 * unit, 2.5 * unit, 2.5 * unit));
  painter.drawRoundedRect(QRectF(6.75 * unit, 6.5 * unit, 2.5 * unit, 6.5 * unit), unit, unit);
  return pixmap;
}

}  // namespace

BuiltInPictureStyle::BuiltInPictureStyle(const QString& base) : QProxyStyle(base) {
  if (baseStyle()->name().compare("fusion", Qt::CaseInsensitive) == 0) {
    group_box_frame_ = BuiltInPicture("fusion_groupbox.png");
  }
}

void BuiltInPictureStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                        QPainter* painter, const QWidget* widget) const {
  if (element != PE_FrameGroupBox || group_box_frame_.isNull()) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  // Where Fusion puts its frame: below the title, or near the top of a box without one.
  constexpr int kTopMargin = 3;
  const auto* box = qobject_cast<const QGroupBox*>(widget);
  const int top =
      box && !box->isCheckable() && box->title().isEmpty()
          ? kTopMargin
          : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                kTopMargin;
  painter->save();
  painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
  qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                    group_box_frame_);
  painter->restore();
}

void BuiltInPictureStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                       const QPalette& palette, bool enabled, const QString& text,
                                       QPalette::ColorRole role) const {
  // A caption in a box hardly taller than its line (under the icon of a fixed-size button)
  // gets a little room on the side its alignment leaves free, so it stays where it was: the
  // dots of a capital's umlaut reach above the font's ascent and would be cut.
  constexpr int kAccentRoom = 2;
  const int short_by = painter->fontMetrics().height() + 2 * kAccentRoom - rect.height();
  QRect whole = rect;
  if (short_by > 0 && !text.contains('\n')) {
    const int grow = (short_by + 1) / 2;
    if ((flags & Qt::AlignVCenter) != 0) {
      whole.adjust(0, -grow, 0, grow);
    } else if ((flags & Qt::AlignBottom) != 0) {
      whole.adjust(0, -2 * grow, 0, 0);
    } else {
      whole.adjust(0, 0, 0, 2 * grow);
    }
  }
  QProxyStyle::drawItemText(painter, whole, flags, palette, enabled, text, role);
}

QIcon BuiltInPictureStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                        const QWidget* widget) const {
  QIcon result;
  const auto* built_in = std::find_if(std::begin(kBuiltInIcons), std::end(kBuiltInIcons),
                                      [icon](const auto& entry) { return entry.first == icon; });
  if (built_in != std::end(kBuiltInIcons)) {
    for (const char* size : {"-16.png", "-32.png"}) {
      const QPixmap picture = BuiltInPicture(QString(built_in->second) + size);
      if (!picture.isNull()) result.addPixmap(picture);
    }
  } else if (icon == SP_MessageBoxInformation) {
    for (const int size : {16, 32}) result.addPixmap(InformationSign(size));
  }
  return result.isNull() ? QProxyStyle::standardIcon(icon, option, widget) : result;
}

QToolButton* IconButton(QWidget* parent, const char* name, const QString& caption,
                        QStyle::StandardPixmap icon, QRect geometry) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(caption);
  // A caption's double blank is its look ("View  Block"); a screen reader gets the words.
  button->setAccessibleName(QString(caption).remove('&').simplified());
  button->setIcon(parent->style()->standardIcon(icon));
  button->setIconSize({16, 16});
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setGeometry(geometry);
  return button;
}

QFont ListFont() {
  QFont font("Courier");
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(9.75);
  if (!QFontInfo(font).fixedPitch()) {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(9.75);
  }
  return font;
}

QListView* MakeLineList(QWidget* parent, const QString& name) {
  auto* list = new QListView(parent);
  list->setObjectName(name);
  list->setModel(new QStringListModel(list));
  list->setUniformItemSizes(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setFont(ListFont());
  return list;
}

QTableWidget* BuildReportTable(QWidget* window, const char* table_name, const QString& title,
                               const QStringList& headings, std::initializer_list<QLabel*> labels) {
  auto* table = new QTableWidget(0, static_cast<int>(headings.size()), window);
  table->setObjectName(table_name);
  table->setAccessibleName(title);
  table->setHorizontalHeaderLabels(headings);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setIconSize(QSize(16, 16));
  WrapCellTexts(table);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  // The rows keep the order they come in until a heading is clicked.
  table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table->setSortingEnabled(true);
  auto* close =
      new QPushButton(QCoreApplication::translate("chanforge::ui::ReportWindow", "&Close"), window);
  close->setObjectName("CmdOK");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(window);
  for (QLabel* label : labels) layout->addWidget(label);
  layout->addWidget(table);
  layout->addLayout(buttons);
  QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
  // Rows as high as a line of text and its icon need, no more: many in view.
  table->verticalHeader()->setMinimumSectionSize(1);
  table->verticalHeader()->setDefaultSectionSize(std::max(table->fontMetrics().height(), 16) + 4);
  return table;
}

namespace {

// Sizes a cell for its column's width, so that a wrapped text makes its row as high as
// its lines need.
class WrappingDelegate : public QStyledItemDelegate {
 public:
  explicit WrappingDelegate(QTreeView* tree) : QStyledItemDelegate(tree), tree_(tree) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    // The text's room: the column less the cell's margins on either side.
    const int room = std::max(tree_->columnWidth(index.column()) - 2 * kCellMargin, 1);
    const QRect lines = option.fontMetrics.boundingRect(QRect(0, 0, room, 0), Qt::TextWordWrap,
                                                        index.data().toString());
    size.setHeight(std::max(size.height(), lines.height() + 2));
    return size;
  }

 private:
  static constexpr int kCellMargin = 4;
  QTreeView* tree_;
};

}  // namespace

void WrapCellTexts(QTableView* table) {
  table->setWordWrap(true);
  table->setTextElideMode(Qt::ElideNone);
  QObject::connect(table->horizontalHeader(), &QHeaderView::sectionResized, table, [table] {
    QMetaObject::invokeMethod(table, &QTableView::resizeRowsToContents, Qt::QueuedConnection);
  });
}

void WrapCellTexts(QTreeView* tree) {
  tree->setWordWrap(true);
  tree->setTextElideMode(Qt::ElideNone);
  tree->setItemDelegate(new WrappingDelegate(tree));
  QObject::connect(tree->header(), &QHeaderView::sectionResized, tree, [tree] {
    QMetaObject::invokeMethod(tree, &QTreeView::doItemsLayout, Qt::QueuedConnection);
  });
}

void SizeForRows(QWidget* window, QTableWidget* table, int rows) {
  const int height = table->verticalHeader()->defaultSectionSize() * rows +
                     table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
  window->resize(Twips(window)(12000),
                 window->sizeHint().height() - table->sizeHint().height() + height);
}

void RefillReport(QTableWidget* table, const std::function<void()>& fill) {
  const int top = table->rowAt(0);
  const int top_index = ReportIndex(table, top);
  const int chosen = ReportIndex(table, table->currentRow());
  table->setSortingEnabled(false);
  table->setRowCount(0);
  fill();
  table->setSortingEnabled(true);
  for (int row = 0; row < table->rowCount(); ++row) {
    if (ReportIndex(table, row) == chosen) table->selectRow(row);
    if (ReportIndex(table, row) == top_index && top > 0) {
      table->scrollToItem(table->item(row, 0), QAbstractItemView::PositionAtTop);
    }
  }
  table->resizeColumnsToContents();
  table->resizeRowsToContents();
}

void AddReportRow(QTableWidget* table, int index, const QStringList& cells, const QIcon& icon,
                  const QString& tip) {
  const int row = table->rowCount();
  table->insertRow(row);
  for (int column = 0; column < cells.size(); ++column) {
    auto* item = new QTableWidgetItem(cells[column]);
    if (column == 0) {
      item->setData(Qt::UserRole, index);
      if (!icon.isNull()) item->setIcon(icon);
    }
    if (!tip.isEmpty()) item->setToolTip(tip);
    table->setItem(row, column, item);
  }
}

int ReportIndex(const QTableWidget* table, int row) {
  const QTableWidgetItem* item = row >= 0 ? table->item(row, 0) : nullptr;
  return item ? item->data(Qt::UserRole).toInt() : -1;
}

void SetLines(QListView* list, const QStringList& lines) {
  static_cast<QStringListModel*>(list->model())->setStringList(lines);
}

QString Latin1(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

// Sees the key presses that the window's controls leave unhandled on their way up.
class EscapeFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) {
      return false;
    }
    static_cast<QWidget*>(watched)->close();
    return true;
  }
};

}  // namespace

void AfterDialog(QObject* context, std::function<void()> step) {
  QTimer::singleShot(0, context, std::move(step));
}

void AddClearButton(QLineEdit* box) {
  box->setClearButtonEnabled(true);
  // Qt's button shows a picture only and has no name of its own.
  for (QToolButton* clear : box->findChildren<QToolButton*>()) {
    clear->setAccessibleName(QCoreApplication::translate("chanforge::ui::FindBox", "Clear"));
  }
}

void CloseOnEscape(QWidget* window) { window->installEventFilter(new EscapeFilter(window)); }

}  // namespace chanforge::ui
