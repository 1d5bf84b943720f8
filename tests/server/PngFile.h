#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A PNG file taken apart for checking: its chunks in order, each with whether its CRC-32 is right.
struct PngChunk {
  std::string type;
  std::string data;
  bool crcMatches;
};

struct PngFile {
  bool hasSignature = false;
  std::vector<PngChunk> chunks;
  // From IHDR; zero when the first chunk is not a complete IHDR.
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int bitDepth = 0;
  int colourType = 0;
};

PngFile readPng(std::string_view bytes);

// The bytes of a "data:image/png;base64," address; empty for anything else.
std::string pngFromDataUrl(std::string_view url);
