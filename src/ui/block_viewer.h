// ShowForm, the block viewer: one block of the image as a hex dump or as its list.
#pragma once

#include <QWidget>

#include "common/frontend.h"
#include "flash/flash_image.h"

class QGroupBox;
class QListView;
class QRadioButton;

namespace chanforge::ui {

class BlockViewer : public QWidget {
  Q_OBJECT

 public:
  // Keeps showing the block it was opened for, whatever is selected later.
  BlockViewer(common::Frontend& frontend, const flash::Workspace& workspace, int index,
              const QString& caption, QWidget* parent);

  void ShowHex();
  void ShowList();

 private:
  common::Frontend& frontend_;
  const flash::Workspace& workspace_;
  int index_;
  QListView* list_;
  QRadioButton* option2_;
};

// The character column as the window shows it: Latin-1 where printable, else ".".
QString DisplayDumpLine(const std::string& line);

}  // namespace chanforge::ui
