// The choices of a printed channel list (columns and their order, grouping, lists side by
// side, and for a PDF the paper), read from the settings and kept there on OK; and File >
// Print… and File > Export PDF…, which ask for them.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <functional>

#include "common/frontend.h"
#include "editing/session.h"
#include "ui/settings_store.h"
#include "views/print_rows.h"

class QComboBox;
class QListWidget;
class QMenu;
class QVBoxLayout;

namespace chanforge::ui {

class MainWindow;

class PrintDialog : public QDialog {
  Q_OBJECT

 public:
  // A printout takes its paper from the printer; a PDF's is chosen here.
  enum class Target { kPrinter, kPdf };
  PrintDialog(Target target, SettingsStore& settings, QWidget* parent);

  views::PrintChoices Choices() const;
  // Keeps the choices in the settings.
  void accept() override;

 private:
  QVBoxLayout* BuildColumns(const views::PrintChoices& saved);
  SettingsStore& settings_;
  QListWidget* columns_;
  QComboBox* group_;
  QComboBox* page_columns_;
  QComboBox* paper_;
};

// The choices the settings keep; the defaults for any that are missing or unreadable.
views::PrintChoices SavedPrintChoices(const SettingsStore& settings);

// Adds Print… (Ctrl+P: the choices, then Qt's print preview) and Export PDF… to the menu,
// for the channel list of the session's image; the header's date comes from now.
void AddPrintActions(QMenu* menu, MainWindow* window, common::Frontend& frontend,
                     editing::Session& session, SettingsStore& settings,
                     std::function<QDateTime()> now);

}  // namespace chanforge::ui
