// An in-memory disk: files, folders, files too large to make (a stated length, no bytes). It
// records what was opened, read and replaced, so a test can prove that a refusal read nothing.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "common/files.h"

namespace chanforge::testing {

class FakeFiles : public common::Files {
 public:
  // A file of these bytes; a larger size is the length it says it has, read as zeros.
  FakeFiles& File(const std::string& name, std::string bytes, std::int64_t size = 0);
  FakeFiles& Folder(const std::string& name);
  // A file whose opening fails with the system's reason ("Permission denied").
  FakeFiles& Unreadable(const std::string& name, std::string reason);

  std::vector<std::string> opened;  // names opened for reading, in order
  std::int64_t bytes_read = 0;
  std::vector<std::string> replaced;  // names whose replacement was committed
  std::int64_t room = -1;             // bytes a replacement may hold before the disk is full

  common::EntryKind KindOf(const std::string& name) override;
  common::FileStamp StampOf(const std::string& name) override;
  bool SameFile(const std::string& first, const std::string& second) override {
    return first == second && KindOf(first) != common::EntryKind::kMissing;
  }
  common::Result<std::vector<std::string>> FilesInFolder(const std::string&) override {
    return common::Value("no test lists a folder here");
  }
  common::Result<std::unique_ptr<common::InputFile>> OpenInput(const std::string& name,
                                                               std::int64_t ceiling) override;
  std::shared_ptr<const common::MappedFile> Map(const std::string&, std::int64_t) override {
    return nullptr;  // a load reads instead, as on a system that does not map
  }
  common::Result<std::unique_ptr<common::OutputFile>> Replace(const std::string& name) override;
  common::Result<std::unique_ptr<common::HeldLock>> Lock(const std::string&) override {
    return std::make_unique<common::HeldLock>();
  }

 private:
  struct Entry {
    std::string bytes;
    std::int64_t size = 0;
    bool folder = false;
    std::string refusal;  // why it cannot be opened, when it cannot
  };
  std::map<std::string, Entry> entries_;
};

}  // namespace chanforge::testing
