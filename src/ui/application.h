// The desktop program's application object: the last resort for an exception that
// reaches the event loop, which becomes a message instead of the end of the program.
#pragma once

#include <QApplication>
#include <QLocale>
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

// Speaks the locale's language where the window has a translation for it, Qt's own dialogs
// included; English, and a language the window lacks, stay English throughout rather than
// half translated. Returns whether a translation was installed.
bool InstallTranslations(const QLocale& locale);

}  // namespace chanforge::ui
