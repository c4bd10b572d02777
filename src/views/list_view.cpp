#include "views/list_view.h"

#include "common/file_access.h"
#include "common/list_files.h"
#include "views/block_view.h"

namespace chanforge::views {

namespace {

ListedFile ListFile(const std::string& name, const std::string& kind,
                    std::vector<std::string> (*lines_of)(std::string_view)) {
  if (!common::FileExists(name)) return {{"File " + name + " can not be found!"}, false};
  if (const std::int64_t size = common::FileSize(name); size > common::kListFileLimit) {
    return {{"File : " + name + " is too large (" + std::to_string(size) + " bytes) !"}, false};
  }
  const common::ReadResult read = common::ReadWholeFile(name, common::kListFileLimit);
  if (!read.ok) return {{"File " + name + " can not be read!"}, false};
  ListedFile listed{lines_of(read.bytes), true};
  if (read.bytes.size() > common::kLargeListSize) {
    listed.lines.insert(
        listed.lines.begin() + 1,
        kind + " FILE IS LARGER THAN 64Kb (" + std::to_string(read.bytes.size()) + " bytes)");
  }
  return listed;
}

}  // namespace

ListedFile ListTcsFile(const std::string& name) { return ListFile(name, "TCS", TcsListLines); }

ListedFile ListTptFile(const std::string& name) { return ListFile(name, "TPT", TptListLines); }

}  // namespace chanforge::views
