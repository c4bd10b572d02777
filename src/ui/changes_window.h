// ChangesForm: the changes from one image to another, one a line, for "Compare With…"
// and "Show Changes…".
#pragma once

#include <QWidget>
#include <vector>

#include "check/image_diff.h"

class QLabel;
class QListWidget;

namespace chanforge::ui {

class ChangesWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ChangesWindow(QWidget* parent);

  // Shows the changes that turn the image in old_name into the one in new_name.
  void ShowChanges(const QString& old_name, const QString& new_name,
                   const std::vector<check::Change>& changes);

 private:
  QLabel* compared_;
  QLabel* summary_;
  QListWidget* list_;
};

}  // namespace chanforge::ui
