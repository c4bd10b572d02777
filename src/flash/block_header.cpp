#include "flash/block_header.h"

#include "common/coding.h"

namespace chanforge::flash {

namespace {

char ByteAt(std::string_view bytes, std::size_t at) { return at < bytes.size() ? bytes[at] : '\0'; }

}  // namespace

BlockHeader ReadBlockHeader(std::string_view bytes, std::size_t block) {
  const std::size_t name_at = block + kNameOffset;
  const char first = ByteAt(bytes, name_at);
  if (first == '\0' || first == '\xFF') return {std::string(kUnnamedBlock), 0};
  const std::string_view name = bytes.substr(name_at);
  const std::size_t length_at = block + kLengthOffset;
  const char field[] = {ByteAt(bytes, length_at), ByteAt(bytes, length_at + 1)};
  return {std::string(name.substr(0, name.find('\0'))), common::DecodeLittleEndian16(field)};
}

void WriteBlockLength(std::string& bytes, std::size_t block, std::size_t length) {
  char field[2];
  common::EncodeLittleEndian16(field, static_cast<std::uint16_t>(length));
  const std::size_t at = block + kLengthOffset;
  for (std::size_t i = 0; i < 2 && at + i < bytes.size(); ++i) bytes[at + i] = field[i];
}

}  // namespace chanforge::flash
