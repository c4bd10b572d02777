#include "views/list_view.h"

#include <algorithm>
#include <memory>

#include "channels/channel_conversions.h"
#include "channels/channel_record.h"
#include "common/list_files.h"
#include "common/reported_files.h"
#include "common/text_lines.h"
#include "transponders/transponder_conversions.h"
#include "transponders/transponder_record.h"
#include "views/block_view.h"

namespace chanforge::views {

namespace {

constexpr auto kOversize =
    common::Wording("viewer.oversize", "{1} FILE IS LARGER THAN 64Kb ({2} bytes)");
constexpr auto kNotShown = common::Wording("viewer.not-shown", "({1} more records are not shown)");

ListedFile ListFile(const common::Result<common::FileStart>& file, const std::string& kind,
                    std::size_t record_size,
                    std::vector<std::string> (*lines_of)(std::string_view)) {
  if (!file.ok()) return {{file.message()}, false};
  ListedFile listed{{}, true};
  const std::string& bytes = file->bytes;
  // The file's bytes are Latin-1, as the receiver writes names.
  for (const std::string& line : lines_of(bytes)) {
    listed.lines.push_back(common::Value(common::Latin1ToUtf8(line)));
  }
  const auto size = std::max(file->size, static_cast<std::int64_t>(bytes.size()));
  if (size > static_cast<std::int64_t>(common::kLargeListSize)) {
    listed.lines.insert(listed.lines.begin() + 1, OversizeLine(kind, size));
    const auto shown = static_cast<std::int64_t>(bytes.size() / record_size);
    const std::int64_t left_out = size / static_cast<std::int64_t>(record_size) - shown;
    if (left_out > 0) listed.lines.push_back(common::Say(kNotShown, {common::Value(left_out)}));
  }
  return listed;
}

}  // namespace

common::Message OversizeLine(const std::string& kind, std::int64_t size) {
  return common::Say(kOversize, {common::Value(kind), common::Value(size)});
}

ListedFile ListTcsFile(const common::Result<common::FileStart>& file) {
  return ListFile(file, "TCS", channels::kTcsRecordSize, TcsListLines);
}

ListedFile ListTptFile(const common::Result<common::FileStart>& file) {
  return ListFile(file, "TPT", transponders::kTptRecordSize, TptListLines);
}

}  // namespace chanforge::views
