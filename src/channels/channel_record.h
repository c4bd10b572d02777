// The 30-byte channel record of a TCS list and its 63-character text line.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/list_files.h"
#include "common/list_kind.h"

namespace chanforge::channels {

// ChannelRecord layout: byte offset, width, field (numbers big-endian).
inline constexpr std::size_t kTcsNameOffset = 0;  // 16 bytes, name, NUL padded
inline constexpr std::size_t kTcsNameWidth = 16;
inline constexpr std::size_t kTcsUseOffset = 16;   // 1 byte, service type
inline constexpr std::size_t kTcsTpOffset = 17;    // 1 byte, 1-based transponder position
inline constexpr std::size_t kTcsWordOffset = 18;  // six 16-bit words, in TcsWord order
inline constexpr std::size_t kTcsWordCount = 6;
inline constexpr std::size_t kTcsRecordSize = common::RecordSizeOf(common::ListKind::kChannels);
static_assert(kTcsWordOffset + 2 * kTcsWordCount == kTcsRecordSize);

enum TcsWord { kSid, kVpid, kApid, kVecm, kAecm, kPcr };

// One channel, every byte kept, whether the text line shows it or not.
struct ChannelRecord {
  std::array<char, kTcsNameWidth> name{};  // as stored, NUL padded
  std::uint8_t use = 0;
  std::uint8_t tp = 0;
  std::array<std::uint16_t, kTcsWordCount> words{};  // indexed by TcsWord

  // The first 30 bytes; missing bytes read as zero.
  static ChannelRecord Decode(std::string_view bytes);
  std::string Encode() const;
  void EncodeInto(char* out) const;  // writes exactly 30 bytes
  bool operator==(const ChannelRecord&) const = default;
};

// Text line columns, 0-based start and width (1-based columns in the comments).
inline constexpr std::size_t kTcsNameColumn = 5;  // cols 6-21
inline constexpr std::size_t kTcsUseColumn = 22;  // cols 23-24
inline constexpr std::size_t kTcsTpColumn = 25;   // cols 26-27
inline constexpr std::size_t kTcsWordColumns[kTcsWordCount] = {28, 34, 40, 46, 52, 58};
inline constexpr std::size_t kTcsWordWidth = 5;  // cols 29-33, 35-39, ... 59-63
inline constexpr std::size_t kTcsLineLength = 63;
// From this record on the number takes five characters and shifts every later column.
inline constexpr std::size_t kTcsShiftedRecord = 10000;

inline constexpr char TcsHeading[] =
    " Nr  Name            Use TP  SID  VPID  APID  Vecm  Aecm  PCR";

// Appends the text line of one record (number counts from 1) to out, without line end.
void AppendTcsLine(std::string& out, const ChannelRecord& record, std::int64_t number);

// One line per whole record of the list; a trailing part record is ignored.
std::vector<std::string> FormatTcsLines(std::string_view list);

// The line's record, or no bytes for a blank line.
common::Result<std::string> ParseTcsLine(std::string_view line);

// The same, appending a record's 30 bytes to out.
common::Result<common::LineStatus> ParseTcsLineInto(std::string_view line, std::string& out);

// How the conversion reads channel lines: the parser, and whether each column holds a value
// its field stores as written (blank gaps, a number in its base and range, nothing past
// column 63), else why not in the user's words.
const common::ListTextReader& TcsTextReader();

// Why a line that parses would not be stored as written, as the conversion's question says
// it, or empty when it would.
common::Message CheckTcsLine(std::string_view line);

}  // namespace chanforge::channels
