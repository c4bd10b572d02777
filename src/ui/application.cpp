#include "ui/application.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <exception>

#include "ui/qt_frontend.h"
#include "ui/settings_store.h"
#include "ui/widgets.h"

namespace chanforge::ui {

QString FailureText(const QString& what) {
  return QCoreApplication::translate(
             "chanforge::ui::Application",
             "The command failed: %1\nThe image and its unsaved changes are kept as they were.")
      .arg(what);
}

bool InstallTranslations(const QLocale& locale) {
  auto* own = new QTranslator(QCoreApplication::instance());
  if (!own->load(locale, "chanforge", "_", ":/i18n")) {
    delete own;
    return false;
  }
  QCoreApplication::installTranslator(own);
  // Qt's dialogs and standard buttons (Yes, Cancel, the file dialog), where installed.
  auto* qt = new QTranslator(QCoreApplication::instance());
  if (qt->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  } else {
    delete qt;
  }
  return true;
}

QLocale WindowLocale(const SettingsStore& settings) {
  QString chosen;
  settings.GetSettingString(kAppKey, kLanguageSetting, chosen);
  for (const WindowLanguage& language : kWindowLanguages) {
    if (chosen == QLatin1String(language.code)) return QLocale(chosen);
  }
  return QLocale::system();
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
    report_failure(
        FailureText(QCoreApplication::translate("chanforge::ui::Application", "an unknown error")));
  }
  return false;
}

}  // namespace chanforge::ui
