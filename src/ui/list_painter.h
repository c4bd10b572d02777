// Puts the printable channel list on pages: a printer, the print preview or a PDF.
#pragma once

#include <QByteArray>
#include <QMarginsF>

#include "views/print_rows.h"

class QPagedPaintDevice;

namespace chanforge::ui {

// The smallest text size a printed list uses: still readable on paper.
inline constexpr double kPrintPointSize = 8.0;
// The page's margins in millimetres, as a PDF or the preview starts with them.
inline const QMarginsF kPrintMarginsMm{10, 12, 10, 12};

// Paints the list page after page, each with its header and "page N of M"; two lists of
// channels side by side when they fit, else one. The number of pages, or 0 when the device
// cannot be painted on.
int PaintList(QPagedPaintDevice& device, const views::PrintedList& list, int page_columns);

// The list as a PDF on the paper chosen.
QByteArray ListPdf(const views::PrintedList& list, const views::PrintChoices& choices);

}  // namespace chanforge::ui
