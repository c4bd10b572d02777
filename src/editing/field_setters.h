// A field of a record set from a text as the editor, the command line and the CSV give
// it, with the checks that need the whole list (a TP must name a transponder).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "channels/channel_fields.h"
#include "editing/list_document.h"
#include "transponders/transponder_fields.h"

namespace chanforge::editing {

// Refuses "FIELD=VALUE"s that name a field twice: which value is meant cannot be told.
common::Status EachFieldOnce(const std::vector<std::string>& assignments);
// Sets a field of the record from "FIELD=VALUE" (UTF-8). Numbers are decimal, or
// hexadecimal after 0x. A TP must name a transponder.
common::Status AssignChannelField(const ListDocument& document, channels::ChannelRecord& record,
                                  std::string_view utf8);
// The same for "FIELD=VALUE"s of a transponder; a frequency and a band are set together.
common::Status AssignTransponderFields(transponders::TransponderRecord& record,
                                       const std::vector<std::string>& assignments);
// The same for one field and its value; a name is given as Latin-1 bytes.
common::Status SetChannelValue(const ListDocument& document, channels::ChannelRecord& record,
                               channels::ChannelField field, std::string_view value);

}  // namespace chanforge::editing
