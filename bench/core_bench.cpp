// Throughput of the hot core routines: the block scan, both formatters and parsers,
// the hex dump, and the image check and comparison.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "channels/channel_record.h"
#include "check/image_check.h"
#include "check/image_diff.h"
#include "flash/blocks.h"
#include "transponders/transponder_record.h"
#include "views/block_view.h"

namespace {

using namespace chanforge;

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

std::string TptList(std::size_t records) {
  const std::string bytes = RandomBytes(records * transponders::TptRecordSize, 3);
  std::string list;
  for (std::size_t i = 0; i < records; ++i) {
    auto record = transponders::TransponderRecord::Decode(
        std::string_view(bytes).substr(i * transponders::TptRecordSize));
    record.frequency |= 0x40000000;  // every record used
    list += record.Encode();
  }
  return list;
}

flash::Workspace Image() {
  flash::Workspace w;
  w.image.bytes = std::string(524288, '\xFF');
  flash::PutBlock(w.image, 0, "TCS", RandomBytes(60000, 5));
  return w;
}

void BM_ScanBlocks(benchmark::State& state) {
  flash::Workspace w = Image();
  for (auto _ : state) {
    flash::ScanBlocks(w);
    benchmark::DoNotOptimize(w.blocks);
  }
  state.SetBytesProcessed(state.iterations() * w.image.size());
}
BENCHMARK(BM_ScanBlocks);

void BM_FormatTcsLines(benchmark::State& state) {
  const std::string list = RandomBytes(static_cast<std::size_t>(state.range(0)) * 30, 1);
  for (auto _ : state) benchmark::DoNotOptimize(channels::FormatTcsLines(list));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(list.size()));
}
BENCHMARK(BM_FormatTcsLines)->Arg(2000)->Arg(9999);

void BM_ParseTcsLine(benchmark::State& state) {
  const auto lines =
      channels::FormatTcsLines(RandomBytes(static_cast<std::size_t>(state.range(0)) * 30, 1));
  std::int64_t bytes = 0;
  for (const auto& line : lines) bytes += static_cast<std::int64_t>(line.size());
  for (auto _ : state) {
    for (const auto& line : lines) benchmark::DoNotOptimize(channels::ParseTcsLine(line));
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_ParseTcsLine)->Arg(2000)->Arg(9999);

void BM_FormatTptLines(benchmark::State& state) {
  const std::string list = TptList(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(transponders::FormatTptLines(list, false));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(list.size()));
}
BENCHMARK(BM_FormatTptLines)->Arg(170)->Arg(255);

void BM_ParseTptLine(benchmark::State& state) {
  const auto lines =
      transponders::FormatTptLines(TptList(static_cast<std::size_t>(state.range(0))), false);
  std::int64_t bytes = 0;
  for (const auto& line : lines) bytes += static_cast<std::int64_t>(line.size());
  for (auto _ : state) {
    for (const auto& line : lines) benchmark::DoNotOptimize(transponders::ParseTptLine(line));
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_ParseTptLine)->Arg(170)->Arg(255);

void BM_HexDumpLines(benchmark::State& state) {
  flash::Workspace w = Image();
  flash::ScanBlocks(w);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        views::HexDumpLines(flash::WholeBlockBytes(w, w.blocks[0]), views::CharColumn::kLatin1));
  }
  state.SetBytesProcessed(state.iterations() * flash::BlockSize);
}
BENCHMARK(BM_HexDumpLines);

// A full image: 2,000 channels over 100 transponders, the other blocks random bytes.
flash::Workspace FullImage() {
  flash::Workspace w;
  w.image.bytes = RandomBytes(524288, 9);
  std::string channels;
  for (int i = 0; i < 2000; ++i) {
    channels::ChannelRecord record;
    const std::string name = "Channel " + std::to_string(i);
    name.copy(record.name.data(), record.name.size());
    record.use = 4;
    record.tp = static_cast<std::uint8_t>(1 + i % 100);
    record.words = {static_cast<std::uint16_t>(i), 100, 101, 0, 0, 100};
    channels += record.Encode();
  }
  std::string transponders;
  for (std::uint32_t i = 0; i < 100; ++i) {
    transponders +=
        transponders::TransponderRecord{1000000000 + i * 10000000,           1, 1, 0, 0x16, 2,
                                        static_cast<std::uint8_t>(i % 2 * 2)}
            .Encode();
  }
  for (int i = 0; i < flash::BlockCount; ++i) {
    flash::PutBlock(w.image, i,
                    i == 0   ? "TCS"
                    : i == 1 ? "TPT"
                             : "DATA",
                    i == 0   ? channels
                    : i == 1 ? transponders
                             : RandomBytes(60000, 11));
  }
  flash::ScanBlocks(w);
  return w;
}

void BM_CheckImage(benchmark::State& state) {
  const flash::Workspace w = FullImage();
  for (auto _ : state) benchmark::DoNotOptimize(check::CheckImage(w));
}
BENCHMARK(BM_CheckImage)->Unit(benchmark::kMillisecond);

// Twenty renamed channels, one removed, and a few bytes in every other block.
void BM_DiffImages(benchmark::State& state) {
  const flash::Workspace a = FullImage();
  flash::Workspace b = a;
  for (int i = 0; i < 20; ++i) b.image.bytes[0x44 + 30 * 97 * static_cast<std::size_t>(i)] ^= 1;
  b.image.bytes.erase(0x44 + 30 * 1000, 30);
  b.image.bytes.insert(0x44 + 30 * 1999, 30, '\0');
  for (std::size_t block = 2; block < 8; ++block) b.image.bytes[block * 65536 + 5000] ^= 1;
  flash::ScanBlocks(b);
  for (auto _ : state) benchmark::DoNotOptimize(check::DiffImages(a, b));
}
BENCHMARK(BM_DiffImages)->Unit(benchmark::kMillisecond);

}  // namespace
