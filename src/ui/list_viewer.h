// ViewerForm, the list viewer: the TCS and TPT lists of the loaded image, or the binary
// files named in the main window.
#pragma once

#include <QWidget>
#include <string>

#include "common/list_files.h"

namespace chanforge::ui {

class ListViewer : public QWidget {
  Q_OBJECT

 public:
  // One list to show: its frame's title and its bytes (or why they could not be read).
  struct Source {
    std::string title;
    common::Result<common::FileStart> list;
  };
  ListViewer(const Source& tcs, const Source& tpt, QWidget* parent);
};

}  // namespace chanforge::ui
