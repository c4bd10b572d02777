#include "channels/channel_conversions.h"

#include <vector>

#include "channels/channel_record.h"
#include "common/files.h"
#include "common/list_files.h"
#include "common/text_lines.h"

namespace chanforge::channels {

namespace {

using common::Wording;

// Each counts the channels in {1} and lists them in {2}.
constexpr auto kSplit =
    common::CountedWording("tcs-text.line-end", "channels {2} hold a line-end byte in their names",
                           "channel {2} holds a line-end byte in its name");
constexpr auto kBlankEnd = common::CountedWording(
    "tcs-text.blank-end", "channels {2} end their names in blanks, which come back as NULs",
    "channel {2} ends its name in blanks, which come back as NULs");
constexpr auto kInnerNul = common::CountedWording(
    "tcs-text.inner-nul", "channels {2} hold NULs inside their names, which come back as blanks",
    "channel {2} holds a NUL inside its name, which comes back as a blank");
constexpr auto kUtf8Name = common::CountedWording(
    "tcs-text.utf8-name",
    "channels {2} have names that read back as UTF-8, as other bytes (write the text as UTF-8 to "
    "keep them)",
    "channel {2} has a name that reads back as UTF-8, as other bytes (write the text as UTF-8 to "
    "keep it)");
constexpr auto kShifted = Wording("tcs-text.shifted", "records from {1} on shift their columns");

// Channel lines, numbered on across pieces; warns of the names the text cannot carry
// back and of lists so long that their later lines shift their columns.
class TcsTextFormat : public common::ListTextFormat {
 public:
  explicit TcsTextFormat(common::TextEncoding encoding) : encoding_(encoding) {}
  std::size_t record_size() const override { return kTcsRecordSize; }

  void Scan(std::string_view records) override {
    for (std::size_t p = 0; p + kTcsRecordSize <= records.size(); p += kTcsRecordSize) {
      ++scanned_;
      const std::string_view name = records.substr(p + kTcsNameOffset, kTcsNameWidth);
      if (name.find_first_of("\r\n") != std::string_view::npos) {
        split_.Add(scanned_);
        continue;
      }
      // The line shows a NUL as a blank and the parser drops the blanks at the name's
      // end, padding with NULs: only blanks there and NULs before the last text change.
      const std::size_t end = name.find_last_not_of(std::string_view(" \0", 2)) + 1;
      if (name.find(' ', end) != std::string_view::npos) blank_end_.Add(scanned_);
      if (name.substr(0, end).find('\0') != std::string_view::npos) inner_nul_.Add(scanned_);
      // A text of one byte a character whose names all happen to be UTF-8 reads back as
      // UTF-8, each such name as other bytes.
      if (!common::IsAscii(name)) {
        if (common::IsUtf8(name.substr(0, end))) {
          utf8_names_.Add(scanned_);
        } else {
          not_utf8_ = true;
        }
      }
    }
  }

  common::Message RoundTripProblem() const override {
    std::vector<common::Message> problems;
    const auto add = [&](common::Message problem) {
      if (!problem.empty()) problems.push_back(std::move(problem));
    };
    add(split_.Said(kSplit));
    add(blank_end_.Said(kBlankEnd));
    add(inner_nul_.Said(kInnerNul));
    if (encoding_ == common::TextEncoding::kLatin1 && !not_utf8_) {
      add(utf8_names_.Said(kUtf8Name));
    }
    if (scanned_ >= static_cast<std::int64_t>(kTcsShiftedRecord)) {
      add(common::Say(kShifted, {common::Value(kTcsShiftedRecord)}));
    }
    return common::Joined(std::move(problems), common::kSemicolons);
  }

  void Format(std::string_view records, std::string& out) override {
    out.reserve(records.size() / kTcsRecordSize * (kTcsLineLength + 2));
    for (std::size_t p = 0; p + kTcsRecordSize <= records.size(); p += kTcsRecordSize) {
      if (encoding_ == common::TextEncoding::kUtf8) {
        line_.clear();
        AppendTcsLine(line_, ChannelRecord::Decode(records.substr(p)), ++formatted_);
        out += common::Latin1ToUtf8(line_);
      } else {
        AppendTcsLine(out, ChannelRecord::Decode(records.substr(p)), ++formatted_);
      }
      out += "\r\n";
    }
  }

  std::int64_t formatted() const override { return formatted_; }

 private:
  common::TextEncoding encoding_;
  std::int64_t scanned_ = 0;
  std::int64_t formatted_ = 0;
  common::RecordNumbers split_, blank_end_, inner_nul_, utf8_names_;
  bool not_utf8_ = false;
  std::string line_;
};

}  // namespace

common::Converted ConvertTcsToText(common::Frontend& frontend, common::Files& files,
                                   const std::string& binary, const std::string& text,
                                   common::TextEncoding encoding) {
  TcsTextFormat format(encoding);
  return common::ConvertBinaryToText(frontend, files, binary, text, "TCS", format);
}

common::Converted ConvertTextToTcs(common::Frontend& frontend, common::Files& files,
                                   const std::string& binary, const std::string& text) {
  return common::ConvertTextToBinary(frontend, files, binary, text, TcsTextReader(), 0);
}

std::unique_ptr<common::ListTextFormat> MakeTcsTextFormat() {
  return std::make_unique<TcsTextFormat>(common::TextEncoding::kLatin1);
}

}  // namespace chanforge::channels
