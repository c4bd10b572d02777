#include "transponders/list_view.h"

#include <functional>

#include "channels/channel_record.h"
#include "channels/list_conversions.h"
#include "common/file_access.h"
#include "transponders/transponder_record.h"

namespace chanforge::transponders {

namespace {

ListedFile ListFile(common::Frontend& frontend, const std::string& name, const std::string& kind,
                    const char* heading,
                    const std::function<std::vector<std::string>(std::string_view)>& formatter) {
  if (!common::FileExists(name)) return {{"File " + name + " can not be found!"}, false};
  frontend.ShowStatus("Loading " + name + "...");
  const common::ReadResult read = common::ReadWholeFile(name);
  if (!read.ok) return {{"File " + name + " can not be read!"}, false};
  ListedFile listed{{heading}, true};
  if (read.bytes.size() > channels::kLargeListSize) {
    listed.lines.push_back(kind + " FILE IS LARGER THAN 64Kb (" +
                           std::to_string(read.bytes.size()) + " bytes)");
  }
  frontend.ShowStatus("Converting " + kind + "...");
  for (std::string& line : formatter(read.bytes)) listed.lines.push_back(std::move(line));
  return listed;
}

}  // namespace

ListedFile ListTcsFile(common::Frontend& frontend, const std::string& name) {
  return ListFile(frontend, name, "TCS", channels::TcsHeading, channels::FormatTcsLines);
}

ListedFile ListTptFile(common::Frontend& frontend, const std::string& name) {
  return ListFile(frontend, name, "TPT", TptHeading,
                  [](std::string_view list) { return FormatTptLines(list, false); });
}

ListFilesView ShowListFiles(common::Frontend& frontend, const std::string& tcs,
                            const std::string& tpt) {
  ListFilesView view;
  view.tcs_caption = tcs;
  view.tpt_caption = tpt;
  view.tcs_lines = ListTcsFile(frontend, tcs).lines;
  view.tpt_lines = ListTptFile(frontend, tpt).lines;
  frontend.ShowStatus("");
  return view;
}

}  // namespace chanforge::transponders
