// Builders for fixture images, records and files, so that no binary dump is committed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/file_access.h"
#include "flash/flash_image.h"
#include "support/message_text.h"

namespace chanforge::testing {

class FlashImageBuilder {
 public:
  explicit FlashImageBuilder(std::size_t size = 524288, char fill = '\xFF')
      : image_{std::string(size, fill), {}} {}

  // A block header with the name (NUL-ended), the length field and the data.
  FlashImageBuilder& Block(int index, std::string_view name, std::string_view data);
  // A header whose length field differs from the data given.
  FlashImageBuilder& Header(int index, std::string_view name, std::uint16_t length);
  FlashImageBuilder& Raw(std::size_t offset, std::string_view data);
  std::string Build() const { return image_.owned; }

 private:
  flash::FlashImage image_;
};

std::string TcsRecord(std::string_view name, std::uint8_t use, std::uint8_t tp, std::uint16_t sid,
                      std::uint16_t vpid, std::uint16_t apid, std::uint16_t vecm = 0,
                      std::uint16_t aecm = 0, std::uint16_t pcr = 0);

std::string TptRecord(std::uint32_t frequency_hz, std::uint16_t tid, std::uint16_t nid,
                      std::uint8_t chn, std::uint8_t sr, std::uint8_t fec, std::uint8_t flags);

// A 2040-byte transponder list whose first three records are used (one upper-band
// horizontal on DiSEqC B, one lower-band vertical, one upper-band horizontal).
std::string ThreeTransponders();

// A section of a scan table: one row as the DVB-S tables of dtv-scan-tables write it.
std::string ScanTableRow(std::int64_t khz, const char* polarisation, std::int64_t symbol_rate,
                         const char* fec, const char* system = "DVBS");

// A channel list of count varied records.
std::string ChannelList(std::size_t count);

// The names of FullChannelImage's channels: the first three test escaping, a control byte
// and Latin-1; the others are "Sender 0004" and on.
std::string FullChannelName(std::size_t index);
// An image with a full TCS block: 2182 channels (SID 10000 up) on 40 transponders, A and B in turn.
std::string FullChannelImage();

// A test's own folder, removed afterwards, and the real disk it is on for routines that take one.
class TempDir {
 public:
  common::SystemFiles disk;

  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string Path(std::string_view name) const;
  std::string Write(std::string_view name, std::string_view bytes) const;
  static std::string Read(const std::string& path);
  // Names in the folder, to catch temporary files left behind.
  std::size_t EntryCount() const;

 private:
  std::filesystem::path root_;
};

}  // namespace chanforge::testing
