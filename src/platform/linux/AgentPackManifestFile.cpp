#include "platform/linux/AgentPackManifestFile.h"

#include <glib.h>

#include <filesystem>

#include "core/util/GlibHandles.h"
#include "platform/linux/BuildConfiguration.h"

namespace ondi::platform {
namespace {

constexpr const char* kManifestName = "agent-packs.json";

std::optional<std::string> fileText(const std::filesystem::path& file) {
  glib::String contents;
  gsize length = 0;
  if (!g_file_get_contents(file.c_str(), contents.out(), &length, nullptr)) return std::nullopt;
  return std::string(contents.get(), length);
}

std::optional<std::filesystem::path> programDirectory() {
  std::error_code error;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::nullopt;
  return program.parent_path();
}

}  // namespace

std::optional<std::string> readAgentPackManifest() {
  if (const auto directory = programDirectory()) {
    if (auto text = fileText(*directory / kManifestName)) return text;
  }
  return fileText(std::filesystem::path(kDataDirectory) / kManifestName);
}

}  // namespace ondi::platform
