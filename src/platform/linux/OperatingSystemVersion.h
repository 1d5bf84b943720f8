#pragma once

#include <string>
#include <string_view>

namespace ondi::platform {

// The running system's version as "major.minor": the distribution's VERSION_ID from
// os-release, or the kernel release when the distribution names no numeric version.
std::string operatingSystemVersion();

// The same rule over given texts: an os-release file's contents and a kernel release such as
// "6.1.0-28-amd64". A missing minor number is 0; "0.0" when neither text has a number.
std::string operatingSystemVersion(std::string_view osRelease, std::string_view kernelRelease);

}  // namespace ondi::platform
