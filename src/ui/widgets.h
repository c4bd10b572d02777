// Small widgets the fixed layout needs: buttons and a check box whose captions wrap
// onto two lines inside their given size, and the twips geometry helper.
#pragma once

#include <QCheckBox>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QRect>
#include <QStringList>
#include <QStyle>
#include <functional>
#include <initializer_list>

#include "common/message.h"

class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QTableView;
class QTableWidget;
class QTreeView;
class QWidget;
class QToolButton;

namespace chanforge::ui {

// Twips (1/1440 inch) to pixels at the screen's logical DPI: 15 twips a pixel at 96 dpi.
class Twips {
 public:
  explicit Twips(const QWidget* reference);
  int operator()(int twips) const;
  QRect operator()(int left, int top, int width, int height) const;
  double scale() const { return scale_; }

 private:
  double scale_;
};

class WrappingButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class WrappingCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The platform's style, with Qt's own pictures for the standard icons the main window
// shows: looking them up in the desktop's icon theme, and Qt's guess at a picture's format
// (which loads every image plugin), cost more than building the rest of the window. The
// same pictures on every desktop; the base style's icon where Qt has none.
// On Fusion it draws the group box frame too, from the same picture read once as PNG and
// stretched without smoothing: Fusion's own read loads the image plugins at the first paint,
// and its smooth stretch of a plain picture costs ten times as much for the same pixels, give
// or take one level of rounding.
class BuiltInPictureStyle : public QProxyStyle {
 public:
  explicit BuiltInPictureStyle(const QString& base);
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                    bool enabled, const QString& text,
                    QPalette::ColorRole role = QPalette::NoRole) const override;

 private:
  QPixmap group_box_frame_;  // null unless the base style is Fusion
};

// A button with a small icon above its caption, as the fixed layout draws them.
QToolButton* IconButton(QWidget* parent, const char* name, const QString& caption,
                        QStyle::StandardPixmap icon, QRect geometry);

// The fixed-pitch list font: Courier 9.75 pt, or the system's fixed font.
QFont ListFont();

// A list view for many lines: one string model, uniform rows.
QListView* MakeLineList(QWidget* parent, const QString& name);
void SetLines(QListView* list, const QStringList& lines);

// A report window's body: the labels on top, a table of its rows (sortable by any column,
// whole rows chosen), and a Close button. Returns the table.
QTableWidget* BuildReportTable(QWidget* window, const char* table_name, const QString& title,
                               const QStringList& headings, std::initializer_list<QLabel*> labels);

// Long cell texts wrap onto more lines of their row instead of losing their end to "…";
// the rows take their heights again when a column changes its width.
void WrapCellTexts(QTableView* table);
void WrapCellTexts(QTreeView* tree);

// The rows a report window shows at its first size.
inline constexpr int kReportRows = 25;
// Sizes the report window to show that many rows of its table, once it is built.
void SizeForRows(QWidget* window, QTableWidget* table, int rows);

// Fills a report table again (fill calls AddReportRow for each row), its chosen row, its
// order and its top row kept where they were: it is filled anew after every change.
void RefillReport(QTableWidget* table, const std::function<void()>& fill);
// A row of the report; index tells the row's record however the table is sorted.
void AddReportRow(QTableWidget* table, int index, const QStringList& cells, const QIcon& icon = {},
                  const QString& tip = {});
// The index the row was added with, or -1.
int ReportIndex(const QTableWidget* table, int row);

// Bytes as Latin-1 text, one character per byte.
QString Latin1(const std::string& bytes);
// UTF-8 text, NUL bytes included. What the core says goes through MessageText, which
// translates it.
QString FromUtf8(const std::string& text);

// Runs a step that follows a dialog once its signal has returned to the event loop. Inside
// the signal, a step that opens the next dialog runs a nested event loop, which may delete
// a dialog that deletes itself on close while its signal is still being sent.
void AfterDialog(QObject* context, std::function<void()> step);

// Gives a find box the button that clears it, named for screen readers.
void AddClearButton(QLineEdit* box);

// Makes Escape close the window, from whichever of its controls has the focus.
void CloseOnEscape(QWidget* window);

}  // namespace chanforge::ui
