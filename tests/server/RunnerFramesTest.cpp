// The simulated browser-runner's parts in process: its PNG files, its screens over time and the
// session ids it accepts.
#include <gtest/gtest.h>
#include <zlib.h>

#include "PngFile.h"
#include "runs/DesktopFrame.h"
#include "runs/PngEncoder.h"
#include "runs/RunnerSession.h"
#include "runs/SessionUuid.h"

namespace ondi::server {
namespace {

RunnerSession demoSession() {
  return RunnerSession{.sessionId = newSessionUuid(),
                       .provider = std::string(kDaytonaProvider),
                       .title = demoTitle(),
                       .itinerary = demoItinerary(),
                       .startedAt = 1000};
}

TEST(RunnerFramesTest, APngHoldsThePicturesRowsUnfilteredUnderValidChecksums) {
  RgbImage image(3, 2, Rgb{10, 20, 30});
  image.fill(1, 1, 5, 5, Rgb{200, 100, 50});
  const PngFile png = readPng(encodePng(image));
  ASSERT_TRUE(png.hasSignature);
  ASSERT_EQ(png.chunks.size(), 3u);
  EXPECT_EQ(png.chunks[0].type, "IHDR");
  EXPECT_EQ(png.chunks[1].type, "IDAT");
  EXPECT_EQ(png.chunks[2].type, "IEND");
  for (const PngChunk& chunk : png.chunks) EXPECT_TRUE(chunk.crcMatches) << chunk.type;
  EXPECT_EQ(png.width, 3u);
  EXPECT_EQ(png.height, 2u);
  EXPECT_EQ(png.bitDepth, 8);
  EXPECT_EQ(png.colourType, 2);

  // Each row: the filter type 0, then red, green and blue of each pixel; the fill is clipped.
  std::string rows(2 * (1 + 3 * 3), '\0');
  uLongf size = rows.size();
  ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(rows.data()), &size,
                       reinterpret_cast<const Bytef*>(png.chunks[1].data.data()),
                       png.chunks[1].data.size()),
            Z_OK);
  ASSERT_EQ(size, rows.size());
  const std::string expected = std::string("\0\x0a\x14\x1e\x0a\x14\x1e\x0a\x14\x1e", 10) +
                               std::string("\0\x0a\x14\x1e\xc8\x64\x32\xc8\x64\x32", 10);
  EXPECT_EQ(rows, expected);
}

TEST(RunnerFramesTest, TheBrowserOpensWalksItsItineraryAndClosesAtTheEndOfItsLifetime) {
  const RunnerSession session = demoSession();
  EXPECT_EQ(momentAt(session, 1000).status, "opening");
  EXPECT_EQ(momentAt(session, 1000 + kOpeningSeconds).status, "ready");
  EXPECT_EQ(momentAt(session, 1000).page.title, "Inbox - Gmail");
  EXPECT_EQ(momentAt(session, 1000 + kSecondsPerPage).page.title, "Feed | LinkedIn");
  // After the last page it starts over.
  EXPECT_EQ(momentAt(session, 1000 + 4 * kSecondsPerPage).pageIndex, 0u);

  const RunnerMoment closed = momentAt(session, 1000 + kSessionLifetimeSeconds);
  EXPECT_EQ(closed.status, "closed");
  EXPECT_EQ(closed.pageIndex, momentAt(session, 1000 + kSessionLifetimeSeconds - 1).pageIndex);
  // A clock behind the start reads as the start.
  EXPECT_EQ(momentAt(session, 10).status, "opening");
}

TEST(RunnerFramesTest, EverySecondGivesAnotherScreen) {
  const RunnerSession session = demoSession();
  std::vector<std::uint8_t> previous;
  for (std::int64_t second = 0; second < 2 * kSecondsPerPage; ++second) {
    const RgbImage frame = desktopFrame(session, momentAt(session, 1000 + second));
    EXPECT_EQ(frame.width(), kFrameWidth);
    EXPECT_EQ(frame.height(), kFrameHeight);
    EXPECT_NE(frame.pixels(), previous) << second;
    previous = frame.pixels();
  }
  const PngFile png =
      readPng(pngFromDataUrl(desktopFrameDataUrl(session, momentAt(session, 1000))));
  EXPECT_EQ(png.width, kFrameWidth);
  EXPECT_EQ(png.height, kFrameHeight);
}

TEST(RunnerFramesTest, SessionIdsAreCanonicalUuidsInEitherCase) {
  const std::string fresh = newSessionUuid();
  EXPECT_EQ(canonicalSessionUuid(fresh), fresh);
  EXPECT_EQ(canonicalSessionUuid("0F1E2D3C-4B5A-4978-8695-A4B3C2D1E0F9"),
            "0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0f9");
  for (const char* refused :
       {"0f1e2d3c4b5a49788695a4b3c2d1e0f9", "0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0f", "",
        "0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0fg", "0f1e2d3c_4b5a-4978-8695-a4b3c2d1e0f9"}) {
    EXPECT_FALSE(canonicalSessionUuid(refused)) << refused;
  }
}

}  // namespace
}  // namespace ondi::server
