#include "ui/application.h"

#include <QMessageBox>
#include <exception>

#include "ui/qt_frontend.h"
#include "ui/widgets.h"

namespace chanforge::ui {

QString FailureText(const QString& what) {
  return "The command failed: " + what +
         "\nThe image and its unsaved changes are kept as they were.";
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setStyle(new BuiltInPictureStyle(style()->name()));
  report_failure = [](const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), kAppTitle, text);
  };
}

bool Application::notify(QObject* receiver, QEvent* event) {
  // Every command reads before it changes anything, so a command that throws has left
  // the workspace as it was; the closing question still guards unsaved changes.
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    report_failure(FailureText(QString::fromLocal8Bit(e.what())));
  } catch (...) {
    report_failure(FailureText("an unknown error"));
  }
  return false;
}

}  // namespace chanforge::ui
