// What the portable file access asks of the platform files beyond the public calls.
#pragma once

#include <filesystem>

namespace chanforge::common {

// True for a name that the system resolves to a device although no folder lists it.
bool IsDevice(const std::filesystem::path& path);

}  // namespace chanforge::common
