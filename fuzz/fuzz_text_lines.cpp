// The piecewise line splitting of the text conversions, in memory: any text cut into any
// pieces gives the lines it gives whole (long lines cut as documented, never within a
// UTF-8 character), and every line, read as bytes and as UTF-8, parses and checks without
// harm in every layout.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channels/channel_record.h"
#include "common/list_files.h"
#include "common/text_lines.h"
#include "transponders/transponder_record.h"

namespace {

bool Blank(std::string_view line) { return line.find_first_not_of(' ') == std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chanforge;
  if (size < 2) return 0;
  // The first byte sets the piece length, the second the kept part of a long line.
  const std::size_t piece = data[0] % 64 + 1;
  const std::size_t kept = data[1] % 16 + 1;
  const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);

  std::vector<std::string> whole;
  common::LineReader reader(text);
  std::string_view line;
  while (reader.Next(line)) whole.emplace_back(line);

  std::vector<std::string> pieces;
  common::LineSplitter splitter(kept);
  for (std::size_t at = 0; at < text.size() || at == 0; at += piece) {
    const bool at_end = at + piece >= text.size();
    splitter.pending().append(text.substr(std::min(at, text.size()), piece));
    splitter.Split(at_end, [&](std::string_view l) {
      pieces.emplace_back(l);
      return true;
    });
    if (at_end) break;
  }
  if (pieces.size() != whole.size()) std::abort();
  for (std::size_t i = 0; i < whole.size(); ++i) {
    const std::string& a = whole[i];
    const std::string& b = pieces[i];
    if (a.size() <= 2 * kept) {
      if (a != b) std::abort();
    } else {
      // Its start, less at most the three bytes of a UTF-8 character the cut would split.
      const std::size_t sure = kept > 3 ? kept - 3 : 0;
      if (b.size() < sure || a.compare(0, sure, b, 0, sure) != 0) std::abort();
      if (common::IsUtf8(a) && !common::IsUtf8(b)) std::abort();
    }
    if (Blank(a) != Blank(b)) std::abort();
  }
  std::string out;
  std::string back;
  for (const std::string& l : whole) {
    const std::optional<std::string> latin1 = common::Utf8ToLatin1(l);
    for (const std::string_view read :
         {std::string_view(l), std::string_view(latin1 ? *latin1 : l)}) {
      for (const common::ListTextReader* lists :
           {&channels::TcsTextReader(), &transponders::TptTextReader(common::TptLayout::kFull),
            &transponders::TptTextReader(common::TptLayout::kDecLink, true)}) {
        out.clear();
        const common::Result<common::LineStatus> parsed = lists->Parse(read, out);
        if (parsed.ok() && *parsed == common::LineStatus::kRecord && !lists->ReadsAsWritten(read)) {
          // The count past the lines a question lists decides as the reasons it composes.
          const bool why = !lists->WhyNot(read, out, 1, back).empty();
          if (lists->StoredOtherwise(read, out, 1, back) != why) std::abort();
        }
      }
    }
  }
  return 0;
}
