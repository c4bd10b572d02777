#include "check/image_check.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "editing/sample_image.h"
#include "flash/blocks.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"
#include "support/workspace.h"

namespace chanforge::check {
namespace {

using testing::FlashImageBuilder;
using testing::TcsRecord;
using testing::TptRecord;

std::string Ch(int sid, std::uint8_t tp = 1, std::string_view name = "Ch") {
  return TcsRecord(name, 4, tp, static_cast<std::uint16_t>(sid), 1, 2);
}

// Block 0 a channel list over block 1's three transponders: clean unless a case spoils it.
FlashImageBuilder Good(const std::string& channels = Ch(1) + Ch(2, 2) + Ch(3, 3),
                       const std::string& transponders = testing::ThreeTransponders()) {
  FlashImageBuilder builder;
  builder.Block(0, "TCS", channels).Block(1, "TPT", transponders);
  return builder;
}

std::string Tpt(std::initializer_list<std::string> records) {
  std::string list;
  for (const std::string& r : records) list += r;
  list.resize(2040, '\0');
  return list;
}

const std::string kLower = TptRecord(1000000000, 5, 6, 7, 8, 1, 0);  // 10750000 kHz V

TEST(ImageCheck, EachRuleFindsItsFault) {
  std::string many;
  for (int i = 0; i < 2001; ++i) many += Ch(i + 1, static_cast<std::uint8_t>(1 + i % 3));
  std::string noise(524288, '\0');
  std::mt19937 random(3);
  for (char& c : noise) c = static_cast<char>(random());
  // Each fault, an image with it alone, and the finding: its rule, severity, block, record and
  // field.
  const std::tuple<const char*, std::string, Rule, Severity, int, int, const char*> cases[] = {
      {"size", FlashImageBuilder(524289).Block(0, "TCS", "").Build(), Rule::kImageSize,
       Severity::kWarning, kImageWide, 0, ""},
      {"no list", FlashImageBuilder().Header(2, "LOGO", 65535).Build(), Rule::kNoUsableBlocks,
       Severity::kError, kImageWide, 0, ""},
      {"random bytes", noise, Rule::kNoUsableBlocks, Severity::kError, kImageWide, 0, ""},
      {"past end", Good().Header(0, "TCS", 65490).Build(), Rule::kLengthPastEnd, Severity::kError,
       0, 0, "length"},
      {"part record", Good(Ch(1) + "x").Build(), Rule::kPartRecord, Severity::kError, 0, 0,
       "length"},
      {"second list", Good().Block(2, "tpt", testing::ThreeTransponders()).Build(),
       Rule::kSecondList, Severity::kWarning, 2, 0, ""},
      {"tp 0", Good(Ch(1) + Ch(2, 0)).Build(), Rule::kTpMissing, Severity::kError, 0, 2, "tp"},
      {"tp past, transponders first",
       FlashImageBuilder().Block(0, "TPT", Tpt({kLower})).Block(1, "TCS", Ch(1, 2)).Build(),
       Rule::kTpMissing, Severity::kError, 1, 1, "tp"},
      {"tp empty",
       Good(Ch(1) + Ch(2, 2),
            Tpt({kLower, std::string(12, '\0'), TptRecord(1000000000, 5, 6, 7, 8, 1, 2)}))
           .Build(),
       Rule::kTpMissing, Severity::kError, 0, 2, "tp"},
      {"same sid", Good(Ch(1) + Ch(2) + Ch(1)).Build(), Rule::kDuplicateSid, Severity::kWarning, 0,
       3, "sid"},
      {"sid 0", Good(Ch(1) + Ch(0)).Build(), Rule::kSidZero, Severity::kWarning, 0, 2, "sid"},
      {"cut name", Good(Ch(1) + Ch(2, 1, std::string("A\0B", 3))).Build(), Rule::kNameControlBytes,
       Severity::kWarning, 0, 2, "name"},
      {"delete byte", Good(Ch(1) + Ch(2, 1, "A\x7F")).Build(), Rule::kNameControlBytes,
       Severity::kWarning, 0, 2, "name"},
      {"free slot", Good(Ch(1) + std::string(30, '\xFF') + Ch(2)).Build(), Rule::kEmptyRecordInside,
       Severity::kWarning, 0, 2, ""},
      {"zero slot", Good(Ch(1) + std::string(30, '\0') + Ch(2)).Build(), Rule::kEmptyRecordInside,
       Severity::kWarning, 0, 2, ""},
      {"too many", Good(many).Build(), Rule::kTooManyChannels, Severity::kWarning, 0, 0, ""},
      {"below U", Good(Ch(1), Tpt({kLower, TptRecord(949999000, 1, 1, 0, 0, 0, 1)})).Build(),
       Rule::kFrequencyRange, Severity::kError, 1, 2, "frequency"},
      {"above D", Good(Ch(1), Tpt({TptRecord(2147484000, 1, 1, 0, 0, 0, 0)})).Build(),
       Rule::kFrequencyRange, Severity::kError, 1, 1, "frequency"},
      {"same transponder", Good(Ch(1), Tpt({kLower, kLower})).Build(), Rule::kDuplicateTransponder,
       Severity::kWarning, 1, 2, "frequency"},
      {"hidden flags", Good(Ch(1), TptRecord(1000000000, 1, 1, 0, 0, 0, 0x10)).Build(),
       Rule::kHiddenFlags, Severity::kWarning, 1, 1, "flags"},
      {"unknown fec", Good(Ch(1), TptRecord(1000000000, 1, 1, 0, 0, 4, 0)).Build(),
       Rule::kUnknownFec, Severity::kWarning, 1, 1, "fec"},
  };
  for (const auto& [fault, image, rule, severity, block, record, field] : cases) {
    SCOPED_TRACE(fault);
    const std::vector<Finding> findings = CheckImage(testing::LoadedWorkspace(image));
    ASSERT_EQ(findings.size(), 1u) << FormatFinding(findings.back());
    const Finding& f = findings[0];
    EXPECT_EQ(f.rule, rule);
    EXPECT_EQ(f.severity, severity);
    EXPECT_EQ(f.severity, RuleOf(rule).severity);
    EXPECT_EQ(f.block, block);
    EXPECT_EQ(f.record, record);
    EXPECT_EQ(f.field, field);
  }
  // A finding's field by its heading; the hidden flag bits have none of their own.
  EXPECT_EQ(Format(FieldTitle(common::ListKind::kTransponders, "flags")), "Flag bits");
  EXPECT_EQ(Format(FieldTitle(common::ListKind::kTransponders, "nid")), "NID");
  EXPECT_EQ(Format(FieldTitle(common::ListKind::kChannels, "odd")), "odd");
  // Each later channel with a SID and TP names the first one (a free slot and the same SID
  // on another TP between them).
  std::vector<std::pair<int, bool>> duplicates;  // the record, whether it names channel 1
  for (const Finding& f : CheckImage(testing::LoadedWorkspace(
           Good(Ch(5) + Ch(5, 2) + std::string(30, '\0') + Ch(5) + Ch(5)).Build()))) {
    if (f.rule == Rule::kDuplicateSid)
      duplicates.emplace_back(f.record, Format(FormatFinding(f)).ends_with("at channel 1"));
  }
  EXPECT_EQ(duplicates, (std::vector<std::pair<int, bool>>{{4, true}, {5, true}}));
  // A full list of repeated pairs: each repeat names the first channel of its SID and TP.
  std::string full;
  std::map<std::pair<int, int>, int> first;
  std::vector<std::pair<int, int>> expected, found;  // the record, the channel it names
  for (int i = 0; i < 2182; ++i) {
    const int sid = 1 + i * 7 % 600, tp = 1 + i % 3;
    full += Ch(sid, static_cast<std::uint8_t>(tp));
    const auto [at, fresh] = first.emplace(std::pair(sid, tp), i + 1);
    if (!fresh) expected.emplace_back(i + 1, at->second);
  }
  for (const Finding& f : CheckImage(testing::LoadedWorkspace(Good(full).Build()))) {
    const std::string text = Format(FormatFinding(f));
    if (f.rule == Rule::kDuplicateSid)
      found.emplace_back(f.record, std::stoi(text.substr(text.rfind(' ') + 1)));
  }
  EXPECT_EQ(found, expected);
  // Data that ends exactly at the image's or the block's end does not run past it.
  for (const std::string& image :
       {FlashImageBuilder(0x44 + 60).Block(0, "TCS", Ch(1) + Ch(2)).Build(),
        Good().Header(0, "TCS", 65468).Build()}) {
    for (const Finding& f : CheckImage(testing::LoadedWorkspace(image)))
      EXPECT_NE(f.rule, Rule::kLengthPastEnd);
  }
  // A record the image's end cuts short still counts, its missing bytes as zeros: TP 0, SID 0.
  const std::vector<Finding> cut = CheckImage(
      testing::LoadedWorkspace(FlashImageBuilder(common::kBlockSize + flash::kDataOffset + 30 + 17)
                                   .Block(0, "TPT", Tpt({kLower}))
                                   .Block(1, "TCS", Ch(1) + Ch(2))
                                   .Build()));
  ASSERT_EQ(cut.size(), 4u);  // the image's size, the length, the TP, the SID
  EXPECT_EQ(cut[1].rule, Rule::kLengthPastEnd);
  EXPECT_EQ(std::pair(cut[2].rule, cut[2].record), std::pair(Rule::kTpMissing, 2));
  many.resize(2000 * 30);  // as many as the firmware holds
  const std::string clean[] = {
      Good().Build(),
      Good(many).Build(),
      // Each band's edges, where the bands overlap: 11600000 U and 11800000 D.
      Good(Ch(1),
           Tpt({TptRecord(950000000, 1, 1, 0, 0, 0, 0), TptRecord(2147483000, 1, 1, 0, 0, 0, 0),
                TptRecord(950000000, 1, 1, 0, 0, 0, 1), TptRecord(1000000000, 1, 1, 0, 0, 0, 1),
                TptRecord(2050000000, 1, 1, 0, 0, 0, 0), TptRecord(2147483000, 1, 1, 0, 0, 0, 1)}))
          .Build(),
      // One frequency on DiSEqC A and B: two satellites.
      Good(Ch(1), Tpt({kLower, TptRecord(1000000000, 5, 6, 7, 8, 1, 0x08)})).Build(),
      // A channel on the list's last record.
      Good(Ch(1, 3), testing::ThreeTransponders().substr(0, 36)).Build(),
  };
  for (const std::string& image : clean)
    EXPECT_TRUE(CheckImage(testing::LoadedWorkspace(image)).empty());
}

TEST(ImageCheck, SampleImageIsCleanAndKeepsItsBytes) {
  const std::string sample = editing::MakeSampleImage();
  for (const Finding& f : CheckImage(testing::LoadedWorkspace(sample)))
    ADD_FAILURE() << FormatFinding(f);
  // The demo image is published: the same bytes on every platform and in every version.
  std::uint64_t digest = 14695981039346656037u;  // 64-bit FNV-1a
  for (const unsigned char byte : sample) digest = (digest ^ byte) * 1099511628211u;
  EXPECT_EQ(digest, 0x7bb921a4b8d87bcau);
}

TEST(ImageCheck, FindingsReadAsLinesInBlockOrder) {
  const auto findings = CheckImage(testing::LoadedWorkspace(
      Good(Ch(1) + Ch(2, 0) + Ch(3, 5) + Ch(4, 1, "A\rB") + Ch(4, 1) + Ch(6, 3) + Ch(0, 2),
           Tpt({kLower, TptRecord(1000000000, 1, 1, 0, 0, 7, 0x10), std::string(12, '\0'),
                TptRecord(1500000000, 1, 1, 0, 0, 0, 3)}))
          .Block(3, "TCS", "x")
          .Build()));
  std::vector<std::string> lines;
  for (const Finding& f : findings) lines.push_back(Format(FormatFinding(f)));
  EXPECT_EQ(lines,
            (std::vector<std::string>{
                "error: block 0 channel 2 tp: no transponder (0x00)",
                "error: block 0 channel 3 tp: transponder 5 does not exist (4 used)",
                "warning: block 0 channel 4 name: line-end byte 0x0D at position 2",
                "warning: block 0 channel 5 sid: SID 4 on transponder 1 \u00b7 10750 V also at "
                "channel 4",
                "error: block 0 channel 6 tp: transponder 3 is empty",
                "warning: block 0 channel 7 sid: SID 0 names no service",
                "warning: block 1 transponder 2 frequency: 10750000 kHz on DiSEqC A also at "
                "transponder 1 \u00b7 10750 V",
                "warning: block 1 transponder 2 fec: FEC code 0x07 shows as 0/0; the text line "
                "stores 3/4 for it",
                "warning: block 1 transponder 2 flags: flag bits 0x10 do not show in the "
                "text line",
                "error: block 3 length: data length 1 is not a multiple of 30",
                "warning: block 3: another TCS block; the receiver uses one",
            }));
  // The window names a field by its title, in the list of the finding's record.
  EXPECT_EQ(FindingPlace(findings[0], common::FieldNaming::kTitles), "block 0 channel 2 TP");
  EXPECT_EQ(CheckSummary(findings), "4 errors, 7 warnings");
  EXPECT_EQ(CheckSummary({findings[0], findings[2], findings[3]}), "1 error, 2 warnings");
  EXPECT_EQ(CheckSummary({findings[2]}), "0 errors, 1 warning");
  EXPECT_EQ(CheckImage(testing::LoadedWorkspace(FlashImageBuilder().Build()))[0].message,
            "no usable blocks: no block is named TCS or TPT");
}

TEST(ImageCheck, SavingWithErrorsAsksFirst) {
  const flash::Workspace bad = testing::LoadedWorkspace(Good(Ch(1, 9)).Build());
  testing::ScriptedFrontend no;
  no.Answer(false);
  EXPECT_FALSE(ConfirmSaveDespiteErrors(bad, no));
  EXPECT_EQ(no.questions, std::vector<std::string>{
                              "The image has 1 error (first: block 0 channel 1 tp: transponder "
                              "9 does not exist (3 used)).\r\nSave anyway ?"});
  testing::ScriptedFrontend yes;
  yes.Answer(true);
  EXPECT_TRUE(ConfirmSaveDespiteErrors(bad, yes));
  testing::ScriptedFrontend silent;  // a clean image asks nothing
  EXPECT_TRUE(ConfirmSaveDespiteErrors(testing::LoadedWorkspace(Good().Build()), silent));
}

}  // namespace
}  // namespace chanforge::check
