#include "ui/qt_frontend.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace chanforge::ui {

QString DisplayText(const std::string& text) {
  QString display = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  display.replace("\r\n", "\n");
  return display;
}

QString MessageText(const common::Message& message) {
  // Each wording in the window's language: its id is the context, its English the source
  // (a counted one's singular telling it apart), and the count picks the language's form.
  return DisplayText(common::Format(message, [](const common::Message& said) {
    const common::Wording& wording = *said.wording;
    const auto count = static_cast<int>(common::SaidCount(said));
    const QString words =
        QCoreApplication::translate(wording.id, wording.english, wording.one, count);
    // Untranslated, Qt gives the source back: English picks its own form.
    if (wording.one != nullptr && words == QString::fromUtf8(wording.english)) {
      return std::string(common::EnglishWords(said));
    }
    return words.toStdString();
  }));
}

namespace {

// The descriptions of the window's own filters, in the window's language where it has them.
[[maybe_unused]] constexpr const char* kFilterDescriptions[] = {
    QT_TRANSLATE_NOOP("chanforge::ui::FileFilter", "All Files"),
    QT_TRANSLATE_NOOP("chanforge::ui::FileFilter", "Bin Files"),
    QT_TRANSLATE_NOOP("chanforge::ui::FileFilter", "CSV Files"),
    QT_TRANSLATE_NOOP("chanforge::ui::FileFilter", "Images and channel CSV"),
    QT_TRANSLATE_NOOP("chanforge::ui::FileFilter", "PDF Files"),
};

}  // namespace

QChar AccessKeyOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1].toLower();
    ++i;  // "&&" is the sign itself
  }
  return {};
}

QString WithAccessKey(const QString& caption, QChar taken) {
  if (!AccessKeyOf(caption).isNull()) return caption;
  QString text = caption;
  text.replace('&', "&&");
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isLetterOrNumber() && text[i].toLower() != taken) return text.insert(i, '&');
  }
  return text;
}

QString QtFilterList(const std::string& filter) {
  const QStringList parts = QString::fromUtf8(filter.c_str()).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    // Qt separates the patterns of one filter by blanks, where the list gives ";".
    QString pattern = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
    if (pattern == "*.*") pattern = "*";
    const qsizetype paren = description.indexOf('(');
    if (paren > 0) description = description.left(paren).trimmed();
    description =
        QCoreApplication::translate("chanforge::ui::FileFilter", description.toUtf8().constData());
    filters << description + " (" + pattern + ")";
  }
  return filters.join(";;");
}

bool IsInvalidProposal(const QString& name) {
  if (name.contains(QChar(0))) return true;
  const QString folder = QFileInfo(name).path();
  return !folder.isEmpty() && folder != "." && !QDir(folder).exists();
}

QWidget* QtFrontend::BoxParent() {
  if (!progress_.isEmpty() && show_status_ && shown_status_ && shown_status_() == progress_) {
    show_status_({});
  }
  progress_.clear();
  QWidget* active = QApplication::activeWindow();
  return active ? active : parent_;
}

void QtFrontend::ShowMessage(common::MessageKind kind, const common::Message& message) {
  QMessageBox box(BoxParent());
  box.setWindowTitle(kAppTitle);
  box.setText(MessageText(message));
  box.setIcon(kind == common::MessageKind::kError    ? QMessageBox::Critical
              : kind == common::MessageKind::kReport ? QMessageBox::Information
                                                     : QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

bool QtFrontend::AskYesNo(const common::Message& question) {
  QMessageBox box(BoxParent());
  box.setWindowTitle(kAppTitle);
  box.setText(MessageText(question));
  box.setIcon(QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  // Every question's Yes drops, replaces or cuts something: Enter and Escape keep it.
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

bool QtFrontend::AskChoice(const common::Message& question, const common::Message& accept,
                           const common::Message& cancel) {
  QMessageBox box(BoxParent());
  box.setWindowTitle(kAppTitle);
  box.setText(MessageText(question));
  box.setIcon(QMessageBox::Question);
  const QString no_text = WithAccessKey(MessageText(cancel), {});
  QPushButton* no = box.addButton(no_text, QMessageBox::RejectRole);
  QPushButton* yes = box.addButton(WithAccessKey(MessageText(accept), AccessKeyOf(no_text)),
                                   QMessageBox::AcceptRole);
  box.setDefaultButton(no);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

common::SaveAnswer QtFrontend::AskSaveChanges(const common::Message& question) {
  QMessageBox box(BoxParent());
  box.setWindowTitle(kAppTitle);
  box.setText(MessageText(question));
  box.setIcon(QMessageBox::Warning);
  box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  // Qt's own captions of these have no access keys.
  box.button(QMessageBox::Save)
      ->setText(QCoreApplication::translate("chanforge::ui::Questions", "&Save"));
  box.button(QMessageBox::Discard)
      ->setText(QCoreApplication::translate("chanforge::ui::Questions", "&Discard"));
  box.button(QMessageBox::Cancel)
      ->setText(QCoreApplication::translate("chanforge::ui::Questions", "&Cancel"));
  box.setDefaultButton(QMessageBox::Cancel);
  box.setEscapeButton(QMessageBox::Cancel);
  const int answer = box.exec();
  return answer == QMessageBox::Save      ? common::SaveAnswer::kSave
         : answer == QMessageBox::Discard ? common::SaveAnswer::kDiscard
                                          : common::SaveAnswer::kCancel;
}

common::FileChoice QtFrontend::ChooseFile(const common::FileRequest& request) {
  const QString proposal = QString::fromUtf8(request.proposed_name.data(),
                                             static_cast<qsizetype>(request.proposed_name.size()));
  if (IsInvalidProposal(proposal)) return {common::FileChoiceStatus::kInvalidProposal, {}};
  QFileDialog dialog(BoxParent(), QString::fromUtf8(request.title.c_str()));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(request.kind == common::FileDialogKind::kOpen ? QFileDialog::AcceptOpen
                                                                     : QFileDialog::AcceptSave);
  dialog.setNameFilter(QtFilterList(request.filter));
  const QFileInfo info(proposal);
  if (!proposal.isEmpty() && info.path() != ".") dialog.setDirectory(info.absolutePath());
  dialog.selectFile(info.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {common::FileChoiceStatus::kCancelled, {}};
  }
  return {common::FileChoiceStatus::kChosen, dialog.selectedFiles().first().toStdString()};
}

void QtFrontend::ShowStatus(const common::Message& status) {
  progress_ = MessageText(status);
  if (show_status_) show_status_(progress_);
}

}  // namespace chanforge::ui
