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

#ifdef Q_OS_WIN
constexpr char kMachineRoot[] = "HKEY_LOCAL_MACHINE";
constexpr char kUserRoot[] = "HKEY_CURRENT_USER";

std::unique_ptr<QSettings> RegistryKey(const char* root, const QString& key_path) {
  return std::make_unique<QSettings>(QLatin1String(root) + QLatin1Char('\\') + key_path,
                                     QSettings::NativeFormat);
}
#endif

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
    // The machine-wide key is the store. A user without administrator rights may not
    // write it and keeps values of their own under the same key of the user's registry;
    // GetSettingString reads the machine-wide ones through.
    settings = RegistryKey(kMachineRoot, key_path);
    if (!settings->isWritable()) settings = RegistryKey(kUserRoot, key_path);
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

QString SettingsStore::Location() const {
  const std::unique_ptr<QSettings> settings = Open(kAppKey);
  return settings ? settings->fileName() : QString();
}

int SettingsStore::GetSettingString(const QString& key_path, const QString& value_name,
                                    QString& text) const {
  QStringList texts;
  const int status = GetSettingStrings(key_path, {value_name}, texts);
  text = texts.value(0);
  return status;
}

int SettingsStore::GetSettingStrings(const QString& key_path, const QStringList& value_names,
                                     QStringList& texts) const {
  texts = QStringList(value_names.size());
  if (key_path.isEmpty()) return kErrorBadKey;
#ifdef Q_OS_WIN
  if (ini_file_.isEmpty()) {
    // Reading never opens a key for writing (that would create it): the user's own value
    // when there is one, else the machine-wide value.
    const std::unique_ptr<QSettings> user = RegistryKey(kUserRoot, key_path);
    const std::unique_ptr<QSettings> machine = RegistryKey(kMachineRoot, key_path);
    if (user->status() != QSettings::NoError || machine->status() != QSettings::NoError) {
      return kErrorAccessDenied;
    }
    for (qsizetype i = 0; i < value_names.size(); ++i) {
      const QString& name = value_names[i];
      texts[i] = (user->contains(name) ? user : machine)->value(name).toString();
    }
    return 0;
  }
#endif
  // Opening the store costs more than reading it (whether it may be written is tried with
  // a temporary file), so several values are read through one opening.
  const std::unique_ptr<QSettings> settings = Open(key_path);
  if (!settings || settings->status() != QSettings::NoError) return kErrorAccessDenied;
  for (qsizetype i = 0; i < value_names.size(); ++i) {
    texts[i] = settings->value(value_names[i]).toString();
  }
  return 0;
}

int SettingsStore::SaveSettingString(const QString& key_path, const QString& value_name,
                                     const QString& text) {
  return SaveSettingStrings(key_path, {{value_name, text}});
}

int SettingsStore::SaveSettingStrings(const QString& key_path,
                                      const QList<QPair<QString, QString>>& values) {
  if (key_path.isEmpty()) return kErrorBadKey;
  const std::unique_ptr<QSettings> settings = Open(key_path);
  if (!settings || !settings->isWritable()) return kErrorAccessDenied;
  for (const auto& [name, text] : values) settings->setValue(name, text);
  settings->sync();
  if (settings->status() != QSettings::NoError) return kErrorAccessDenied;
#ifdef Q_OS_WIN
  // Written machine-wide: a value of the user's own from a session without administrator
  // rights would otherwise hide it from now on.
  if (ini_file_.isEmpty() && settings->fileName().startsWith(QLatin1String(kMachineRoot))) {
    const std::unique_ptr<QSettings> user = RegistryKey(kUserRoot, key_path);
    for (const auto& value : values) {
      if (user->contains(value.first)) user->remove(value.first);
    }
  }
#endif
  return 0;
}

}  // namespace chanforge::ui
