// ShowForm, the block viewer: one block of the image as a hex dump or as its list.
#pragma once

#include <QWidget>

#include "common/frontend.h"
#include "flash/flash_image.h"

class QListView;
class QRadioButton;

namespace chanforge::ui {

class WorkspaceSignal;

class BlockViewer : public QWidget {
  Q_OBJECT

 public:
  // Keeps showing the block it was opened for, whatever is selected later, and shows
  // it anew whenever the image changes.
  BlockViewer(common::Frontend& frontend, const flash::Workspace& workspace,
              WorkspaceSignal& workspace_signal, int index, const QString& caption,
              QWidget* parent);

  void ShowHex();
  void ShowList();

 private:
  void ShowCurrent();

  common::Frontend& frontend_;
  const flash::Workspace& workspace_;
  int index_;
  QListView* list_;
  QRadioButton* option1_;
  QRadioButton* option2_;
};

}  // namespace chanforge::ui
