// The lines of the block viewer: a block as a hex dump, or its data as a formatted list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/message.h"

namespace chanforge::views {

// What the hex dump's character column keeps; every other byte shows as ".".
enum class CharColumn {
  kLatin1,  // printable Latin-1: 0x20-0x7E and 0xA0-0xFF (the window)
  kAscii,   // printable ASCII only (a terminal or a pipe)
};

// One 69-character line per 16 bytes; a last, shorter line for a block the image cuts.
std::vector<std::string> HexDumpLines(std::string_view block, CharColumn column);
// The same lines, each ended by a newline, appended to out: those of the bytes from
// begin (a multiple of 16) up to end.
void AppendHexDump(std::string& out, std::string_view block, CharColumn column, std::size_t begin,
                   std::size_t end);

// The heading line, then the data formatted as a channel list.
std::vector<std::string> TcsListLines(std::string_view data);
// The heading line, then the data formatted as a transponder list, DiSEqC column shown.
std::vector<std::string> TptListLines(std::string_view data);

// The caption of the viewer's list option for a block name, empty when it has none.
common::Message ListViewCaption(const std::string& block_name);

}  // namespace chanforge::views
