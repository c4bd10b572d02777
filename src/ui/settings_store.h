// The program's settings: named string values under one key of the platform's
// machine-wide store, read when the main window opens and written when it closes.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <memory>

class QSettings;

namespace chanforge::ui {

inline constexpr int kErrorBadKey = 1010;     // an empty key path
inline constexpr int kErrorAccessDenied = 5;  // the store cannot be opened or written

inline constexpr char kAppKey[] = "Software\\Kestrelware\\Chanforge";

class SettingsStore {
 public:
  // The platform's store: the registry's machine-wide area on Windows; elsewhere an
  // INI file at machine scope when writable, else at user scope reading through to it.
  SettingsStore();
  // A store kept in one INI file, for tests.
  explicit SettingsStore(const QString& ini_file);
  virtual ~SettingsStore();

  // Status 0 on success (an absent or empty value gives an empty text), 1010 for an
  // empty key path, another code when the store cannot be read. The text is empty
  // whenever the status is not 0.
  int GetSettingString(const QString& key_path, const QString& value_name, QString& text) const;
  // Several values of one key in one reading of the store; texts in the names' order.
  int GetSettingStrings(const QString& key_path, const QStringList& value_names,
                        QStringList& texts) const;
  int SaveSettingString(const QString& key_path, const QString& value_name, const QString& text);
  // Several values of one key in one write of the store: each write is flushed to disk.
  int SaveSettingStrings(const QString& key_path, const QList<QPair<QString, QString>>& values);
  // Where the program's values are kept (a file, or the registry key), for a problem report;
  // empty when the store cannot be opened.
  QString Location() const;

 private:
  std::unique_ptr<QSettings> Open(const QString& key_path) const;

  QString ini_file_;
};

}  // namespace chanforge::ui
