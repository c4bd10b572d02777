// The desktop program's application object: the last resort for an exception that
// reaches the event loop, which becomes a message instead of the end of the program.
#pragma once

#include <QApplication>
#include <QLocale>
#include <functional>

namespace chanforge::ui {

class SettingsStore;

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

// A language the window speaks: its code and its name in itself, as a menu offers it.
struct WindowLanguage {
  const char* code;
  const char* name;
};
inline constexpr WindowLanguage kWindowLanguages[] = {{"en", "English"},       {"de", "Deutsch"},
                                                      {"fr", "Fran\u00e7ais"}, {"it", "Italiano"},
                                                      {"nl", "Nederlands"},    {"pl", "Polski"}};
// The settings value that keeps the language chosen in Help > Language; empty for the
// system's.
inline constexpr char kLanguageSetting[] = "Language";

// The locale the window speaks: the language chosen in Help > Language, else (nothing chosen,
// or a value this version does not know) the system's.
QLocale WindowLocale(const SettingsStore& settings);

}  // namespace chanforge::ui
