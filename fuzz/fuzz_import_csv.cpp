// Any CSV text either is refused with a reason or gives a whole block; exporting what an
// import made and importing that again changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editing/list_csv.h"
#include "flash/blocks.h"

namespace {

// Twelve channels, one on no transponder and one past the list; three transponders, the
// middle one empty and the first with flags the CSV cannot show.
chanforge::flash::Workspace MakeImage() {
  using namespace chanforge;
  // Block 1 is cut short so that each copy of the image stays under the sanitizer's largest
  // size class (128 KB), whose memory is reused rather than mapped afresh for every input.
  // Its room still holds far more transponders than an input of 4 KB can name.
  flash::FlashImage image{std::string(common::kBlockSize + common::kBlockSize / 2, '\xFF'), {}};
  std::string channels;
  for (int i = 0; i < 12; ++i) {
    channels::ChannelRecord record;
    record.name = {'C', static_cast<char>('a' + i), '\0', static_cast<char>(i)};
    record.use = 1;
    record.tp = static_cast<std::uint8_t>(i % 5);
    record.words[channels::kSid] = static_cast<std::uint16_t>(100 + i);
    channels += record.Encode();
  }
  std::string list;
  for (const std::uint32_t hz : {1832123u, 0u, 2000000000u}) {
    transponders::TransponderRecord record;
    record.frequency = hz;
    record.fec = hz == 0 ? 0 : 7;
    record.flags = hz == 1832123u ? 0x4F : 0x02;
    list += record.Encode();
  }
  list.resize(transponders::kTptFileMinimumSize, '\0');
  flash::PutBlock(image, 0, "TCS", channels);
  flash::PutBlock(image, 1, "TPT", list);
  flash::Workspace w;
  w.Load(std::move(image.owned), {});
  return w;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chanforge;
  if (size == 0) return 0;
  static const flash::Workspace image = MakeImage();
  const auto list = data[0] % 2 ? common::ListKind::kChannels : common::ListKind::kTransponders;
  const std::string_view csv(reinterpret_cast<const char*>(data) + 1, size - 1);
  flash::Workspace changed = image;
  editing::ListDocument document(changed);
  common::Result<editing::CsvImport> import = editing::ReadListCsv(document, list, csv, "f");
  if (!import.ok()) return 0;
  editing::ImportCommand(list, std::move(*import), {})->Apply(document);
  if (changed.image().bytes().size() != image.image().bytes().size()) std::abort();
  // What was imported exports and imports again to the same bytes, asking nothing.
  const std::string after(changed.image().bytes());
  common::Result<editing::CsvImport> again =
      editing::ReadListCsv(document, list, editing::ListCsv(document, list), "f");
  if (!again.ok() || !again->questions.empty()) std::abort();
  editing::ImportCommand(list, std::move(*again), {})->Apply(document);
  if (changed.image().bytes() != after) std::abort();
  return 0;
}
