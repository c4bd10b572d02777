// The 30-byte channel record of a TCS list and its 63-character text line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "channels/parsed_line.h"

namespace chanforge::channels {

// ChannelRecord layout: byte offset, width, field.
inline constexpr std::size_t kTcsNameOffset = 0;  // 16 bytes, name, NUL padded
inline constexpr std::size_t kTcsNameWidth = 16;
inline constexpr std::size_t kTcsUseOffset = 16;   // 1 byte
inline constexpr std::size_t kTcsTpOffset = 17;    // 1 byte, transponder index
inline constexpr std::size_t kTcsWordOffset = 18;  // six 16-bit big-endian words:
                                                   // SID, VPID, APID, Vecm, Aecm, PCR
inline constexpr std::size_t kTcsWordCount = 6;
inline constexpr std::size_t TcsRecordSize = 30;
static_assert(kTcsWordOffset + 2 * kTcsWordCount == TcsRecordSize);

// Text line columns, 0-based start and width (1-based columns in the comments).
inline constexpr std::size_t kTcsNameColumn = 5;  // cols 6-21
inline constexpr std::size_t kTcsUseColumn = 22;  // cols 23-24
inline constexpr std::size_t kTcsTpColumn = 25;   // cols 26-27
inline constexpr std::size_t kTcsWordColumns[kTcsWordCount] = {28, 34, 40, 46, 52, 58};
inline constexpr std::size_t kTcsWordWidth = 5;  // cols 29-33, 35-39, ... 59-63
inline constexpr std::size_t TcsLineLength = 63;

inline constexpr char TcsHeading[] =
    " Nr  Name            Use TP  SID  VPID  APID  Vecm  Aecm  PCR";

// Appends the text line of one record (number counts from 1) to out, without line end.
void AppendTcsLine(std::string& out, std::string_view record, std::int64_t number);

// One line per whole record of the list; a trailing part record is ignored.
std::vector<std::string> FormatTcsLines(std::string_view list);

// The text file content: every line followed by CR LF.
std::string FormatTcsText(std::string_view list);

ParsedLine ParseTcsLine(std::string_view line);

// The same, appending a record's 30 bytes to out; the error is set for kError.
LineStatus ParseTcsLineInto(std::string_view line, std::string& out, std::string& error);

}  // namespace chanforge::channels
