#include "ui/recent_files.h"

#include <QDir>
#include <QMenu>

#include "ui/settings_store.h"

namespace chanforge::ui {

namespace {

QString ValueName(int i) { return "Recent" + QString::number(i + 1); }

}  // namespace

RecentFiles::RecentFiles(SettingsStore& settings, QMenu* menu,
                         std::function<void(const QString&)> open)
    : QObject(menu), settings_(settings), menu_(menu), open_(std::move(open)) {
  QStringList names;
  for (int i = 0; i < kMost; ++i) names.append(ValueName(i));
  QStringList stored;
  settings_.GetSettingStrings(kAppKey, names, stored);
  for (const QString& name : stored) {
    if (!name.isEmpty() && !files_.contains(name)) files_.append(name);
  }
  Rebuild();
}

void RecentFiles::Add(const QString& file) {
  const QString name = QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(file));
  files_.removeAll(name);
  files_.prepend(name);
  while (files_.size() > kMost) files_.removeLast();
  Store();
}

void RecentFiles::Remove(const QString& file) {
  files_.removeAll(file);
  Store();
}

void RecentFiles::Store() {
  QList<QPair<QString, QString>> values;
  for (int i = 0; i < kMost; ++i) values.append({ValueName(i), i < files_.size() ? files_[i] : ""});
  settings_.SaveSettingStrings(kAppKey, values);
  Rebuild();
}

void RecentFiles::Rebuild() {
  menu_->clear();
  for (int i = 0; i < files_.size(); ++i) {
    const QString name = files_[i];
    QAction* action =
        menu_->addAction(QString("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(name)));
    action->setObjectName(ValueName(i));
    connect(action, &QAction::triggered, this, [this, name] { open_(name); });
  }
  menu_->setEnabled(!files_.isEmpty());
}

}  // namespace chanforge::ui
