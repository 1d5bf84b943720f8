#include "runs/PngEncoder.h"

#include <zlib.h>

#include <stdexcept>
#include <string_view>

namespace ondi::server {
namespace {

constexpr std::string_view kSignature = "\x89PNG\r\n\x1a\n";
constexpr std::uint8_t kBitDepth = 8;
constexpr std::uint8_t kTruecolour = 2;
constexpr std::uint8_t kNoFilter = 0;

void appendBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out += static_cast<char>((value >> shift) & 0xff);
  }
}

// Length, type, data, then the CRC-32 of type and data.
void appendChunk(std::string& out, std::string_view type, std::string_view data) {
  appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out += type;
  out += data;
  const auto* checked = reinterpret_cast<const Bytef*>(out.data() + typeAt);
  appendBigEndian(out, static_cast<std::uint32_t>(
                           crc32(0L, checked, static_cast<uInt>(type.size() + data.size()))));
}

std::string header(const RgbImage& image) {
  std::string data;
  appendBigEndian(data, image.width());
  appendBigEndian(data, image.height());
  data += static_cast<char>(kBitDepth);
  data += static_cast<char>(kTruecolour);
  data += '\0';  // deflate compression
  data += '\0';  // adaptive filtering
  data += '\0';  // no interlace
  return data;
}

// Each row preceded by its filter type byte.
std::string scanlines(const RgbImage& image) {
  const std::size_t rowBytes = static_cast<std::size_t>(image.width()) * 3;
  std::string rows;
  rows.reserve((rowBytes + 1) * image.height());
  const auto* pixels = reinterpret_cast<const char*>(image.pixels().data());
  for (unsigned row = 0; row < image.height(); ++row) {
    rows += static_cast<char>(kNoFilter);
    rows.append(pixels + row * rowBytes, rowBytes);
  }
  return rows;
}

std::string compressed(const std::string& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  const int result =
      compress(reinterpret_cast<Bytef*>(out.data()), &size,
               reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()));
  if (result != Z_OK) throw std::runtime_error("Could not compress the picture.");
  out.resize(size);
  return out;
}

}  // namespace

std::string encodePng(const RgbImage& image) {
  std::string png(kSignature);
  appendChunk(png, "IHDR", header(image));
  appendChunk(png, "IDAT", compressed(scanlines(image)));
  appendChunk(png, "IEND", {});
  return png;
}

}  // namespace ondi::server
