#include "channels/channel_conversions.h"

#include <algorithm>
#include <vector>

#include "channels/channel_record.h"
#include "common/file_access.h"
#include "common/list_files.h"

namespace chanforge::channels {

namespace {

// Channel lines, numbered on across pieces; warns of names holding a line end, which
// split their line, and of lists so long that their later lines shift their columns.
class TcsTextFormat : public common::ListTextFormat {
 public:
  std::size_t record_size() const override { return TcsRecordSize; }

  void Scan(std::string_view records) override {
    for (std::size_t p = 0; p + TcsRecordSize <= records.size(); p += TcsRecordSize) {
      ++scanned_;
      const std::string_view name = records.substr(p + kTcsNameOffset, kTcsNameWidth);
      if (name.find_first_of("\r\n") == std::string_view::npos) continue;
      if (split_.size() < 10) {
        split_.push_back(scanned_);
      } else {
        ++more_split_;
      }
    }
  }

  std::string RoundTripProblem() const override {
    std::string problem;
    if (!split_.empty()) {
      problem = "channels ";
      for (std::size_t i = 0; i < split_.size(); ++i) {
        problem += (i ? ", " : "") + std::to_string(split_[i]);
      }
      if (more_split_ > 0) problem += " and " + std::to_string(more_split_) + " more";
      problem += " hold a line-end byte in their names";
    }
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
  std::vector<std::int64_t> split_;
  std::size_t more_split_ = 0;
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

}  // namespace chanforge::channels
