// frmAbout: which program and version this is, why it exists, and what care it needs.
#pragma once

#include <QDialog>
#include <QString>

#include "common/frontend.h"

namespace chanforge::ui {

class SettingsStore;

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  AboutBox(common::Frontend& frontend, SettingsStore* settings, QWidget* parent);

  // Starts the platform's system-information program, or says it is unavailable.
  void StartSysInfo();
  // What a report of a problem needs: the version, Qt's, the system, the language, where the
  // settings and the scan tables are; one per line.
  QString Details() const;

 private:
  common::Frontend& frontend_;
  SettingsStore* settings_;
};

QString VersionLine();
// "Compiled : 6-dec-2026" from the compiler's build date.
QString CompiledComment(const char* build_date);
QString DescriptionText();

}  // namespace chanforge::ui
