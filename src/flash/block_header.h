// The header at the front of every 64 KB block: where its name, length field and data
// lie, and the rule that reads the name. The length field is common::DecodeLittleEndian16's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace chanforge::flash {

// Block header layout, as offsets from the block's first byte.
inline constexpr std::int32_t kNameOffset = 0x20;    // name, ended by a 0x00 byte
inline constexpr std::int32_t kLengthOffset = 0x40;  // data length, 16 bits
inline constexpr std::int32_t kSpareOffset = 0x42;   // two bytes the scan does not read
inline constexpr std::int32_t kDataOffset = 0x44;    // first data byte

// The header's name and length fields as a finding and a change name them.
inline constexpr char kNameFieldName[] = "name";
inline constexpr char kLengthFieldName[] = "length";

// The name listed for a block whose name byte is 0x00 or 0xFF.
inline constexpr std::string_view kUnnamedBlock = "----";

struct BlockHeader {
  std::string name;         // as stored; kUnnamedBlock when unnamed
  std::int32_t length = 0;  // the length field; 0 when unnamed
};

// The header of the block that begins at offset `block` of `bytes` (an image or one
// block). Bytes past the end read as 0x00. A name has no length limit: it runs on to the
// first 0x00 byte or the end of `bytes`, past its header and even its block.
BlockHeader ReadBlockHeader(std::string_view bytes, std::size_t block);

// Writes the length field (the length modulo 65536) of the block at offset `block`; the
// part past the end of `bytes` is dropped.
void WriteBlockLength(std::string& bytes, std::size_t block, std::size_t length);

}  // namespace chanforge::flash
