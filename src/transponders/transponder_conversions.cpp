#include "transponders/transponder_conversions.h"

#include "common/file_access.h"
#include "common/list_files.h"
#include "transponders/transponder_record.h"

namespace chanforge::transponders {

namespace {

// Transponder lines up to the last used record, which the first pass finds.
class TptTextFormat : public common::ListTextFormat {
 public:
  explicit TptTextFormat(bool decLink) : decLink_(decLink) {}
  std::size_t record_size() const override { return TptRecordSize; }

  void Scan(std::string_view records) override {
    for (std::size_t p = 0; p + TptRecordSize <= records.size(); p += TptRecordSize) {
      ++scanned_;
      if (!TransponderRecord::Decode(records.substr(p)).IsEmpty()) used_ = scanned_;
    }
  }

  void Format(std::string_view records, std::string& out) override {
    for (std::size_t p = 0; p + TptRecordSize <= records.size() && formatted_ < used_;
         p += TptRecordSize) {
      AppendTptLine(out, TransponderRecord::Decode(records.substr(p)), ++formatted_, decLink_);
      out += "\r\n";
    }
  }

 private:
  bool decLink_;
  std::size_t scanned_ = 0;
  std::size_t used_ = 0;
  std::size_t formatted_ = 0;
};

}  // namespace

common::Outcome ConvertTptToText(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text, bool decLink) {
  TptTextFormat format(decLink);
  return common::ConvertBinaryToText(frontend, binary, text, "TPT", format);
}

common::Outcome ConvertTextToTpt(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text, bool /*decLink*/) {
  // A transponder list is short: every reason is built.
  return common::ConvertTextToBinary(
      frontend, binary, text, ParseTptLineInto,
      [](std::string_view line, bool /*explain*/) { return CheckTptLine(line); },
      kTptFileMinimumSize);
}

std::int64_t CountTptFileRecords(const std::string& binary) {
  const common::ReadResult read = common::ReadFilePrefix(binary, 16 * common::kMiB);
  return static_cast<std::int64_t>(FormatTptLines(read.bytes, false).size());
}

std::unique_ptr<common::ListTextFormat> MakeTptTextFormat(bool decLink) {
  return std::make_unique<TptTextFormat>(decLink);
}

}  // namespace chanforge::transponders
