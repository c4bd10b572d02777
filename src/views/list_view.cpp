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

common::Message OversizeLine(const std::string& kind, std::int64_t size) {
  return common::Say(kOversize, {common::Value(kind), common::Value(size)});
}

ListedFile ListFile(const common::ReadResult& file, const std::string& kind,
                    std::size_t record_size,
                    std::vector<std::string> (*lines_of)(std::string_view)) {
  if (!file.ok) return {{file.error}, false};
  ListedFile listed{{}, true};
  // The file's bytes are Latin-1, as the receiver writes names.
  for (const std::string& line : lines_of(file.bytes)) {
    listed.lines.push_back(common::Value(common::Latin1ToUtf8(line)));
  }
  const auto size = std::max(file.size, static_cast<std::int64_t>(file.bytes.size()));
  if (size > static_cast<std::int64_t>(common::kLargeListSize)) {
    listed.lines.insert(listed.lines.begin() + 1, OversizeLine(kind, size));
    const auto shown = static_cast<std::int64_t>(file.bytes.size() / record_size);
    const std::int64_t left_out = size / static_cast<std::int64_t>(record_size) - shown;
    if (left_out > 0) listed.lines.push_back(common::Say(kNotShown, {common::Value(left_out)}));
  }
  return listed;
}

// The text of a piece of lines, a line at a time without its CR LF.
bool PrintLines(std::string_view text, const std::function<bool(std::string_view)>& print) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find("\r\n", at), text.size());
    if (!print(text.substr(at, end - at))) return false;
    at = end + 2;
  }
  return true;
}

}  // namespace

ListedFile ListTcsFile(const common::ReadResult& file) {
  return ListFile(file, "TCS", channels::TcsRecordSize, TcsListLines);
}

ListedFile ListTptFile(const common::ReadResult& file) {
  return ListFile(file, "TPT", transponders::TptRecordSize, TptListLines);
}

bool StreamListFile(common::Files& files, const std::string& name, common::ListKind kind,
                    const std::function<bool(std::string_view line)>& print,
                    common::Message& error) {
  const bool tcs = kind == common::ListKind::kChannels;
  if (!files.Exists(name)) {
    error = common::ViewerNotFoundText(name);
    return false;
  }
  const std::int64_t size = files.SizeOf(name);
  if (size > common::kListFileLimit) {
    error = common::TooLargeText(name, size);
    return false;
  }
  const std::unique_ptr<common::ListTextFormat> format =
      tcs ? channels::MakeTcsTextFormat() : transponders::MakeTptTextFormat(false);
  std::int64_t read = 0;
  common::PieceStatus status = common::ScanListFile(files, name, *format, read);
  if (status == common::PieceStatus::kDone) {
    if (!print(tcs ? channels::TcsHeading : transponders::TptHeading)) return true;
    if (size > static_cast<std::int64_t>(common::kLargeListSize) &&
        !print(common::Format(OversizeLine(common::BlockNameOf(kind), size)))) {
      return true;
    }
    status = common::FormatListFile(
        files, name, *format, [&](std::string_view text) { return PrintLines(text, print); }, read);
  }
  if (status == common::PieceStatus::kTooLarge) error = common::TooLargeText(name, read);
  if (status == common::PieceStatus::kUnreadable) error = common::ViewerUnreadableText(name);
  return error.empty();
}

}  // namespace chanforge::views
