#pragma once

#include <string>

#include "runs/RgbImage.h"
#include "runs/RunnerSession.h"

namespace ondi::server {

inline constexpr unsigned kFrameWidth = 480;
inline constexpr unsigned kFrameHeight = 300;

// The simulated browser's screen at that moment: a tab per page of the itinerary with the current
// one raised, the address bar, a loading bar that fills over the page's visit, the page in its own
// colours scrolled a little further each second, and the pointer moving across it.
RgbImage desktopFrame(const RunnerSession& session, const RunnerMoment& moment);

// The same screen as a PNG data URL.
std::string desktopFrameDataUrl(const RunnerSession& session, const RunnerMoment& moment);

}  // namespace ondi::server
