// The desktop program's application object: the last resort for an exception that
// reaches the event loop, which becomes a message instead of the end of the program.
#pragma once

#include <QApplication>
#include <functional>

namespace chanforge::ui {

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // Shows what failed; a critical message box unless replaced (tests).
  std::function<void(const QString& text)> report_failure;
};

// "The command failed: WHAT" and that the image is kept: the text of the last resort.
QString FailureText(const QString& what);

}  // namespace chanforge::ui
