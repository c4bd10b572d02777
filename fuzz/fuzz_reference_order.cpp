// The reference reader of apply-order on any input, a channel CSV or the TCS block of a
// reference image: it reads a reference or refuses with a reason, and the order that
// reference gives moves every record whole, each once.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editing/reference_order.h"
#include "flash/blocks.h"

namespace {

using namespace chanforge;

// Twelve channels on three transponders, SIDs and names repeating so that matches tie.
// Cut to a block and a half, as the import fuzzer's image, so that a copy stays cheap.
flash::FlashImage MakeImage() {
  flash::FlashImage image{std::string(common::kBlockSize + common::kBlockSize / 2, '\xFF'), {}};
  std::string channels;
  for (int i = 0; i < 12; ++i) {
    channels::ChannelRecord record;
    record.name = {'C', static_cast<char>('a' + i % 4)};
    record.use = 1;
    record.tp = static_cast<std::uint8_t>(i % 4);
    record.words[channels::kSid] = static_cast<std::uint16_t>(100 + i % 5);
    channels += record.Encode();
  }
  std::string list;
  for (const std::uint32_t hz : {994000000u, 1001000000u, 994000000u}) {
    transponders::TransponderRecord record;
    record.frequency = hz;
    record.flags = hz == 994000000u && list.empty() ? 0x02 : 0x08;
    list += record.Encode();
  }
  list.resize(transponders::kTptFileMinimumSize, '\0');
  flash::PutBlock(image, 0, "TCS", channels);
  flash::PutBlock(image, 1, "TPT", list);
  return image;
}

flash::Workspace Loaded(std::string bytes) {
  flash::Workspace workspace;
  workspace.Load(std::move(bytes), {});
  return workspace;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const flash::FlashImage image = MakeImage();
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  editing::Reference reference;
  if ((data[0] & 1) != 0) {
    if (!editing::ReadReferenceCsv(input, "f", reference).ok()) return 0;
  } else {
    flash::FlashImage other{image.owned, {}};
    flash::PutBlock(other, 0, "TCS", input);
    flash::Workspace workspace = Loaded(std::move(other.owned));
    const editing::ListDocument document(workspace);
    if (!document.CheckEditable(common::ListKind::kChannels).ok()) return 0;
    reference = editing::ReferenceOf(document);
  }
  flash::Workspace workspace = Loaded(image.owned);
  editing::ListDocument document(workspace);
  const auto placement =
      (data[0] & 2) != 0 ? editing::NewChannels::kFirst : editing::NewChannels::kLast;
  const editing::OrderPlan plan = editing::PlanOrder(document, reference, placement);
  const std::vector<channels::ChannelRecord> before = document.channels();
  if (plan.order.size() != before.size() ||
      plan.followed + plan.new_channels.size() != before.size() ||
      plan.followed + plan.missing_channels.size() != reference.channels.size()) {
    std::abort();
  }
  std::vector<bool> seen(before.size(), false);
  for (const std::uint32_t row : plan.order) {
    if (row >= before.size() || seen[row]) std::abort();
    seen[row] = true;
  }
  editing::ApplyOrder(plan, {})->Apply(document);
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (document.channels()[i] != before[plan.order[i]]) std::abort();
  }
  return 0;
}
