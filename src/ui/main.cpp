// chanforge: the desktop program.
#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/file_access.h"
#include "ui/application.h"
#include "ui/font_configuration.h"
#include "ui/main_window.h"
#include "ui/settings_store.h"

int main(int argc, char** argv) {
#ifdef SIGXFSZ
  // A file size limit must fail the write with a message, not end the program.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  // A session ended under the window (a logout, a kill) leaves no temporary file beside an
  // image being saved.
  chanforge::common::RemoveTemporaryFileOnSignals();
  // Answered before any display is needed, so scripts and package checks can ask on a server.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("chanforge %s\n", CHANFORGE_VERSION);
      return 0;
    }
  }
#if defined(Q_OS_LINUX)
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
      !std::getenv("QT_QPA_PLATFORM")) {
    std::fprintf(stderr,
                 "chanforge: no display found. Run it on a desktop, or without one as\n"
                 "  xvfb-run -a %s\n",
                 argv[0]);
    return 1;
  }
#endif
  chanforge::ui::FontConfigurationReader fonts;
  chanforge::ui::Application app(argc, argv);
  QApplication::setApplicationName("Chanforge");
  QApplication::setOrganizationName("Kestrelware");
  // The window speaks the language chosen in its Help menu, else the system's (LANG); dates
  // and numbers keep the system's formats whatever the language, and the command line stays
  // English.
  chanforge::ui::InstallTranslations(chanforge::ui::WindowLocale(chanforge::ui::SettingsStore()));
  fonts.Wait();
  chanforge::ui::MainWindow window;
  window.show();
  window.OpenArguments(QApplication::arguments());
  return QApplication::exec();
}
