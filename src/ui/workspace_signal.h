// Turns the workspace's change announcements into one Qt signal that every window
// refreshes from.
#pragma once

#include <QObject>

#include "flash/flash_image.h"

namespace chanforge::ui {

class WorkspaceSignal : public QObject {
  Q_OBJECT

 public:
  WorkspaceSignal(flash::Workspace& workspace, QObject* parent);

 signals:
  void changed();
};

}  // namespace chanforge::ui
