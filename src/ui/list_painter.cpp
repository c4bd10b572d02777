#include "ui/list_painter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <vector>

#include "ui/qt_frontend.h"
#include "ui/widgets.h"

namespace chanforge::ui {

namespace {

// A line of a list of channels on a page: a group's title, or a channel's row.
struct Line {
  const views::PrintedGroup* group;
  int row;  // -1 for the title
};
using Slot = std::vector<Line>;  // one list of channels on a page
using Page = std::vector<Slot>;

constexpr char kDot[] = " \u00b7 ";

// Sizes in the device's pixels.
struct Layout {
  QFont font, bold;
  qreal row = 0;     // a channel's row
  qreal title = 0;   // a group's title, with room above it
  qreal header = 0;  // the page header and the column headings
  qreal gap = 0;     // between the columns of a table
  qreal gutter = 0;  // between two lists side by side
  std::vector<qreal> widths;
  qreal table = 0;
  int page_columns = 1;
};

QFont ListFont(double points, QFont::Weight weight) {
  QFont font;
  font.setFamilies({"DejaVu Sans", "Arial", "Helvetica"});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setWeight(weight);
  return font;
}

// Every cell measured: no name is ever cut. Two lists side by side when they fit, and a
// smaller text than the readable one only when not even one fits the page (a name of
// control bytes in every column).
Layout Measure(QPaintDevice& device, const views::PrintedList& list, int page_columns) {
  Layout layout;
  for (double points = kPrintPointSize;; points *= 0.95) {
    layout.font = ListFont(points, QFont::Normal);
    layout.bold = ListFont(points, QFont::Bold);
    const QFontMetricsF plain(layout.font, &device), bold(layout.bold, &device);
    layout.row = plain.height() * 1.12;
    layout.title = layout.row * 1.6;
    layout.header = layout.row * 3.4;
    layout.gap = plain.averageCharWidth() * 2;
    layout.gutter = layout.gap * 3;
    layout.widths.assign(list.headings.size(), 0);
    for (std::size_t c = 0; c < list.headings.size(); ++c) {
      layout.widths[c] = bold.horizontalAdvance(MessageText(list.headings[c]));
    }
    for (const views::PrintedGroup& group : list.groups) {
      for (const std::vector<common::Message>& cells : group.rows) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
          layout.widths[c] =
              std::max(layout.widths[c], plain.horizontalAdvance(MessageText(cells[c])));
        }
      }
    }
    layout.table = layout.gap * qreal(std::max<std::size_t>(layout.widths.size(), 1) - 1);
    for (const qreal width : layout.widths) layout.table += width;
    const qreal page = device.width();
    layout.page_columns = page_columns == 2 && 2 * layout.table + layout.gutter <= page ? 2 : 1;
    if (layout.table <= page || points < 1) return layout;
  }
}

std::vector<Page> Paginate(const views::PrintedList& list, const Layout& layout, qreal room) {
  std::vector<Page> pages(1, Page(1));
  qreal y = 0;
  const auto place = [&](Line line, qreal height, qreal keep) {
    if (y > 0 && y + keep > room) {  // the next list on this page, or a new page
      if (int(pages.back().size()) == layout.page_columns) pages.emplace_back();
      pages.back().emplace_back();
      y = 0;
    }
    pages.back().back().push_back(line);
    y += height;
  };
  for (const views::PrintedGroup& group : list.groups) {
    if (group.new_page && (pages.back().size() > 1 || y > 0)) {
      pages.emplace_back(1);
      y = 0;
    }
    // A title stays with the group's first row.
    if (!group.title.empty()) place({&group, -1}, layout.title, layout.title + layout.row);
    for (int row = 0; row < int(group.rows.size()); ++row) {
      place({&group, row}, layout.row, layout.row);
    }
  }
  return pages;
}

template <typename Cell>
void PaintCells(QPainter& painter, const Layout& layout, const views::PrintedList& list,
                const std::vector<Cell>& cells, qreal x, qreal y) {
  for (std::size_t c = 0; c < cells.size(); ++c) {
    const QRectF cell(x, y, layout.widths[c], layout.row);
    painter.drawText(cell, Qt::AlignVCenter | (list.numbers[c] ? Qt::AlignRight : Qt::AlignLeft),
                     MessageText(cells[c]));
    x += layout.widths[c] + layout.gap;
  }
}

}  // namespace

int PaintList(QPagedPaintDevice& device, const views::PrintedList& list, int page_columns) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const Layout layout = Measure(device, list, page_columns);
  const qreal width = device.width();
  const qreal slot = (width - layout.gutter * (layout.page_columns - 1)) / layout.page_columns;
  const std::vector<Page> pages = Paginate(list, layout, device.height() - layout.header);
  const QString header =
      FromUtf8(list.file_name + kDot + list.date + kDot) + MessageText(list.count);
  const qreal line = layout.row / 12;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) device.newPage();
    painter.setPen(QPen(Qt::black, line));
    painter.setFont(layout.bold);
    const QRectF top(0, 0, width, layout.row * 1.4);
    const QString page = MessageText(views::PageText(int(p) + 1, int(pages.size())));
    // A file name too long for the line gives way in its middle, never the page number.
    const QFontMetricsF bold(layout.bold, &device);
    painter.drawText(top, Qt::AlignLeft | Qt::AlignTop,
                     bold.elidedText(header, Qt::ElideMiddle,
                                     width - bold.horizontalAdvance(page) - layout.gutter));
    painter.drawText(top, Qt::AlignRight | Qt::AlignTop, page);
    painter.drawLine(QPointF(0, top.bottom()), QPointF(width, top.bottom()));
    for (std::size_t s = 0; s < pages[p].size(); ++s) {
      const qreal x = qreal(s) * (slot + layout.gutter);
      qreal y = layout.header - layout.row * 1.2;
      painter.setFont(layout.bold);
      PaintCells(painter, layout, list, list.headings, x, y);
      painter.drawLine(QPointF(x, y + layout.row), QPointF(x + layout.table, y + layout.row));
      y = layout.header;
      for (const Line& entry : pages[p][s]) {
        if (entry.row < 0) {
          painter.setFont(layout.bold);
          const QRectF title(x, y, slot, layout.title);
          painter.drawText(title, Qt::AlignLeft | Qt::AlignBottom, MessageText(entry.group->title));
          y += layout.title;
          continue;
        }
        // Every other row shaded, so that an eye keeps to its line across the page.
        if (entry.row % 2 == 1)
          painter.fillRect(QRectF(x, y, layout.table, layout.row), QColor(235, 235, 235));
        painter.setFont(layout.font);
        PaintCells(painter, layout, list, entry.group->rows[std::size_t(entry.row)], x, y);
        y += layout.row;
      }
    }
  }
  return int(pages.size());
}

QByteArray ListPdf(const views::PrintedList& list, const views::PrintChoices& choices) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(
        QPageSize(choices.paper == views::Paper::kLetter ? QPageSize::Letter : QPageSize::A4),
        QPageLayout::Portrait, kPrintMarginsMm, QPageLayout::Millimeter));
    writer.setResolution(600);
    writer.setTitle(FromUtf8(list.file_name + kDot) + MessageText(list.count));
    writer.setCreator("Chanforge");
    PaintList(writer, list, choices.page_columns);
  }
  return buffer.data();
}

}  // namespace chanforge::ui
