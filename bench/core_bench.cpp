// Throughput of the hot core routines: the block scan, both formatters and parsers,
// the hex dump, the image check and comparison, and the list editor's steps and
// history on a 9,999-channel list, a reference order applied to a full channel block, and
// the printable HTML page of a full block.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "channels/channel_record.h"
#include "check/image_check.h"
#include "check/image_diff.h"
#include "cli/html_page.h"
#include "editing/list_commands.h"
#include "editing/list_csv.h"
#include "editing/reference_order.h"
#include "flash/blocks.h"
#include "full_list.h"
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
  const std::string bytes = RandomBytes(records * transponders::kTptRecordSize, 3);
  std::string list;
  for (std::size_t i = 0; i < records; ++i) {
    auto record = transponders::TransponderRecord::Decode(
        std::string_view(bytes).substr(i * transponders::kTptRecordSize));
    record.frequency |= 0x40000000;  // every record used
    list += record.Encode();
  }
  return list;
}

flash::FlashImage Image() {
  flash::FlashImage image{std::string(524288, '\xFF'), {}};
  flash::PutBlock(image, 0, "TCS", RandomBytes(60000, 5));
  return image;
}

void BM_ScanBlocks(benchmark::State& state) {
  const flash::FlashImage image = Image();
  for (auto _ : state) benchmark::DoNotOptimize(flash::ScanBlocks(image));
  state.SetBytesProcessed(state.iterations() * image.size());
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
  for (auto _ : state)
    benchmark::DoNotOptimize(transponders::FormatTptLines(list, common::TptLayout::kFull));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(list.size()));
}
BENCHMARK(BM_FormatTptLines)->Arg(170)->Arg(255);

void BM_ParseTptLine(benchmark::State& state) {
  const auto lines = transponders::FormatTptLines(TptList(static_cast<std::size_t>(state.range(0))),
                                                  common::TptLayout::kFull);
  std::int64_t bytes = 0;
  for (const auto& line : lines) bytes += static_cast<std::int64_t>(line.size());
  for (auto _ : state) {
    for (const auto& line : lines) benchmark::DoNotOptimize(transponders::ParseTptLine(line));
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_ParseTptLine)->Arg(170)->Arg(255);

void BM_HexDumpLines(benchmark::State& state) {
  flash::Workspace w;
  w.Load(Image().owned, {});
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        views::HexDumpLines(flash::WholeBlockBytes(w, w.blocks()[0]), views::CharColumn::kLatin1));
  }
  state.SetBytesProcessed(state.iterations() * common::kBlockSize);
}
BENCHMARK(BM_HexDumpLines);

// A full image: 2,000 channels over 100 transponders, the other blocks random bytes.
flash::Workspace FullImage() {
  flash::FlashImage image{RandomBytes(524288, 9), {}};
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
  for (int i = 0; i < flash::kBlockCount; ++i) {
    flash::PutBlock(image, i,
                    i == 0   ? "TCS"
                    : i == 1 ? "TPT"
                             : "DATA",
                    i == 0   ? channels
                    : i == 1 ? transponders
                             : RandomBytes(60000, 11));
  }
  flash::Workspace w;
  w.Load(std::move(image.owned), {});
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
  std::string bytes(a.image().bytes());
  for (int i = 0; i < 20; ++i) bytes[0x44 + 30 * 97 * static_cast<std::size_t>(i)] ^= 1;
  bytes.erase(0x44 + 30 * 1000, 30);
  bytes.insert(0x44 + 30 * 1999, 30, '\0');
  for (std::size_t block = 2; block < 8; ++block) bytes[block * 65536 + 5000] ^= 1;
  flash::Workspace b;
  b.Load(std::move(bytes), {});
  for (auto _ : state) benchmark::DoNotOptimize(check::DiffImages(a, b));
}
BENCHMARK(BM_DiffImages)->Unit(benchmark::kMillisecond);
// A 9,999-channel document over 200 transponders. A block holds 2,182 channels; the rest
// live in the document only (the block keeps what fits), which is what the limit asks of
// the model.
struct BigList {
  flash::Workspace workspace;
  std::unique_ptr<editing::ListDocument> document;
  std::unique_ptr<editing::UndoStack> stack;

  BigList() {
    flash::FlashImage image{std::string(524288, '\xFF'), {}};
    std::string tpt;
    for (std::uint32_t i = 0; i < 200; ++i) {
      transponders::TransponderRecord t;
      t.frequency = 1000000000u + (i * 7919u % 200u) * 1000000u;
      tpt += t.Encode();
    }
    std::mt19937 random(11);
    std::vector<channels::ChannelRecord> list(9999);
    for (std::size_t i = 0; i < list.size(); ++i) {
      const std::string name = "Channel " + std::to_string(random() % 100000);
      name.copy(list[i].name.data(), name.size());
      list[i].tp = static_cast<std::uint8_t>(1 + random() % 200);
      list[i].words[channels::kSid] = static_cast<std::uint16_t>(random());
    }
    flash::PutBlock(image, 0, "TCS", "");
    flash::PutBlock(image, 1, "TPT", tpt);
    workspace.Load(std::move(image.owned), {});
    document = std::make_unique<editing::ListDocument>(workspace);
    stack = std::make_unique<editing::UndoStack>(*document);
    stack->Push(editing::InsertChannels(0, list, editing::Inserted::kNew));
    stack->Clear();
  }
};

using Step = std::function<std::unique_ptr<editing::Command>(editing::ListDocument&, int)>;

const std::vector<std::pair<const char*, Step>>& Steps() {
  using namespace editing;
  using channels::ChannelField, channels::ChannelRecord;
  static const std::vector<std::pair<const char*, Step>> steps = {
      {"rename",
       [](ListDocument& d, int i) {
         ChannelRecord r = d.channels()[static_cast<std::size_t>(i) * 37 % d.channels().size()];
         r.name[0] = static_cast<char>('A' + i % 26);
         return SetChannel(static_cast<std::size_t>(i) * 37 % d.channels().size(),
                           ChannelField::kName, r);
       }},
      {"move 100 rows", [](ListDocument&, int) { return MoveChannels(10, 100, 9000); }},
      {"remove 5 rows",
       [](ListDocument&, int) {
         return RemoveChannels({1, 50, 900, 4000, 9000});
       }},
      {"duplicate 3 rows",
       [](ListDocument& d, int) {
         return InsertChannels(20, {d.channels()[1], d.channels()[2], d.channels()[3]},
                               Inserted::kCopies);
       }},
      {"sort by name", [](ListDocument&, int) { return SortChannels(SortKey::kName); }},
      {"sort by SID", [](ListDocument&, int) { return SortChannels(SortKey::kSid); }},
      {"sort by frequency", [](ListDocument&, int) { return SortChannels(SortKey::kFrequency); }},
      {"move transponder", [](ListDocument&, int) { return MoveTransponders(0, 1, 150); }},
      {"remove transponder and its channels",
       [](ListDocument&, int) { return RemoveTransponder(7); }},
  };
  return steps;
}

// One step made and applied, undone, and redone: each must stay under 16 ms. The mean and
// the slowest of each are reported.
void BM_EditStep(benchmark::State& state) {
  BigList big;
  const auto& [name, step] = Steps()[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(name);
  int i = 0;
  using Clock = std::chrono::steady_clock;
  double total[3] = {}, most[3] = {};
  const auto take = [&](int kind, Clock::time_point from) {
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - from).count();
    total[kind] += ms;
    most[kind] = std::max(most[kind], ms);
  };
  for (auto _ : state) {
    Clock::time_point t = Clock::now();
    big.stack->Push(step(*big.document, i++));
    take(0, t);
    t = Clock::now();
    big.stack->Undo();
    take(1, t);
    t = Clock::now();
    big.stack->Redo();
    take(2, t);
    big.stack->Undo();
  }
  const char* names[] = {"apply", "undo", "redo"};
  for (int k = 0; k < 3; ++k) {
    state.counters[std::string(names[k]) + "_ms"] = total[k] / static_cast<double>(i);
    state.counters[std::string(names[k]) + "_max_ms"] = most[k];
  }
}
BENCHMARK(BM_EditStep)->DenseRange(0, 8)->Iterations(50);

// The heap the history holds after 1,000 steps of every kind, taken in turn.
void BM_History1000Steps(benchmark::State& state) {
  for (auto _ : state) {
    BigList big;
    const std::size_t before = mallinfo2().uordblks;
    for (int i = 0; i < 1000; ++i) {
      const auto& steps = Steps();
      // Removing a transponder's channels every ninth step would empty the list early.
      const std::size_t kind = static_cast<std::size_t>(i) % (steps.size() - 1);
      big.stack->Push(steps[kind].second(*big.document, i));
    }
    state.counters["history_MB"] =
        static_cast<double>(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
    state.counters["steps"] = static_cast<double>(big.stack->size());
  }
}
BENCHMARK(BM_History1000Steps)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

// A full block of 2,182 channels takes the order of a shuffled copy of itself, given as an
// image (0) or as its CSV (1): reading the reference, matching, and the step with its
// write-back.
void BM_ApplyOrder(benchmark::State& state) {
  BigList big;
  editing::ListDocument& document = *big.document;
  big.stack->Push(editing::RemoveChannels([] {
    std::vector<std::size_t> rows(9999 - editing::kChannelRoom);
    std::iota(rows.begin(), rows.end(), editing::kChannelRoom);
    return rows;
  }()));
  big.stack->Clear();
  BigList shuffled;
  std::vector<channels::ChannelRecord> order = document.channels();
  std::shuffle(order.begin(), order.end(), std::mt19937(5));
  shuffled.stack->Push(editing::ReplaceChannels(order, common::Value("shuffle")));
  const bool csv = state.range(0) == 1;
  state.SetLabel(csv ? "CSV reference" : "image reference");
  const std::string text = editing::ListCsv(*shuffled.document, common::ListKind::kChannels);
  for (auto _ : state) {
    editing::Reference reference;
    if (csv) {
      benchmark::DoNotOptimize(editing::ReadReferenceCsv(text, "order.csv", reference));
    } else {
      reference = editing::ReferenceOf(*shuffled.document);
    }
    const editing::OrderPlan plan = editing::PlanOrder(document, reference, {});
    big.stack->Push(editing::ApplyOrder(plan, common::Value("order")));
    state.PauseTiming();
    big.stack->Undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ApplyOrder)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// export-html's work for a full block of 2,182 channels: the rows and the page, grouped by
// transponder (1) or not (0). Target: under 50 ms.
void BM_HtmlPage(benchmark::State& state) {
  const bench::FullList list = bench::MakeFullList();
  views::PrintChoices choices;
  choices.group = state.range(0) == 1 ? views::PrintGroup::kTransponder : views::PrintGroup::kNone;
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    cli::WriteHtmlPage(views::PrintSource(list.channels, list.transponders, choices,
                                          "flash512k.bin", "2026-12-06"),
                       choices, [&](std::string_view piece) {
                         bytes += piece.size();
                         benchmark::DoNotOptimize(piece.data());
                         return true;
                       });
  }
  state.counters["page_KB"] = static_cast<double>(bytes) / 1024.0;
}
BENCHMARK(BM_HtmlPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
