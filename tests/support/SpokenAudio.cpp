#include "SpokenAudio.h"

#include <glib.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

// Cuts the samples before the first one louder than the noise floor out of espeak-ng's
// 16-bit mono WAV, whose header is the canonical 44 bytes.
bool cutLeadingSilence(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string wav((std::istreambuf_iterator<char>(in)), {});
  constexpr std::size_t kHeader = 44;
  if (wav.size() <= kHeader || wav.compare(36, 4, "data") != 0) return false;
  std::size_t start = kHeader;
  for (; start + 1 < wav.size(); start += 2) {
    std::int16_t sample;
    std::memcpy(&sample, wav.data() + start, 2);
    if (std::abs(sample) > 500) break;
  }
  wav.erase(kHeader, start - kHeader);
  const auto put32 = [&](std::size_t at, std::uint32_t value) {
    std::memcpy(wav.data() + at, &value, 4);
  };
  put32(4, static_cast<std::uint32_t>(wav.size() - 8));
  put32(40, static_cast<std::uint32_t>(wav.size() - kHeader));
  std::ofstream(file, std::ios::binary | std::ios::trunc) << wav;
  return true;
}

}  // namespace

bool speakPhrase(const std::string& phrase, const std::filesystem::path& file,
                 bool fromFirstSample) {
  const std::string path = file.string();
  const char* argv[] = {"espeak-ng", "-w", path.c_str(), phrase.c_str(), nullptr};
  gint status = 0;
  if (!g_spawn_sync(nullptr, const_cast<char**>(argv), nullptr, G_SPAWN_SEARCH_PATH, nullptr,
                    nullptr, nullptr, nullptr, &status, nullptr) ||
      !g_spawn_check_wait_status(status, nullptr)) {
    return false;
  }
  return !fromFirstSample || cutLeadingSilence(file);
}

void writeGrammar(const std::vector<std::string>& phrases, const std::filesystem::path& file) {
  // State 0 starts every phrase and state 1 ends them; each word moves to a state of its own.
  std::ostringstream transitions;
  int states = 2;
  for (const std::string& phrase : phrases) {
    std::istringstream words(phrase);
    std::vector<std::string> list{std::istream_iterator<std::string>(words), {}};
    int from = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
      const int to = i + 1 == list.size() ? 1 : states++;
      transitions << "TRANSITION " << from << " " << to << " 1.0 " << list[i] << "\n";
      from = to;
    }
  }
  std::ofstream(file) << "FSG_BEGIN phrases\nNUM_STATES " << states
                      << "\nSTART_STATE 0\nFINAL_STATE 1\n"
                      << transitions.str() << "FSG_END\n";
}
