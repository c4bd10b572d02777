// Putting the channel list in the order of a reference, another image or a channel CSV
// exported earlier: after a new channel search this brings the user's own order back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/files.h"
#include "common/frontend.h"
#include "editing/list_document.h"
#include "editing/undo_stack.h"

namespace chanforge::editing {

// A channel of the reference, as far as the reference tells it.
struct ReferenceChannel {
  std::uint16_t sid = 0;
  std::string name;             // Latin-1, up to the first NUL, trailing blanks dropped
  std::int64_t khz = 0;         // its transponder's frequency, 0 when it names none
  std::uint8_t horizontal = 0;  // its transponder's polarisation
  std::uint8_t diseqc_b = 0;    // its transponder's DiSEqC input
};

struct Reference {
  std::vector<ReferenceChannel> channels;
  // A CSV carries no DiSEqC input: its channels match on either.
  bool knows_diseqc = true;
};

// Where the channels the reference does not have go.
enum class NewChannels { kLast, kFirst };

// What applying a reference does to a list.
struct OrderPlan {
  std::vector<std::uint32_t> order;  // row i of the new list is row order[i] of the old one
  std::size_t followed = 0;          // channels that take the reference's order
  NewChannels placement = NewChannels::kLast;
  // "New channel ZDF (SID 28006), now channel 141", in list order, and "Missing channel 7
  // of the reference: ARTE (SID 28724)", in reference order.
  std::vector<common::Message> new_channels;
  std::vector<common::Message> missing_channels;
  std::vector<std::size_t> missing_rows;  // the reference's row of each missing channel
  bool Changes() const;
};

// The reference an image's channel list gives.
Reference ReferenceOf(const ListDocument& document);
// The reference a channel CSV gives, its rows in order (Nr is not read). Fails as
// "Line N of FILE: reason".
common::Status ReadReferenceCsv(std::string_view csv, const std::string& file,
                                Reference& reference);
// Reads a reference file: a channel CSV when its name ends in .csv or its first cell is the
// Nr heading, read as import-csv reads one (its ceiling, its messages), an image otherwise.
// Failures are reported.
common::Outcome LoadReference(common::Frontend& frontend, common::Files& files,
                              const std::string& file, Reference& reference);

// A list channel matches a reference channel by SID and its transponder's frequency,
// polarisation and DiSEqC input; one left over then by SID and name, as after a move of its
// transponder. Equal ones match in order.
OrderPlan PlanOrder(const ListDocument& document, const Reference& reference,
                    NewChannels placement);
// "132 channels follow the reference; 18 new channels go to the end; 4 channels of the
// reference are not in this list"
common::Message OrderSummary(const OrderPlan& plan);

// The one step that puts the channels in the plan's order. Records move whole, so every
// channel keeps its transponder.
// "Apply order from list.csv": the step's name in the history.
common::Message ApplyOrderStep(const std::string& reference_name);
std::unique_ptr<Command> ApplyOrder(const OrderPlan& plan, common::Message description);

}  // namespace chanforge::editing
