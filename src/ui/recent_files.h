// The File menu's list of recently loaded images, kept with the settings.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMenu;

namespace chanforge::ui {

class SettingsStore;

class RecentFiles : public QObject {
 public:
  static constexpr int kMost = 8;

  // Fills menu from the stored names; choosing one calls open with its name.
  RecentFiles(SettingsStore& settings, QMenu* menu, std::function<void(const QString&)> open);

  // Puts a loaded or saved file first and stores the list at once, so that a crash keeps it.
  void Add(const QString& file);
  void Remove(const QString& file);
  const QStringList& files() const { return files_; }

 private:
  void Store();
  void Rebuild();

  SettingsStore& settings_;
  QMenu* menu_;
  std::function<void(const QString&)> open_;
  QStringList files_;
};

}  // namespace chanforge::ui
