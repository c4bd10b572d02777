#include "support/fake_files.h"

#include <algorithm>
#include <functional>

namespace chanforge::testing {

namespace {

class Input : public common::InputFile {
 public:
  Input(std::string bytes, std::int64_t size, std::int64_t ceiling, std::int64_t& read)
      : bytes_(std::move(bytes)), size_(size), ceiling_(ceiling), read_(read) {}
  bool Read(std::size_t count, std::string& out) override {
    // Up to the stated length, and no further than one byte past the ceiling.
    const std::int64_t n = std::clamp<std::int64_t>(std::min(size_, ceiling_ + 1) - total_, 0,
                                                    static_cast<std::int64_t>(count));
    std::string piece = bytes_.substr(std::min(bytes_.size(), static_cast<std::size_t>(total_)),
                                      static_cast<std::size_t>(n));
    out += piece.append(static_cast<std::size_t>(n) - piece.size(), '\0');
    total_ += n;
    read_ += n;
    return !too_large();
  }
  bool too_large() const override { return total_ > ceiling_; }
  std::int64_t total() const override { return total_; }

 private:
  std::string bytes_;
  std::int64_t size_, ceiling_, total_ = 0;
  std::int64_t& read_;
};

// Written all at once when committed, as the safe replacement does; past its room, nothing.
class Output : public common::OutputFile {
 public:
  Output(std::int64_t room, std::function<void(std::string)> commit)
      : room_(room), commit_(std::move(commit)) {}
  bool Write(std::string_view bytes) override {
    bytes_ += bytes;
    if (room_ < 0 || static_cast<std::int64_t>(bytes_.size()) <= room_) return true;
    error_ = common::Value("No space left on device");
    return false;
  }
  bool Commit() override {
    if (!error_.empty()) return false;
    commit_(std::move(bytes_));
    return true;
  }
  const common::Message& error() const override { return error_; }
  const common::Message& notice() const override { return none_; }

 private:
  std::int64_t room_;
  std::function<void(std::string)> commit_;
  std::string bytes_;
  common::Message error_, none_;
};

}  // namespace

FakeFiles& FakeFiles::File(const std::string& name, std::string bytes, std::int64_t size) {
  const auto length = std::max(size, static_cast<std::int64_t>(bytes.size()));
  entries_[name] = {std::move(bytes), length, false, {}};
  return *this;
}

FakeFiles& FakeFiles::Folder(const std::string& name) {
  entries_[name] = {{}, 0, true, {}};
  return *this;
}

FakeFiles& FakeFiles::Unreadable(const std::string& name, std::string reason) {
  File(name, "x");
  entries_[name].refusal = std::move(reason);
  return *this;
}

common::EntryKind FakeFiles::KindOf(const std::string& name) {
  const auto found = entries_.find(name);
  if (found == entries_.end()) return common::EntryKind::kMissing;
  return found->second.folder ? common::EntryKind::kFolder : common::EntryKind::kRegular;
}

common::FileStamp FakeFiles::StampOf(const std::string& name) {
  const auto found = entries_.find(name);
  return found == entries_.end() ? common::FileStamp{} : common::FileStamp{found->second.size};
}

common::Result<std::unique_ptr<common::InputFile>> FakeFiles::OpenInput(const std::string& name,
                                                                        std::int64_t ceiling) {
  if (KindOf(name) == common::EntryKind::kFolder) return common::Say(common::kFolderError);
  if (KindOf(name) != common::EntryKind::kRegular) return common::Value("not found");
  if (!entries_[name].refusal.empty()) return common::Value(entries_[name].refusal);
  opened.push_back(name);
  const Entry& entry = entries_[name];
  return std::unique_ptr<common::InputFile>(
      std::make_unique<Input>(entry.bytes, entry.size, ceiling, bytes_read));
}

common::Result<std::unique_ptr<common::OutputFile>> FakeFiles::Replace(const std::string& name) {
  if (KindOf(name) == common::EntryKind::kFolder) return common::Say(common::kFolderError);
  return std::unique_ptr<common::OutputFile>(
      std::make_unique<Output>(room, [this, name](std::string bytes) {
        File(name, std::move(bytes));
        replaced.push_back(name);
      }));
}

}  // namespace chanforge::testing
