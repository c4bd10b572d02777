// The image check: what in a flash image would likely make the receiver misbehave
// (errors) or looks unusual (warnings), before the image is flashed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/frontend.h"
#include "common/list_kind.h"
#include "common/message.h"
#include "flash/flash_image.h"

namespace chanforge::check {

enum class Severity { kError, kWarning };

enum class Rule {
  kImageSize,
  kNoUsableBlocks,
  kLengthPastEnd,
  kPartRecord,
  kSecondList,
  kTpMissing,
  kDuplicateSid,
  kSidZero,
  kNameControlBytes,
  kEmptyRecordInside,
  kTooManyChannels,
  kFrequencyRange,
  kDuplicateTransponder,
  kHiddenFlags,
  kUnknownFec,
  kNotOnSatellite,
  kSatelliteGap,
};

struct RuleInfo {
  Rule rule;
  Severity severity;
  common::Wording reason;  // why the rule exists, for the Check window's tooltips
};

// Every rule the check knows, with its severity and reason.
const std::vector<RuleInfo>& Rules();
const RuleInfo& RuleOf(Rule rule);
// The rule's name for scripts, "tp-missing": its reason's id, less the prefix all share.
std::string_view RuleName(Rule rule);

inline constexpr int kImageWide = -1;  // block of a finding about the whole image

struct Finding {
  Rule rule;
  Severity severity;
  int block = kImageWide;
  int record = 0;     // 1-based channel or transponder number; 0 for the whole block
  std::string item;   // "channel" or "transponder" when record is set
  std::string field;  // "tp", "frequency", ...; empty when not about one field
  common::Message message;
};

inline constexpr std::int64_t kNominalImageSize = 524288;
inline constexpr std::size_t kFirmwareChannelLimit = 2000;

// Every finding, ordered by block (image-wide ones first) and record.
std::vector<Finding> CheckImage(const flash::Workspace& workspace);

// The image's size as a change names it.
inline constexpr char kImageSizeName[] = "size";

// The title of a finding's or a change's field as a column shows it: the field table's
// heading in that list ("SID", "Frequency"), the flag bits', and the block header's name and
// length and the image's size by their own; empty for no field.
common::Message FieldTitle(std::optional<common::ListKind> list, std::string_view field);
// The list a finding's record is in, if any.
std::optional<common::ListKind> ListOf(const Finding& finding);

// "image" (a block below 0), "block 1", "block 0 channel 12": where a finding or a change
// applies, the record named by its number or label.
common::Message PlaceOf(int block, std::optional<common::ListKind> list, common::Message record);
// "block 0 channel 12", "block 1", "image": where a finding applies.
common::Message FindingWhere(const Finding& finding);
// The same with the field: "block 0 channel 12 tp" (or "... TP" by titles).
common::Message FindingPlace(const Finding& finding,
                             common::FieldNaming naming = common::FieldNaming::kIds);
// "error: block 0 channel 12 tp: transponder 42 does not exist (40 used)".
common::Message FormatFinding(const Finding& finding);

std::size_t CountErrors(const std::vector<Finding>& findings);
// "1 error, 2 warnings", or an empty text when there is nothing to say.
common::Message CheckSummary(const std::vector<Finding>& findings);

// Before the image is saved: when it has errors, asks whether to save anyway. True when
// there are none or the user says Yes.
bool ConfirmSaveDespiteErrors(const flash::Workspace& workspace, common::Frontend& frontend);

}  // namespace chanforge::check
