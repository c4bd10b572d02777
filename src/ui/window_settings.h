// The main window's settings round trip: the stored values are applied when the window
// opens and written back when it closes.
#pragma once

#include <QString>

class QWidget;

namespace chanforge::ui {

class ConversionPanel;
class SettingsStore;

class WindowSettings {
 public:
  WindowSettings(SettingsStore& store, QWidget& window, ConversionPanel& channel_panel,
                 ConversionPanel& transponder_panel)
      : store_(store),
        window_(window),
        channel_panel_(channel_panel),
        transponder_panel_(transponder_panel) {}

  // Position (twips, applied as they stand), DecLink box and the four names.
  void Apply();
  // The same back, the position only when the window is not minimized, and BinFile.
  void Store(const QString& bin_file);

 private:
  SettingsStore& store_;
  QWidget& window_;
  ConversionPanel& channel_panel_;
  ConversionPanel& transponder_panel_;
};

}  // namespace chanforge::ui
