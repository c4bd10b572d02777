// The whole road a technician takes: image, block file, text, edit, back into the image.
#include <gtest/gtest.h>

#include "channels/channel_conversions.h"
#include "channels/channel_record.h"
#include "flash/block_transfer.h"
#include "flash/flash_file.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"
#include "transponders/diseqc_swap.h"
#include "transponders/transponder_conversions.h"
#include "transponders/transponder_record.h"

namespace chanforge {
namespace {

using common::Outcome;
using testing::ScriptedFrontend;
using testing::TempDir;

TEST(FullRoad, EditOneChannelAndSaveTheImage) {
  TempDir dir;
  const std::string channels = testing::ChannelList(2000);
  const std::string transponders =
      testing::TptRecord(1178000000, 1, 2, 3, 4, 2, 0x01) + std::string(2028, '\0');
  const std::string image =
      testing::FlashImageBuilder().Block(0, "TCS", channels).Block(1, "TPT", transponders).Build();
  const std::string flash_file = dir.Write("flash512k.bin", image);
  const std::string bin = dir.Path("TCS"), txt = dir.Path("TCS.txt");

  flash::Workspace w;
  flash::ListFileNames names{"TCS", "TPT"};
  ScriptedFrontend ui;
  ui.Choose(flash_file).Choose(bin);
  ASSERT_EQ(flash::LoadFlashFile(w, ui, ""), Outcome::kDone);
  ASSERT_EQ(flash::SaveBlockToFile(w, ui, 0, false, names), Outcome::kDone);
  ASSERT_EQ(channels::ConvertTcsToText(ui, bin, txt), Outcome::kDone);

  // Rename channel 1000 in the text, as a user would in an editor.
  std::string text = TempDir::Read(txt);
  const std::size_t line = 999 * 65;
  text.replace(line + 5, 16, "EDITED CHANNEL  ");
  dir.Write("TCS.txt", text);

  ui.Answer(true);  // replace the old binary
  ASSERT_EQ(channels::ConvertTextToTcs(ui, bin, txt), Outcome::kDone);
  ui.Choose(bin);
  ASSERT_EQ(flash::ReadBlockFromFile(w, ui, 0, false, names), Outcome::kDone);
  EXPECT_TRUE(w.dirty);
  const std::string out = dir.Path("out.bin");
  ui.Choose(out);
  ASSERT_EQ(flash::SaveFlashFile(w, ui, w.image.fileName), Outcome::kDone);

  std::string expected = image;
  expected.replace(0x44 + 999 * 30, 16, std::string("EDITED CHANNEL\0\0", 16));
  EXPECT_EQ(TempDir::Read(out), expected);
  EXPECT_EQ(w.blocks[0].length, 60000);
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace chanforge
