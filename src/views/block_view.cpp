#include "views/block_view.h"

#include "channels/channel_record.h"
#include "channels/text_fields.h"
#include "flash/blocks.h"
#include "transponders/transponder_record.h"

namespace chanforge::views {

namespace {

char Shown(char c, CharColumn column) {
  const auto b = static_cast<unsigned char>(c);
  const bool printable =
      column == CharColumn::kAscii ? (b >= 0x20 && b < 0x7F) : (b >= 0x20 && b < 0x7F) || b >= 0xA0;
  return printable ? c : '.';
}

constexpr std::size_t kHexDumpLineLength = 69;

void AppendHexDumpLine(std::string& out, std::string_view block, std::size_t offset,
                       CharColumn column) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const std::string_view row = block.substr(offset, 16);
  out += channels::HexWord(static_cast<std::int64_t>(offset));
  for (const char c : row) {
    const auto b = static_cast<unsigned char>(c);
    out += {' ', kDigits[b >> 4], kDigits[b & 0xF]};
  }
  out.push_back(' ');
  for (const char c : row) out.push_back(Shown(c, column));
}

}  // namespace

std::vector<std::string> HexDumpLines(std::string_view block, CharColumn column) {
  std::vector<std::string> lines;
  lines.reserve(block.size() / 16 + 1);
  for (std::size_t o = 0; o < block.size(); o += 16) {
    lines.emplace_back().reserve(kHexDumpLineLength);
    AppendHexDumpLine(lines.back(), block, o, column);
  }
  return lines;
}

std::string HexDumpText(std::string_view block, CharColumn column) {
  std::string text;
  text.reserve((block.size() / 16 + 1) * (kHexDumpLineLength + 1));
  for (std::size_t o = 0; o < block.size(); o += 16) {
    AppendHexDumpLine(text, block, o, column);
    text.push_back('\n');
  }
  return text;
}

std::vector<std::string> TcsListLines(std::string_view data) {
  std::vector<std::string> lines{channels::TcsHeading};
  for (std::string& line : channels::FormatTcsLines(data)) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> TptListLines(std::string_view data) {
  std::vector<std::string> lines{transponders::TptHeading};
  for (std::string& line : transponders::FormatTptLines(data, false)) {
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string ListViewCaption(const std::string& block_name) {
  switch (flash::ListKindOf(block_name, flash::NameMatch::kExact)) {
    case flash::ListKind::kTcs:
      return "&View as TCS";
    case flash::ListKind::kTpt:
      return "&View as TPT";
    default:
      return {};
  }
}

}  // namespace chanforge::views
