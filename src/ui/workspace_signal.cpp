#include "ui/workspace_signal.h"

#include <QPointer>

namespace chanforge::ui {

WorkspaceSignal::WorkspaceSignal(flash::Workspace& workspace, QObject* parent) : QObject(parent) {
  workspace.Subscribe([self = QPointer<WorkspaceSignal>(this)] {
    if (self) emit self->changed();
  });
}

}  // namespace chanforge::ui
