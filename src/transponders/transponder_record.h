// The 12-byte transponder record of a TPT list and its fixed-column text line.
#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "common/list_files.h"
#include "common/list_kind.h"

namespace chanforge::transponders {

// TransponderRecord layout: byte offset, width, field (numbers big-endian).
inline constexpr std::size_t kTptFrequencyOffset = 0;  // 4 bytes, IF in Hz
inline constexpr std::size_t kTptTidOffset = 4;        // 2 bytes
inline constexpr std::size_t kTptNidOffset = 6;        // 2 bytes
inline constexpr std::size_t kTptChnOffset = 8;        // 1 byte
inline constexpr std::size_t kTptSrOffset = 9;         // 1 byte
inline constexpr std::size_t kTptFecOffset = 10;       // 1 byte, 0..3 = 1/2 2/3 3/4 4/5
inline constexpr std::size_t kTptFlagsOffset = 11;     // 1 byte, see the flag bits below
inline constexpr std::size_t kTptRecordSize = common::RecordSizeOf(common::ListKind::kTransponders);
static_assert(kTptFlagsOffset + 1 == kTptRecordSize);

inline constexpr std::uint8_t kFlagUpperBand = 0x01;
inline constexpr std::uint8_t kFlagHorizontal = 0x02;
inline constexpr std::uint8_t kFlagDiseqcB = 0x08;
// The flag bits the text line shows; the others do not survive the text.
inline constexpr std::uint8_t kShownFlags = kFlagUpperBand | kFlagHorizontal | kFlagDiseqcB;

inline constexpr std::array<const char*, 4> kFecTexts = {"1/2", "2/3", "3/4", "4/5"};
inline constexpr char kUnknownFecText[] = "0/0";

// One transponder, every byte kept, whether the text line shows it or not.
struct TransponderRecord {
  std::uint32_t frequency = 0;  // intermediate frequency in Hz
  std::uint16_t tid = 0;
  std::uint16_t nid = 0;
  std::uint8_t chn = 0;
  std::uint8_t sr = 0;
  std::uint8_t fec = 0;  // index into kFecTexts; other codes show as 0/0
  std::uint8_t flags = 0;

  // The first 12 bytes; missing bytes read as zero.
  static TransponderRecord Decode(std::string_view bytes);
  std::string Encode() const;
  void EncodeInto(char* out) const;  // writes exactly 12 bytes

  // The transponder frequency in kHz, as the text line shows it.
  std::int64_t Khz() const;
  // Shown as 09750000: lower band and under 1000 Hz, in practice an all-zero record.
  // A free slot: no frequency above the lower band's oscillator.
  bool IsEmpty() const;
  const char* FecText() const {
    return fec < std::size(kFecTexts) ? kFecTexts[fec] : kUnknownFecText;
  }
  bool operator==(const TransponderRecord&) const = default;
};

// Text line columns, 0-based start (1-based columns in the comments).
inline constexpr std::size_t kTptFreqColumn = 4;     // cols 5-12, kHz
inline constexpr std::size_t kTptTidColumn = 14;     // cols 15-19
inline constexpr std::size_t kTptNidColumn = 21;     // cols 22-26
inline constexpr std::size_t kTptChnColumn = 28;     // cols 29-30
inline constexpr std::size_t kTptSrColumn = 32;      // cols 33-34
inline constexpr std::size_t kTptFecColumn = 36;     // cols 37-39
inline constexpr std::size_t kTptPolColumn = 41;     // col 42, H or V
inline constexpr std::size_t kTptBandColumn = 43;    // col 44, U or D
inline constexpr std::size_t kTptDiseqcColumn = 45;  // col 46, A or B
inline constexpr std::size_t kTptLineLength = 46;
inline constexpr std::size_t kTptDecLinkLineLength = 44;

inline constexpr char TptHeading[] = "Nr  Freq      TID    NID    Chn SR  Fec  LNB DiSEqC";

// The 2040-byte size (170 records) that a converted transponder file is padded to.
inline constexpr std::size_t kTptFileMinimumSize = 2040;

// The records up to the last used one, as every read counts a list: unused records behind it
// are the block's padding.
std::size_t UsedCount(const std::vector<TransponderRecord>& records);

// Appends the text line of one record (number counts from 1, shown modulo 256).
void AppendTptLine(std::string& out, const TransponderRecord& record, std::size_t number,
                   common::TptLayout layout);

// One line per record up to the last used one; empty records before it are kept.
// In the DecLink layout the DiSEqC column is left out.
std::vector<std::string> FormatTptLines(std::string_view list, common::TptLayout layout);

// Reads both layouts; a line without the DiSEqC column takes diseqc_b. Refuses a line whose
// frequency is missing or lies past what its band's field holds, whose FEC text runs into
// the next column, or whose numbers lie outside the signed 32-bit range.
// A blank line gives no bytes.
common::Result<std::string> ParseTptLine(std::string_view line, bool diseqc_b = false);

// How the conversion reads transponder lines: the parser, and whether each column holds a
// value its field stores as written (blank gaps, a number in its base and range, V or H, D or
// U, A or B, a FEC the list stores, a frequency its band carries), else why not. In the
// DecLink layout the lines may leave out the DiSEqC column, and then take diseqc_b.
const common::ListTextReader& TptTextReader(common::TptLayout layout, bool diseqc_b = false);

// Why a line that parses would not be stored as written, as the conversion's question says
// it, or empty when it would.
common::Message CheckTptLine(std::string_view line,
                             common::TptLayout layout = common::TptLayout::kFull);

}  // namespace chanforge::transponders
