// The printable channel list: the chosen columns of every channel, grouped or not, with the
// texts of the page header. The window puts it on paper or in a PDF, the command line in an
// HTML page; both read the same rows and the same choices.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "channels/channel_fields.h"
#include "channels/channel_record.h"
#include "common/message.h"
#include "common/status.h"
#include "transponders/transponder_record.h"
#include "views/list_cells.h"

namespace chanforge::views {

// How the channels are gathered: not at all, by their transponder's DiSEqC input, or by
// transponder.
enum class PrintGroup { kNone, kInput, kTransponder };
enum class Paper { kA4, kLetter };

// What the user chose; the same in the window's settings and on the command line.
struct PrintChoices {
  // Columns of the channel list as the list editor has them (ColumnHeading, ChannelCell).
  std::vector<std::size_t> columns = {kNrColumn, ColumnOf(channels::ChannelField::kName),
                                      ColumnOf(channels::ChannelField::kTp),
                                      ColumnOf(channels::ChannelField::kSid)};
  PrintGroup group = PrintGroup::kNone;
  int page_columns = 2;  // lists of channels side by side on a page (where they fit): 1 or 2
  Paper paper = Paper::kA4;
};

// The choices' names, as the command line takes them and the settings keep them.
inline constexpr const char* kPrintGroupNames[] = {"none", "input", "transponder"};
inline constexpr const char* kPaperNames[] = {"a4", "letter"};
// "nr,name,tp,sid"
std::string PrintColumnsText(const std::vector<std::size_t>& columns);
// Reads "nr,name,tp,sid" (any case): the columns in that order.
common::Result<std::vector<std::size_t>> ReadPrintColumns(std::string_view text);
std::optional<PrintGroup> PrintGroupNamed(std::string_view name);
std::optional<Paper> PaperNamed(std::string_view name);

struct PrintedGroup {
  common::Message title;  // "DiSEqC A · 812 channels"; empty when the list is not grouped
  bool new_page = false;  // starts a page of its own
  std::vector<std::vector<common::Message>> rows;  // a cell per column
};

struct PrintedList {
  std::string file_name;  // the image's, without its folder
  std::string date;
  common::Message count;  // "2182 channels"
  std::vector<common::Message> headings;
  std::vector<bool> numbers;  // per column: right-aligned
  std::vector<PrintedGroup> groups;
};

// The printed list with its cells made a row at a time, for a page written as it goes: a
// full list's cells kept at once take a megabyte.
class PrintSource {
 public:
  // The lists are read, not copied: they outlive the source.
  PrintSource(const std::vector<channels::ChannelRecord>& channels,
              const std::vector<transponders::TransponderRecord>& transponders,
              const PrintChoices& choices, const std::string& image_file, const std::string& date);
  // The page's texts and headings and each group's title, the groups without rows.
  const PrintedList& list() const { return list_; }
  std::size_t rows(std::size_t group) const { return members_[group].size(); }
  // The cells of a group's row, each as the list editor shows it.
  void Cells(std::size_t group, std::size_t row, std::vector<common::Message>& cells) const;

 private:
  const std::vector<channels::ChannelRecord>& channels_;
  std::span<const transponders::TransponderRecord> used_;
  std::vector<std::size_t> columns_;
  PrintedList list_;
  std::vector<std::vector<std::size_t>> members_;  // by group: its channels, in list order
  // By TP byte, each used transponder's cell, made once for all its channels; empty when
  // no column shows it.
  std::vector<std::optional<common::Message>> tp_cells_;
};

// The rows of the channels, each cell as the list editor shows it.
PrintedList PrintRows(const std::vector<channels::ChannelRecord>& channels,
                      const std::vector<transponders::TransponderRecord>& transponders,
                      const PrintChoices& choices, const std::string& image_file,
                      const std::string& date);

// "page 2 of 15"
common::Message PageText(int page, int pages);

}  // namespace chanforge::views
