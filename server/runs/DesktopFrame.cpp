#include "runs/DesktopFrame.h"

#include <array>
#include <span>

#include "crypto/Encoding.h"
#include "runs/PngEncoder.h"

namespace ondi::server {
namespace {

constexpr Rgb kWindow{29, 31, 36};
constexpr Rgb kTab{52, 55, 62};
constexpr Rgb kActiveTab{78, 82, 92};
constexpr Rgb kAddressBar{236, 236, 240};
constexpr Rgb kLoading{187, 45, 30};
constexpr Rgb kTextLine{120, 124, 134};
constexpr Rgb kPointer{20, 20, 20};
// The page colours, one per page of the itinerary in turn.
constexpr std::array kPageColours{Rgb{246, 243, 234}, Rgb{223, 236, 250}, Rgb{232, 246, 230},
                                  Rgb{244, 230, 246}};

constexpr int kTabStripHeight = 28;
constexpr int kTabWidth = 104;
constexpr int kAddressTop = 34;
constexpr int kAddressHeight = 20;
constexpr int kLoadingTop = 58;
constexpr int kPageTop = 62;
constexpr int kLineSpacing = 22;
constexpr int kScrollPerSecond = 7;

void drawTabs(RgbImage& image, const RunnerSession& session, const RunnerMoment& moment) {
  for (std::size_t index = 0; index < session.itinerary.size(); ++index) {
    const bool closed = session.itinerary[index].closesAfterVisit && index < moment.pageIndex;
    if (closed) continue;
    const int left = 6 + static_cast<int>(index) * (kTabWidth + 4);
    image.fill(left, 6, kTabWidth, kTabStripHeight - 6,
               index == moment.pageIndex ? kActiveTab : kTab);
  }
}

void drawPage(RgbImage& image, const RunnerMoment& moment) {
  const int width = static_cast<int>(image.width());
  const int height = static_cast<int>(image.height());
  image.fill(0, kPageTop, width, height - kPageTop,
             kPageColours[moment.pageIndex % kPageColours.size()]);
  const int scroll = static_cast<int>((moment.elapsedSeconds * kScrollPerSecond) % kLineSpacing);
  for (int y = kPageTop + 16 - scroll, line = 0; y < height; y += kLineSpacing, ++line) {
    image.fill(32, y, width - 64 - (line % 3) * 60, 8, kTextLine);
  }
}

void drawLoadingBar(RgbImage& image, const RunnerMoment& moment) {
  const std::int64_t intoPage = moment.elapsedSeconds % kSecondsPerPage + 1;
  const auto filled = static_cast<int>(image.width() * intoPage / kSecondsPerPage);
  image.fill(0, kLoadingTop, filled, 3, kLoading);
}

void drawPointer(RgbImage& image, const RunnerMoment& moment) {
  const int width = static_cast<int>(image.width()) - 40;
  const int height = static_cast<int>(image.height()) - kPageTop - 40;
  const int x = 20 + static_cast<int>((moment.elapsedSeconds * 37) % width);
  const int y = kPageTop + 20 + static_cast<int>((moment.elapsedSeconds * 23) % height);
  image.fill(x, y, 10, 14, kPointer);
}

}  // namespace

RgbImage desktopFrame(const RunnerSession& session, const RunnerMoment& moment) {
  RgbImage image(kFrameWidth, kFrameHeight, kWindow);
  drawTabs(image, session, moment);
  image.fill(12, kAddressTop, static_cast<int>(kFrameWidth) - 24, kAddressHeight, kAddressBar);
  drawPage(image, moment);
  drawLoadingBar(image, moment);
  drawPointer(image, moment);
  return image;
}

std::string desktopFrameDataUrl(const RunnerSession& session, const RunnerMoment& moment) {
  const std::string png = encodePng(desktopFrame(session, moment));
  return "data:image/png;base64," +
         base64(std::span(reinterpret_cast<const unsigned char*>(png.data()), png.size()));
}

}  // namespace ondi::server
