#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Speech for dictation tests: a phrase spoken by espeak-ng into a WAV file, and a
// PocketSphinx finite-state grammar that accepts exactly the phrases given.

// Speaks `phrase` into `file`. With `fromFirstSample`, the leading silence is cut, so the
// first word starts at the file's first sample. Returns whether it worked.
bool speakPhrase(const std::string& phrase, const std::filesystem::path& file,
                 bool fromFirstSample = false);

// Writes a grammar accepting each phrase (lower-case words of the recogniser's dictionary).
void writeGrammar(const std::vector<std::string>& phrases, const std::filesystem::path& file);
