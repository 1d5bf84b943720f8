#include "PngFile.h"

#include <glib.h>
#include <zlib.h>

namespace {

constexpr std::string_view kSignature = "\x89PNG\r\n\x1a\n";
constexpr std::string_view kDataUrlPrefix = "data:image/png;base64,";

std::uint32_t bigEndian(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t index = 0; index < 4; ++index) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + index]);
  }
  return value;
}

}  // namespace

PngFile readPng(std::string_view bytes) {
  PngFile file;
  file.hasSignature = bytes.starts_with(kSignature);
  if (!file.hasSignature) return file;
  for (std::size_t at = kSignature.size(); at + 12 <= bytes.size();) {
    const std::uint32_t length = bigEndian(bytes, at);
    if (at + 12 + length > bytes.size()) break;
    const std::string_view typeAndData = bytes.substr(at + 4, 4 + length);
    const auto crc = crc32(0L, reinterpret_cast<const Bytef*>(typeAndData.data()),
                           static_cast<uInt>(typeAndData.size()));
    file.chunks.push_back(PngChunk{.type = std::string(typeAndData.substr(0, 4)),
                                   .data = std::string(typeAndData.substr(4)),
                                   .crcMatches = crc == bigEndian(bytes, at + 8 + length)});
    at += 12 + length;
  }
  if (!file.chunks.empty() && file.chunks[0].type == "IHDR" && file.chunks[0].data.size() == 13) {
    const std::string& header = file.chunks[0].data;
    file.width = bigEndian(header, 0);
    file.height = bigEndian(header, 4);
    file.bitDepth = static_cast<unsigned char>(header[8]);
    file.colourType = static_cast<unsigned char>(header[9]);
  }
  return file;
}

std::string pngFromDataUrl(std::string_view url) {
  if (!url.starts_with(kDataUrlPrefix)) return {};
  const std::string encoded(url.substr(kDataUrlPrefix.size()));
  gsize length = 0;
  guchar* decoded = g_base64_decode(encoded.c_str(), &length);
  std::string bytes(reinterpret_cast<const char*>(decoded), length);
  g_free(decoded);
  return bytes;
}
