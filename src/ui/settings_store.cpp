#include "ui/settings_store.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>

namespace chanforge::ui {

namespace {

// A FIFO, a device or a folder where the settings file belongs would hang or fail the
// reading; such a store is not read at all and gives the error status.
bool UsableFile(const QString& path) {
  const QFileInfo info(path);
  return !info.exists() || info.isFile();
}

}  // namespace

SettingsStore::SettingsStore() = default;
SettingsStore::SettingsStore(const QString& ini_file) : ini_file_(ini_file) {}
SettingsStore::~SettingsStore() = default;

std::unique_ptr<QSettings> SettingsStore::Open(const QString& key_path) const {
  std::unique_ptr<QSettings> settings;
  QString group = key_path;
  group.replace('\\', '/');
  if (!ini_file_.isEmpty()) {
    if (!UsableFile(ini_file_)) return nullptr;
    settings = std::make_unique<QSettings>(ini_file_, QSettings::IniFormat);
  } else {
#ifdef Q_OS_WIN
    settings =
        std::make_unique<QSettings>("HKEY_LOCAL_MACHINE\\" + key_path, QSettings::NativeFormat);
    group.clear();
#else
    const QString leaf = "/Kestrelware/Chanforge.ini";
    if (!UsableFile(QLibraryInfo::path(QLibraryInfo::SettingsPath) + leaf) ||
        !UsableFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    leaf)) {
      return nullptr;
    }
    settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::SystemScope,
                                           "Kestrelware", "Chanforge");
    // A user who may not write the machine-wide file keeps settings of their own,
    // and reads through the user scope fall back to the machine-wide values.
    if (!settings->isWritable()) {
      settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             "Kestrelware", "Chanforge");
    }
#endif
  }
  if (!group.isEmpty()) settings->beginGroup(group);
  return settings;
}

int SettingsStore::GetSettingString(const QString& key_path, const QString& value_name,
                                    QString& text) const {
  text.clear();
  if (key_path.isEmpty()) return kErrorBadKey;
  const std::unique_ptr<QSettings> settings = Open(key_path);
  if (!settings || settings->status() != QSettings::NoError) return kErrorAccessDenied;
  text = settings->value(value_name).toString();
  return 0;
}

int SettingsStore::SaveSettingString(const QString& key_path, const QString& value_name,
                                     const QString& text) {
  if (key_path.isEmpty()) return kErrorBadKey;
  const std::unique_ptr<QSettings> settings = Open(key_path);
  if (!settings || !settings->isWritable()) return kErrorAccessDenied;
  settings->setValue(value_name, text);
  settings->sync();
  return settings->status() == QSettings::NoError ? 0 : kErrorAccessDenied;
}

}  // namespace chanforge::ui
