// Throughput of the hot core routines: the block scan, both formatters and parsers,
// and the hex dump.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "channels/channel_record.h"
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

}  // namespace
