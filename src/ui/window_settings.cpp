#include "ui/window_settings.h"

#include <QWidget>
#include <cmath>

#include "ui/conversion_panel.h"
#include "ui/settings_store.h"
#include "ui/widgets.h"

namespace chanforge::ui {

void WindowSettings::Apply() {
  const Twips tw(&window_);
  QStringList texts;
  bool ok = false;
  store_.GetSettingStrings(kAppKey, {"MainLeft", "MainTop"}, texts);
  const double left = texts[0].toDouble(&ok);
  if (ok) window_.move(static_cast<int>(std::lround(left / 15.0 * tw.scale())), window_.y());
  const double top = texts[1].toDouble(&ok);
  if (ok) window_.move(window_.x(), static_cast<int>(std::lround(top / 15.0 * tw.scale())));
  channel_panel_.ApplySettings(store_);
  transponder_panel_.ApplySettings(store_);
}

void WindowSettings::Store(const QString& bin_file) {
  const Twips tw(&window_);
  if (!window_.isMinimized()) {
    const auto twips = [&](int pixels) {
      return QString::number(static_cast<float>(pixels * 15.0 / tw.scale()), 'g', 7);
    };
    store_.SaveSettingString(kAppKey, "MainLeft", twips(window_.x()));
    store_.SaveSettingString(kAppKey, "MainTop", twips(window_.y()));
  }
  transponder_panel_.StoreSettings(store_);
  channel_panel_.StoreSettings(store_);
  store_.SaveSettingString(kAppKey, "BinFile", bin_file);
}

}  // namespace chanforge::ui
