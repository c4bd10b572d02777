// The list editing commands: print the lists and change them as the editor window does.
#include <algorithm>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <span>

#include "channels/channel_fields.h"
#include "cli/command_session.h"
#include "cli/commands.h"
#include "cli/each_image.h"
#include "cli/options.h"
#include "common/text_fields.h"
#include "common/text_lines.h"
#include "editing/list_commands.h"

namespace chanforge::cli {

namespace {

using editing::ListDocument;
constexpr common::ListKind kChannels = common::ListKind::kChannels;
constexpr common::ListKind kTransponders = common::ListKind::kTransponders;

int Finish(ConsoleFrontend& ui, CommandSession& session, std::unique_ptr<editing::Command> command,
           const std::string& out) {
  session.history().Push(std::move(command));
  return SaveImage(ui, session, out);
}

int Channels(ConsoleFrontend& ui, common::Files& files, std::ostream& out, const std::string& flash,
             ImageEntry& entry) {
  CommandSession session(files);
  if (!LoadForReading(ui, session, flash)) return 1;
  const ListDocument& document = session.document();
  if (Refused(ui, document.CheckEditable(kChannels))) return 1;
  if (ui.options().json) {
    entry.list_key = "channels";
    // The records outlive the session: the list is written after this returns.
    entry.list = [records = document.channels()](JsonRecordList& list) {
      for (const channels::ChannelRecord& channel : records) list.Add(channel);
    };
    return 0;
  }
  out << common::kNrHeading.english;
  for (const common::FieldInfo& info : channels::kChannelFields)
    out << '\t' << common::HeadingOf(info);
  out << '\n';
  // Each line made in one text and written at once: a full list's cells through the stream
  // one by one cost more than the rest of the command.
  std::string line;
  std::int64_t number = 0;
  for (const channels::ChannelRecord& channel : document.channels()) {
    line.clear();
    common::AppendDecimalField(line, ++number, 0, common::LeadingBlank::kNone);
    line += '\t';
    // The name without trailing blanks and NULs, and no control byte that could split the
    // line or steer a terminal.
    common::AppendLatin1ForTerminal(line, channels::NameText(channel));
    const auto values = channels::ChannelValues(channel);
    common::AppendDecimals(line, std::span(values).subspan(1), '\t');
    line += '\n';
    out << line;
  }
  return 0;
}

int Transponders(ConsoleFrontend& ui, common::Files& files, std::ostream& out,
                 const std::string& flash, ImageEntry& entry) {
  CommandSession session(files);
  if (!LoadForReading(ui, session, flash)) return 1;
  const ListDocument& document = session.document();
  if (Refused(ui, document.CheckEditable(kTransponders))) return 1;
  if (ui.options().json) {
    entry.list_key = "transponders";
    entry.list = [records = document.transponders(),
                  users = document.ChannelsUsingEach()](JsonRecordList& list) {
      for (std::size_t i = 0; i < records.size(); ++i) list.Add(records[i], users[i]);
    };
    return 0;
  }
  out << common::kNrHeading.english;
  for (const common::FieldInfo& info : transponders::kTransponderFields) {
    out << '\t' << common::ColumnTitle(info);
  }
  out << "\tChannels\n";
  const std::vector<std::size_t> users = document.ChannelsUsingEach();
  std::string line;
  for (std::size_t i = 0; i < users.size(); ++i) {
    line.clear();
    common::AppendDecimalField(line, static_cast<std::int64_t>(i + 1), 0,
                               common::LeadingBlank::kNone);
    for (std::size_t f = 0; f < transponders::kTransponderFieldCount; ++f) {
      line += '\t';
      line += transponders::TransponderText(document.transponders()[i],
                                            static_cast<transponders::TransponderField>(f));
    }
    line += '\t';
    common::AppendDecimalField(line, static_cast<std::int64_t>(users[i]), 0,
                               common::LeadingBlank::kNone);
    line += '\n';
    out << line;
  }
  return 0;
}

int SetChannel(ConsoleFrontend& ui, common::Files& files, const std::string& flash,
               std::size_t number, const std::vector<std::string>& assignments,
               const std::string& out) {
  CommandSession session(files);
  ListDocument* document = OpenLists(ui, session, flash, out, kChannels);
  if (!document) return 1;
  if (Refused(ui, editing::CheckNumber(number, document->channels().size(), kChannels))) return 1;
  if (Refused(ui, editing::EachFieldOnce(assignments))) return 1;
  // One step, as the editor would make it field by field.
  std::vector<std::pair<channels::ChannelField, channels::ChannelRecord>> steps;
  channels::ChannelRecord record = document->channels()[number - 1];
  for (const std::string& assignment : assignments) {
    if (Refused(ui, editing::AssignChannelField(*document, record, assignment))) return 1;
    const auto field = channels::ChannelFieldNamed(assignment.substr(0, assignment.find('=')));
    steps.emplace_back(*field, record);
  }
  session.history().Push(editing::SetChannelFields(number - 1, steps));
  return SaveImage(ui, session, out);
}

int SetTransponder(ConsoleFrontend& ui, common::Files& files, const std::string& flash,
                   std::size_t number, const std::vector<std::string>& assignments,
                   const std::string& out) {
  CommandSession session(files);
  ListDocument* document = OpenLists(ui, session, flash, out, kTransponders);
  if (!document) return 1;
  const std::size_t size = document->transponders().size();
  if (Refused(ui, editing::CheckNumber(number, size, kTransponders))) return 1;
  transponders::TransponderRecord record = document->transponders()[number - 1];
  if (Refused(ui, editing::AssignTransponderFields(record, assignments))) return 1;
  if (record != document->transponders()[number - 1]) {
    session.history().Push(
        editing::SetTransponder(number - 1, transponders::TransponderField::kKhz, record));
  }
  return SaveImage(ui, session, out);
}

int MoveChannels(ConsoleFrontend& ui, common::Files& files, const std::string& flash, Range rows,
                 std::size_t before, const std::string& out) {
  CommandSession session(files);
  ListDocument* document = OpenLists(ui, session, flash, out, kChannels);
  if (!document) return 1;
  const std::size_t size = document->channels().size();
  if (Refused(ui, editing::CheckMove(rows.first, rows.last, before, size, kChannels))) return 1;
  return Finish(ui, session,
                editing::MoveChannels(rows.first - 1, rows.last - rows.first + 1, before - 1), out);
}

int RemoveChannels(ConsoleFrontend& ui, common::Files& files, const std::string& flash,
                   const std::vector<Range>& ranges, const std::string& out) {
  CommandSession session(files);
  ListDocument* document = OpenLists(ui, session, flash, out, kChannels);
  if (!document) return 1;
  std::vector<std::size_t> rows;
  for (const Range& range : ranges) {
    const std::size_t size = document->channels().size();
    if (Refused(ui, editing::CheckRange(range.first, range.last, size, kChannels))) return 1;
    for (std::size_t n = range.first; n <= range.last; ++n) rows.push_back(n - 1);
  }
  return Finish(ui, session, editing::RemoveChannels(std::move(rows)), out);
}

// What sort-channels --by takes: the names of the fields it sorts by.
struct SortChoice {
  const char* name;
  editing::SortKey key;
};
constexpr SortChoice kSortChoices[] = {
    {channels::InfoOf(channels::ChannelField::kName).name, editing::SortKey::kName},
    {channels::InfoOf(channels::ChannelField::kSid).name, editing::SortKey::kSid},
    {transponders::InfoOf(transponders::TransponderField::kKhz).name, editing::SortKey::kFrequency},
};

int SortChannels(ConsoleFrontend& ui, common::Files& files, const std::string& flash,
                 const std::string& by, const std::string& out) {
  CommandSession session(files);
  ListDocument* document = OpenLists(ui, session, flash, out, kChannels);
  if (!document) return 1;
  const auto chosen = std::find_if(std::begin(kSortChoices), std::end(kSortChoices),
                                   [&](const SortChoice& choice) { return by == choice.name; });
  return Finish(ui, session, editing::SortChannels(chosen->key), out);
}

int RemoveTransponder(ConsoleFrontend& ui, common::Files& files, const std::string& flash,
                      std::size_t number, const std::string& out) {
  CommandSession session(files);
  ListDocument* document = OpenLists(ui, session, flash, out, kTransponders);
  if (!document) return 1;
  const std::size_t size = document->transponders().size();
  if (Refused(ui, editing::CheckNumber(number, size, kTransponders))) return 1;
  const common::Message question = editing::RemoveTransponderQuestion(*document, number - 1);
  if (!question.empty() && !ui.AskYesNo(question)) return 1;
  return Finish(ui, session, editing::RemoveTransponder(number - 1), out);
}

int MoveTransponder(ConsoleFrontend& ui, common::Files& files, const std::string& flash,
                    std::size_t number, std::size_t before, const std::string& out) {
  CommandSession session(files);
  ListDocument* document = OpenLists(ui, session, flash, out, kTransponders);
  if (!document) return 1;
  const std::size_t size = document->transponders().size();
  if (Refused(ui, editing::CheckMove(number, number, before, size, kTransponders))) return 1;
  return Finish(ui, session, editing::MoveTransponders(number - 1, 1, before - 1), out);
}

struct Args {
  std::vector<std::string> flashes;
  std::string flash, out, rows, by;
  std::size_t number = 0, before = 0;
  std::vector<std::string> values;  // FIELD=VALUE assignments or N[-M] ranges
};

// "name, use, tp, ...": the names that FIELD= takes, from the field table.
template <typename Fields>
std::string FieldNames(const Fields& fields) {
  std::string names;
  for (const common::FieldInfo& info : fields)
    names += (names.empty() ? "" : ", ") + std::string(info.name);
  return names;
}

// The rows a checked range names.
Range RangeOf(const std::string& text) {
  std::string problem;
  return *ParseRange(text, problem);
}

constexpr Subcommand kEditCommands[] = {
    {"channels", "Print the channel list, tab-separated",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlashes(command, a->flashes);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return EachImage(ui, std::cout, a->flashes, Heading::kFileName,
                          {{"channels", Json::array()}},
                          [&](const std::string& flash, ImageEntry& entry) {
                            return Channels(ui, files, std::cout, flash, entry);
                          });
       };
     },
     1, true},
    {"transponders", "Print the transponder list, tab-separated",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlashes(command, a->flashes);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return EachImage(ui, std::cout, a->flashes, Heading::kFileName,
                          {{"transponders", Json::array()}},
                          [&](const std::string& flash, ImageEntry& entry) {
                            return Transponders(ui, files, std::cout, flash, entry);
                          });
       };
     },
     1, true},
    {"set-channel", "Set fields of a channel",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlash(command, a->flash);
       command.add_option("N", a->number, "Channel number")->required()->check(NumberCheck());
       command.add_option("FIELD=VALUE", a->values, FieldNames(channels::kChannelFields))
           ->required();
       AddOutput(command, a->out);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return SetChannel(ui, files, a->flash, a->number, a->values, a->out);
       };
     }},
    {"set-transponder", "Set fields of a transponder",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlash(command, a->flash);
       command.add_option("N", a->number, "Transponder number")->required()->check(NumberCheck());
       command.add_option("FIELD=VALUE", a->values, FieldNames(transponders::kTransponderFields))
           ->required();
       AddOutput(command, a->out);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return SetTransponder(ui, files, a->flash, a->number, a->values, a->out);
       };
     }},
    {"move-channels", "Move channels before a position",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlash(command, a->flash);
       command.add_option("FROM[-TO]", a->rows, "Channels to move")
           ->required()
           ->check(RangeCheck());
       command.add_option("BEFORE", a->before, "Position to move them before")
           ->required()
           ->check(NumberCheck());
       AddOutput(command, a->out);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return MoveChannels(ui, files, a->flash, RangeOf(a->rows), a->before, a->out);
       };
     }},
    {"remove-channels", "Remove channels",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlash(command, a->flash);
       command.add_option("N[-M]", a->values, "Channels to remove")
           ->required()
           ->check(RangeCheck());
       AddOutput(command, a->out);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         std::vector<Range> ranges;
         for (const std::string& text : a->values) ranges.push_back(RangeOf(text));
         return RemoveChannels(ui, files, a->flash, ranges, a->out);
       };
     }},
    {"sort-channels", "Sort the channels (stable)",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlash(command, a->flash);
       command.add_option("--by", a->by, "Sort key")->required()->check(CLI::IsMember([] {
         std::vector<std::string> names;
         for (const SortChoice& choice : kSortChoices) names.emplace_back(choice.name);
         return names;
       }()));
       AddOutput(command, a->out);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return SortChannels(ui, files, a->flash, a->by, a->out);
       };
     }},
    {"remove-transponder", "Remove a transponder (asks about channels using it)",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlash(command, a->flash);
       command.add_option("T", a->number, "Transponder number")->required()->check(NumberCheck());
       AddOutput(command, a->out);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return RemoveTransponder(ui, files, a->flash, a->number, a->out);
       };
     }},
    {"move-transponder", "Move a transponder before a position",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlash(command, a->flash);
       command.add_option("T", a->number, "Transponder number")->required()->check(NumberCheck());
       command.add_option("BEFORE", a->before, "Position to move it before")
           ->required()
           ->check(NumberCheck());
       AddOutput(command, a->out);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return MoveTransponder(ui, files, a->flash, a->number, a->before, a->out);
       };
     }},
};

}  // namespace

std::span<const Subcommand> EditCommands() { return kEditCommands; }

}  // namespace chanforge::cli
