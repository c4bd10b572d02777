// The one door through which core routines talk to the user: messages, questions,
// file choosing and the status line. The GUI, the CLI and the tests each implement it.
#pragma once

#include <string>

#include "common/message.h"

namespace chanforge::common {

// The message box kinds the program shows; a question (AskYesNo) is not among them.
enum class MessageKind {
  kError,   // OK button, critical icon: refusals and failures
  kReport,  // OK button, information icon: results worth reporting
  kNotice,  // OK button, no icon
};

enum class FileDialogKind { kOpen, kSave };

// A file chooser's filter: "Description (*.a *.b)|*.a;*.b|All Files (*.*)|*.*", pairs of a
// description and its patterns. This one shows every file.
inline constexpr char kAllFilesFilter[] = "All Files (*.*)|*.*";

// The answers to a question about unsaved changes.
enum class SaveAnswer { kSave, kDiscard, kCancel };

struct FileRequest {
  FileDialogKind kind = FileDialogKind::kOpen;
  std::string title;          // empty: the toolkit's own title
  std::string proposed_name;  // shown first in the dialog
  std::string filter;         // "Description|pattern|Description|pattern..."
};

enum class FileChoiceStatus { kChosen, kCancelled, kInvalidProposal };

struct FileChoice {
  FileChoiceStatus status = FileChoiceStatus::kCancelled;
  std::string name;  // set when kChosen
};

// How a message names a record's field: by the command line's id ("tp"), which scripts
// read, or by its column's title ("TP", in the reader's language), as a window shows it.
enum class FieldNaming { kIds, kTitles };

// What the core says comes as messages (common/message.h): each front end words them in its
// own language.
class Frontend {
 public:
  virtual ~Frontend() = default;
  virtual FieldNaming field_naming() const { return FieldNaming::kIds; }
  virtual void ShowMessage(MessageKind kind, const Message& message) = 0;
  // A Yes/No question without icon; true means Yes.
  virtual bool AskYesNo(const Message& question) = 0;
  // A question whose two answers are named: accept does what the question asks, cancel
  // does nothing. True means accept; a front end without named buttons asks Yes/No.
  virtual bool AskChoice(const Message& question, const Message& /*accept*/,
                         const Message& /*cancel*/) {
    return AskYesNo(question);
  }
  // A question about unsaved changes: save them first, drop them, or stop. A front end
  // without such buttons asks Yes/No about saving; its No stops, so it never drops them.
  virtual SaveAnswer AskSaveChanges(const Message& question) {
    return AskYesNo(question) ? SaveAnswer::kSave : SaveAnswer::kCancel;
  }
  virtual FileChoice ChooseFile(const FileRequest& request) = 0;
  // An empty message returns the status line to its idle state.
  virtual void ShowStatus(const Message& status) = 0;
};

// What a routine did; the GUI ignores it, the CLI maps it to an exit status.
enum class Outcome { kDone, kCancelled, kRefused, kFailed };

// How a routine that writes or reads a file for the user ended, and, when it did what was
// asked, what the status line says of it ("Exported 12 channels to f.csv").
struct Finished {
  Finished(Outcome ended) : outcome(ended) {}  // NOLINT(google-explicit-constructor)
  Finished(Outcome ended, Message said) : outcome(ended), done(std::move(said)) {}
  bool operator==(Outcome other) const { return outcome == other; }

  Outcome outcome;
  Message done;
};

// Shows the chooser, and when the proposal is not a valid file name shows it again
// with the fallback. Returns an empty name on cancel or on an empty choice.
std::string ChooseFileWithFallback(Frontend& frontend, FileRequest request,
                                   const std::string& fallback);

inline const char kCrLf[] = "\r\n";

// The status line while work goes on: "Loading NAME...", "Writing NAME...", "Converting
// TCS...".
inline constexpr auto kLoadingStatus = Wording("status.loading", "Loading {1}...");
inline constexpr auto kWritingStatus = Wording("status.writing", "Writing {1}...");
inline constexpr auto kConvertingStatus = Wording("status.converting", "Converting {1}...");

}  // namespace chanforge::common
