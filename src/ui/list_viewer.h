// ViewerForm, the list viewer: the TCS and TPT binary files named in the main window.
#pragma once

#include <QWidget>
#include <string>

#include "common/frontend.h"

namespace chanforge::ui {

class ListViewer : public QWidget {
  Q_OBJECT

 public:
  // Reads both files once, when the window opens.
  ListViewer(common::Frontend& frontend, const std::string& tcs, const std::string& tpt,
             QWidget* parent);
};

}  // namespace chanforge::ui
