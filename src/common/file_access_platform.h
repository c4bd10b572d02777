// What the portable file access asks of the platform files beyond the public calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "common/files.h"

namespace chanforge::common {

// What SystemFiles::KindOf says, for the platform code that checks a target itself.
EntryKind KindOfName(const std::string& name);

// True for a name that the system resolves to a device although no folder lists it.
bool IsDevice(const std::filesystem::path& path);

// Asks the system to map the fresh memory a read is about to fill in one call rather than
// a fault per page; a hint only, which a system may ignore.
void PrepareForWriting(char* data, std::size_t size);

// SafeWriter's notice for a replaced file that had other names (hard links): they keep the old
// content.
Message OtherNamesNotice(std::uint64_t links);

}  // namespace chanforge::common
