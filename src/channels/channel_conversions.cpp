#include "channels/channel_conversions.h"

#include <algorithm>
#include <vector>

#include "channels/channel_record.h"
#include "common/file_access.h"
#include "common/list_files.h"

namespace chanforge::channels {

namespace {

// The channels that share one problem: the first ten by number, then a count.
class ChannelNumbers {
 public:
  void Add(std::int64_t number) {
    if (listed_.size() < 10) {
      listed_.push_back(number);
    } else {
      ++more_;
    }
  }

  // Appends "channel 3" and one, or "channels 3, 12 and 2 more" and several, after a
  // "; " when the problem already says something.
  void AppendTo(std::string& problem, const char* one, const char* several) const {
    if (listed_.empty()) return;
    if (!problem.empty()) problem += "; ";
    const bool single = listed_.size() == 1 && more_ == 0;
    problem += single ? "channel " : "channels ";
    for (std::size_t i = 0; i < listed_.size(); ++i) {
      problem += (i ? ", " : "") + std::to_string(listed_[i]);
    }
    if (more_ > 0) problem += " and " + std::to_string(more_) + " more";
    problem += single ? one : several;
  }

 private:
  std::vector<std::int64_t> listed_;
  std::size_t more_ = 0;
};

// Channel lines, numbered on across pieces; warns of the names the text cannot carry
// back and of lists so long that their later lines shift their columns.
class TcsTextFormat : public common::ListTextFormat {
 public:
  std::size_t record_size() const override { return TcsRecordSize; }

  void Scan(std::string_view records) override {
    for (std::size_t p = 0; p + TcsRecordSize <= records.size(); p += TcsRecordSize) {
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
    }
  }

  std::string RoundTripProblem() const override {
    std::string problem;
    split_.AppendTo(problem, " holds a line-end byte in its name",
                    " hold a line-end byte in their names");
    blank_end_.AppendTo(problem, " ends its name in blanks, which come back as NULs",
                        " end their names in blanks, which come back as NULs");
    inner_nul_.AppendTo(problem, " holds a NUL inside its name, which comes back as a blank",
                        " hold NULs inside their names, which come back as blanks");
    if (scanned_ >= static_cast<std::int64_t>(kTcsShiftedRecord)) {
      if (!problem.empty()) problem += "; ";
      problem += "records from " + std::to_string(kTcsShiftedRecord) + " on shift their columns";
    }
    return problem;
  }

  void Format(std::string_view records, std::string& out) override {
    out.reserve(records.size() / TcsRecordSize * (TcsLineLength + 2));
    for (std::size_t p = 0; p + TcsRecordSize <= records.size(); p += TcsRecordSize) {
      AppendTcsLine(out, ChannelRecord::Decode(records.substr(p)), ++formatted_);
      out += "\r\n";
    }
  }

 private:
  std::int64_t scanned_ = 0;
  std::int64_t formatted_ = 0;
  ChannelNumbers split_, blank_end_, inner_nul_;
};

}  // namespace

common::Outcome ConvertTcsToText(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text) {
  TcsTextFormat format;
  return common::ConvertBinaryToText(frontend, binary, text, "TCS", format);
}

common::Outcome ConvertTextToTcs(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text) {
  return common::ConvertTextToBinary(frontend, binary, text, ParseTcsLineInto, CheckTcsLine, 0);
}

std::int64_t CountTcsFileRecords(const std::string& binary) {
  return std::max<std::int64_t>(common::FileSize(binary), 0) /
         static_cast<std::int64_t>(TcsRecordSize);
}

std::unique_ptr<common::ListTextFormat> MakeTcsTextFormat() {
  return std::make_unique<TcsTextFormat>();
}

}  // namespace chanforge::channels
