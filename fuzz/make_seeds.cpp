// Writes the seed inputs of the fuzz targets into a folder, built from the typed records
// and the demo image, so that no binary dump is committed.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "channels/channel_record.h"
#include "editing/sample_image.h"
#include "flash/blocks.h"
#include "transponders/transponder_record.h"

namespace {

using namespace chanforge;
namespace fs = std::filesystem;

void Write(const fs::path& folder, const char* target, const char* name, std::string_view bytes) {
  fs::create_directories(folder / target);
  std::ofstream(folder / target / name, std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds FOLDER\n");
    return 2;
  }
  const fs::path folder = argv[1];
  flash::Workspace w;
  w.Load(editing::MakeSampleImage(), {});
  const std::string channels = flash::BlockData(w, w.blocks()[0]).substr(0, 40 * 30);
  const std::string transponders = flash::BlockData(w, w.blocks()[1]).substr(0, 20 * 12);
  channels::ChannelRecord odd = channels::ChannelRecord::Decode(channels);
  odd.name[3] = '\r';
  odd.words[channels::kSid] = 65535;
  transponders::TransponderRecord flagged = transponders::TransponderRecord::Decode(transponders);
  flagged.flags |= 0xF4;
  flagged.fec = 7;

  Write(folder, "format_lists", "channels", channels);
  Write(folder, "format_lists", "transponders", transponders);
  Write(folder, "format_lists", "odd", odd.Encode() + flagged.Encode() + std::string(30, '\xFF'));

  std::string tcs_text;
  for (const std::string& line : channels::FormatTcsLines(channels.substr(0, 300))) {
    tcs_text += line + "\r\n";
    Write(folder, "parse_tcs_line", ("line" + std::to_string(tcs_text.size())).c_str(), line);
  }
  std::string tpt_text;
  for (const std::string& line :
       transponders::FormatTptLines(transponders.substr(0, 120), common::TptLayout::kFull)) {
    tpt_text += line + "\r\n";
    Write(folder, "parse_tpt_line", ("line" + std::to_string(tpt_text.size())).c_str(), line);
  }
  Write(folder, "parse_tpt_line", "declink",
        transponders::FormatTptLines(flagged.Encode(), common::TptLayout::kDecLink).at(0));
  Write(folder, "text_lines", "tcs", "\x07\x05" + tcs_text);
  Write(folder, "text_lines", "tpt", "\x20\x0C" + tpt_text + "\n\r\r\n   \r");

  Write(folder, "scan_blocks", "image", w.image().bytes().substr(0, 2 * common::kBlockSize + 100));
  // block_ops: three length bytes, the fill byte, a (name, length) pair per block, data.
  std::string ops = {'\x00', '\x00', '\x02', '\xFF'};
  for (const char* pair : {"T\x94\x11", "T\xF8\x07", "T\xFF\xFF", "\x00\x00\x00"})
    ops.append(pair, 3);
  Write(folder, "block_ops", "headers", ops + transponders.substr(0, 48));
  // check: two length bytes, one spare, the edit's offset, (name, length) pairs, records.
  std::string check = {'\x00', '\x00', '\x01', '\x50', '\x00'};
  check += std::string("\x02\x04\xB0", 3) + std::string("\x01\x00\xF0", 3);
  Write(folder, "check", "channels", check + channels.substr(0, 1200));
  // reference_order: an even first byte makes the rest a reference image's TCS block.
  Write(folder, "reference_order", "image", "\x00" + channels.substr(0, 600));
  return 0;
}
