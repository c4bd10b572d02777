// Every fixed-width codec of the program, each under the byte order it reads and writes,
// and the one way raw bytes are shown in a message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace chanforge::common {

// Big-endian (most significant byte first): the number fields of both list records.

// Bytes to an unsigned number; computed in 64 bits so that a 4-byte field with its top bit
// set keeps its unsigned value. Inline: every record decode calls it.
inline std::int64_t DecodeBigEndian(std::string_view bytes) {
  std::int64_t result = 0;
  for (const char c : bytes) result = result * 256 + static_cast<unsigned char>(c);
  return result;
}

// Exactly width bytes; high-order bytes are dropped, values <= 0 give NULs.
std::string EncodeBigEndian(std::int64_t value, int width);
// The same, written to the width bytes at destination.
inline void EncodeBigEndianInto(char* destination, std::int64_t value, int width) {
  std::uint64_t v = value > 0 ? static_cast<std::uint64_t>(value) : 0;
  for (int i = width - 1; i >= 0; --i) {
    destination[i] = static_cast<char>(v & 0xFF);
    v >>= 8;  // past 8 bytes this leaves zeros, as a value has no more
  }
}

// Little-endian (least significant byte first): the block header's length field.

inline void EncodeLittleEndian16(char* dst, std::uint16_t value) {
  dst[0] = static_cast<char>(value & 0xFF);
  dst[1] = static_cast<char>(value >> 8);
}
inline std::uint16_t DecodeLittleEndian16(const char* src) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(src[0]) |
                                    static_cast<unsigned char>(src[1]) << 8);
}

// Bytes for people.

// Two upper-case hex digits after "0x".
std::string Hex2(unsigned value);

// Bytes as Latin-1 text in UTF-8, control bytes written as \xNN, so that a line stays one
// line and shows every byte.
std::string ShownBytes(std::string_view bytes);

}  // namespace chanforge::common
