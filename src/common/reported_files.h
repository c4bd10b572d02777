// File checks, reads and writes that tell the user themselves what went wrong, with the
// program's own message texts.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/files.h"
#include "common/frontend.h"

namespace chanforge::common {

// Refuses a name that exists but is not a regular file (a folder, a device, a FIFO, a
// link that loops) with "File : NAME is not a regular file !". True when it may be
// written.
bool CheckWritableTarget(Frontend& frontend, Files& files, const std::string& name);

// True when the file does not exist yet or the user agrees to replace it; a target that
// is not a regular file is refused first.
bool ConfirmOverwrite(Frontend& frontend, Files& files, const std::string& name);

// The file's length, or -1 after "File : NAME is too large (N bytes) !" when it is
// over limit, or "File : NAME can not be read !" when it cannot be looked at.
std::int64_t SizeOrReport(Frontend& frontend, Files& files, const std::string& name,
                          std::int64_t limit);

// "File : NAME can not be read !", then on a line of its own the reason when there is one
// ("Permission denied", "it is a folder").
Message UnreadableText(const std::string& name, Message reason = {});
// Why an entry of this kind is no file to read: a folder, something else than a regular
// file; nothing for a regular or a missing one.
Message KindReason(EntryKind kind);
// "File : NAME can not be opened !": a name that names nothing to read.
Message CannotOpenText(const std::string& name);
// "Source and target are the same file : NAME"
Message SameFileText(const std::string& name);
// "File : NAME is too large (N bytes) !"
Message TooLargeText(const std::string& name, std::int64_t size);
// Reads the whole file, at most limit bytes; a longer one (also one that proves longer
// only while it is read) gets TooLargeText, an unreadable one "can not be read".
bool ReadWholeFileOrReport(Frontend& frontend, Files& files, const std::string& name,
                           std::int64_t limit, std::string& bytes);

// Reads at most count bytes from the file's start; an unreadable file (a folder, no
// permission) gets "File : NAME can not be read !" and false.
bool ReadFileOrReport(Frontend& frontend, Files& files, const std::string& name, std::int64_t count,
                      std::string& bytes);

// "Error Writing the file NAME !", CR LF and the system's reason.
Message WriteErrorText(const std::string& name, Message reason);

// Starts the safe replacement of the target, or reports why it cannot (null).
std::unique_ptr<OutputFile> OpenOrReport(Frontend& frontend, Files& files, const std::string& name);
// Writes or commits, or reports the failure for the target.
bool WriteOrReport(Frontend& frontend, OutputFile& writer, const std::string& name,
                   std::string_view bytes);
bool CommitOrReport(Frontend& frontend, OutputFile& writer, const std::string& name);

// Replaces the file safely in one go; a failure gets the write error and false.
bool WriteFileOrReport(Frontend& frontend, Files& files, const std::string& name,
                       std::string_view bytes);

}  // namespace chanforge::common
