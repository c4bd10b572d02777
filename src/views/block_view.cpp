#include "views/block_view.h"

#include <algorithm>

#include "channels/channel_record.h"
#include "common/text_fields.h"
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
  out += common::HexWord(static_cast<std::int64_t>(offset));
  // Written in place: a dump is thousands of lines.
  const std::size_t at = out.size();
  out.resize(at + 4 * row.size() + 1);
  char* p = out.data() + at;
  for (const char c : row) {
    const auto b = static_cast<unsigned char>(c);
    *p++ = ' ';
    *p++ = kDigits[b >> 4];
    *p++ = kDigits[b & 0xF];
  }
  *p++ = ' ';
  for (const char c : row) *p++ = Shown(c, column);
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

void AppendHexDump(std::string& out, std::string_view block, CharColumn column, std::size_t begin,
                   std::size_t end) {
  end = std::min(end, block.size());
  out.reserve(out.size() + (end - std::min(begin, end) + 15) / 16 * (kHexDumpLineLength + 1));
  for (std::size_t o = begin; o < end; o += 16) {
    AppendHexDumpLine(out, block, o, column);
    out.push_back('\n');
  }
}

std::vector<std::string> TcsListLines(std::string_view data) {
  std::vector<std::string> lines{channels::TcsHeading};
  for (std::string& line : channels::FormatTcsLines(data)) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> TptListLines(std::string_view data) {
  std::vector<std::string> lines{transponders::TptHeading};
  for (std::string& line : transponders::FormatTptLines(data, common::TptLayout::kFull)) {
    lines.push_back(std::move(line));
  }
  return lines;
}

namespace {
constexpr auto kViewAs = common::Wording("viewer.view-as", "&View as {1}");
}  // namespace

common::Message ListViewCaption(const std::string& block_name) {
  const auto kind = flash::ListKindOf(block_name, flash::NameMatch::kExact);
  return kind ? common::Say(kViewAs, {common::Value(common::BlockNameOf(*kind))})
              : common::Message();
}

}  // namespace chanforge::views
