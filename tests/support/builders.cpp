#include "support/builders.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>

#include "channels/channel_record.h"
#include "flash/blocks.h"
#include "transponders/transponder_record.h"

namespace chanforge::testing {

FlashImageBuilder& FlashImageBuilder::Header(int index, std::string_view name,
                                             std::uint16_t length) {
  const std::size_t base = static_cast<std::size_t>(index) * common::kBlockSize;
  Raw(base + flash::kNameOffset, std::string(name) + '\0');
  return Raw(base + flash::kLengthOffset,
             std::string{static_cast<char>(length & 0xFF), static_cast<char>(length >> 8)});
}

FlashImageBuilder& FlashImageBuilder::Block(int index, std::string_view name,
                                            std::string_view data) {
  flash::PutBlock(image_, index, name, data);
  return *this;
}

FlashImageBuilder& FlashImageBuilder::Raw(std::size_t offset, std::string_view data) {
  flash::WriteIntoImage(image_, static_cast<std::int64_t>(offset), data);
  return *this;
}

std::string TcsRecord(std::string_view name, std::uint8_t use, std::uint8_t tp, std::uint16_t sid,
                      std::uint16_t vpid, std::uint16_t apid, std::uint16_t vecm,
                      std::uint16_t aecm, std::uint16_t pcr) {
  channels::ChannelRecord record;
  name.substr(0, record.name.size()).copy(record.name.data(), record.name.size());
  record.use = use;
  record.tp = tp;
  record.words = {sid, vpid, apid, vecm, aecm, pcr};
  return record.Encode();
}

std::string TptRecord(std::uint32_t frequency_hz, std::uint16_t tid, std::uint16_t nid,
                      std::uint8_t chn, std::uint8_t sr, std::uint8_t fec, std::uint8_t flags) {
  return transponders::TransponderRecord{frequency_hz, tid, nid, chn, sr, fec, flags}.Encode();
}

std::string ThreeTransponders() {
  std::string list = TptRecord(1178000000, 1, 2, 3, 4, 2, 0x0B) +
                     TptRecord(1000000000, 5, 6, 7, 8, 1, 0) +
                     TptRecord(1500000000, 9, 10, 11, 12, 0, 0x03);
  list.resize(2040, '\0');
  return list;
}

std::string ScanTableRow(std::int64_t khz, const char* polarisation, std::int64_t symbol_rate,
                         const char* fec, const char* system) {
  return "[CHANNEL]\nDELIVERY_SYSTEM = " + std::string(system) +
         "\nFREQUENCY = " + std::to_string(khz) + "\nPOLARIZATION = " + polarisation +
         "\nSYMBOL_RATE = " + std::to_string(symbol_rate) + "\nINNER_FEC = " + fec + "\n";
}

std::string ChannelList(std::size_t count) {
  std::mt19937 random(7);
  std::string list;
  for (std::size_t i = 0; i < count; ++i) {
    std::string record = TcsRecord("Channel " + std::to_string(i + 1), 0, 0, 0, 0, 0);
    for (std::size_t k = 16; k < 30; ++k) record[k] = static_cast<char>(random());
    list += record;
  }
  return list;
}

std::string FullChannelName(std::size_t index) {
  constexpr const char* kSpecial[] = {"<b>&\"", "Caf\xE9 \x01 'x'", "A  B > C"};
  if (index < std::size(kSpecial)) return kSpecial[index];
  std::string number = std::to_string(index + 1);
  return "Sender " + std::string(4 - number.size(), '0') + number;
}

std::string FullChannelImage() {
  std::string tpt, tcs;
  for (std::uint32_t t = 0; t < 40; ++t)
    tpt += TptRecord(1000000000u + t * 20000000u, 1, 1, 0, 27, 2, t % 2 == 0 ? 0 : 0x0A);
  for (std::size_t i = 0; i < 2182; ++i)
    tcs += TcsRecord(FullChannelName(i), 1, static_cast<std::uint8_t>(1 + i % 40),
                     static_cast<std::uint16_t>(10000 + i), 0, 0);
  return FlashImageBuilder().Block(0, "TCS", tcs).Block(1, "TPT", tpt).Build();
}

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device device;
  root_ = std::filesystem::temp_directory_path() /
          ("chanforge-test-" + std::to_string(device()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(root_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(root_, ec);
}

std::string TempDir::Path(std::string_view name) const { return (root_ / name).string(); }

std::string TempDir::Write(std::string_view name, std::string_view bytes) const {
  const std::string path = Path(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::string TempDir::Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;  // in one piece: a character at a time is slow in a debug build
  if (in) bytes << in.rdbuf();
  return std::move(bytes).str();
}

std::size_t TempDir::EntryCount() const {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(root_),
                                                std::filesystem::directory_iterator()));
}

}  // namespace chanforge::testing
