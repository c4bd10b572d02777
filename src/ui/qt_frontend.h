// The front end of the desktop program: Qt message boxes, Qt's own file dialog and the
// main window's status line.
#pragma once

#include <QString>
#include <functional>

#include "common/frontend.h"

class QWidget;

namespace chanforge::ui {

inline constexpr char kAppTitle[] = "Chanforge";

class QtFrontend : public common::Frontend {
 public:
  // shown_status: what the status line shows now, so that a box can tell whether the
  // line still reads as this front end's last word about work in progress.
  QtFrontend(QWidget* parent, std::function<void(const QString&)> show_status,
             std::function<QString()> shown_status = {})
      : parent_(parent),
        show_status_(std::move(show_status)),
        shown_status_(std::move(shown_status)) {}

  // The window titles fields as its columns do.
  common::FieldNaming field_naming() const override { return common::FieldNaming::kTitles; }
  void ShowMessage(common::MessageKind kind, const common::Message& message) override;
  bool AskYesNo(const common::Message& question) override;
  // Cancel is the default: Enter and Escape keep everything.
  bool AskChoice(const common::Message& question, const common::Message& accept,
                 const common::Message& cancel) override;
  // Save, Discard and Cancel; Cancel is the default.
  common::SaveAnswer AskSaveChanges(const common::Message& question) override;
  common::FileChoice ChooseFile(const common::FileRequest& request) override;
  void ShowStatus(const common::Message& status) override;
  // The window's own texts, translated already.
  void ShowMessage(common::MessageKind kind, const QString& text) {
    ShowMessage(kind, common::Value(text.toStdString()));
  }
  bool AskYesNo(const QString& question) { return AskYesNo(common::Value(question.toStdString())); }
  void ShowStatus(const QString& status) { ShowStatus(common::Value(status.toStdString())); }

 private:
  // The window the question comes from: the active one of the program, else the main one.
  // A status of work in progress ("Loading...") does not stay behind the box.
  QWidget* BoxParent();

  QWidget* parent_;
  std::function<void(const QString&)> show_status_;
  std::function<QString()> shown_status_;
  QString progress_;  // the last status of work in progress shown
};

// The letter after a caption's "&" (lower case), or none.
QChar AccessKeyOf(const QString& caption);
// The caption with an access key: its own, else its first letter or digit other than taken.
QString WithAccessKey(const QString& caption, QChar taken);

// "Desc (*.bin)|*.bin|All Files (*.*)|*.*" as Qt's filter list; "*.*" matches every file.
QString QtFilterList(const std::string& filter);

// A proposal the dialog cannot show: it holds a NUL, or names a folder that does not exist.
bool IsInvalidProposal(const QString& name);

// Message texts: CR LF becomes a line break.
QString DisplayText(const std::string& text);
// A message of the core in the window's words.
QString MessageText(const common::Message& message);

}  // namespace chanforge::ui
