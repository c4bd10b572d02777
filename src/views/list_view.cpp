#include "views/list_view.h"

#include "common/list_files.h"
#include "views/block_view.h"

namespace chanforge::views {

namespace {

ListedFile ListFile(const common::ReadResult& file, const std::string& kind,
                    std::vector<std::string> (*lines_of)(std::string_view)) {
  if (!file.ok) return {{file.error}, false};
  ListedFile listed{lines_of(file.bytes), true};
  if (file.bytes.size() > common::kLargeListSize) {
    listed.lines.insert(
        listed.lines.begin() + 1,
        kind + " FILE IS LARGER THAN 64Kb (" + std::to_string(file.bytes.size()) + " bytes)");
  }
  return listed;
}

}  // namespace

ListedFile ListTcsFile(const common::ReadResult& file) {
  return ListFile(file, "TCS", TcsListLines);
}

ListedFile ListTptFile(const common::ReadResult& file) {
  return ListFile(file, "TPT", TptListLines);
}

}  // namespace chanforge::views
