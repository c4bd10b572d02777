// ChangesForm: the changes from one image to another, a row each (where, field, before,
// after), for "Compare With…" and "Show Changes…". The main window shows them again after every
// change.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "check/image_diff.h"

class QLabel;
class QTableWidget;

namespace chanforge::ui {

class ChangesWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ChangesWindow(QWidget* parent);

  // Shows the changes that turn the image in old_name into the one in new_name.
  void ShowChanges(const QString& old_name, const QString& new_name,
                   std::vector<check::Change> changes);
  // Called with the change double-clicked or chosen with Enter.
  std::function<void(const check::Change&)> open_change;

 private:
  std::vector<check::Change> changes_;
  QLabel* compared_;
  QLabel* summary_;
  QTableWidget* table_;
};

}  // namespace chanforge::ui
