// The filters of the window's file choosers, each kind of file the window reads or writes.
#pragma once

#include "common/frontend.h"
#include "flash/flash_file.h"

namespace chanforge::ui {

inline constexpr char kCsvFilter[] = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*";
inline constexpr char kReferenceFilter[] =
    "Images and channel CSV (*.bin *.csv)|*.bin;*.csv|All Files (*.*)|*.*";
inline constexpr char kPdfFilter[] = "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*";

// Every filter a file chooser of the window shows: images (Load, Save As, Compare With),
// block and list files, CSV, Apply Order's references and PDF.
inline constexpr const char* kWindowFilters[] = {flash::kFlashFilter, common::kAllFilesFilter,
                                                 kCsvFilter, kReferenceFilter, kPdfFilter};

}  // namespace chanforge::ui
