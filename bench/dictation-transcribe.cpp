// Transcribes a WAV file with the recogniser the application ships, as dictation would hear
// it from the microphone, and prints the final transcript. bench/dictation runs it.
#include <glib.h>

#include <cstdio>
#include <optional>
#include <string>

#include "platform/linux/GstPocketSphinxRecognizer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE.wav\n", argv[0]);
    return 2;
  }
  ondi::platform::PocketSphinxConfiguration configuration;
  configuration.audioFile = argv[1];
  ondi::platform::GstPocketSphinxRecognizer recognizer(configuration);
  if (!recognizer.isInstalled() || !recognizer.isAvailable()) {
    std::fprintf(stderr, "the recogniser is not installed\n");
    return 1;
  }
  std::optional<std::string> transcript;
  std::optional<std::string> failure;
  auto task = recognizer.start({[&](const std::string& text, bool isFinal) {
                                  if (isFinal) transcript = text;
                                },
                                [&](const std::string& description) { failure = description; }});
  if (!task) failure = task.error();
  while (!transcript && !failure) g_main_context_iteration(nullptr, TRUE);
  if (failure) {
    std::fprintf(stderr, "%s\n", failure->c_str());
    return 1;
  }
  std::printf("%s\n", transcript->c_str());
  return 0;
}
