#include "DataDirectory.h"

#include <cerrno>
#include <stdexcept>
#include <string>

#include <glib.h>

namespace ondi::server {
namespace {

constexpr int kOwnerOnly = 0700;

}  // namespace

std::filesystem::path defaultDataDirectory() {
  return std::filesystem::path(g_get_user_data_dir()) / "ondi-server";
}

void createDataDirectory(const std::filesystem::path& directory) {
  if (g_mkdir_with_parents(directory.c_str(), kOwnerOnly) == 0) return;
  const int error = errno;
  throw std::runtime_error("Could not create the data folder " + directory.string() + ": " +
                           g_strerror(error) + ".");
}

}  // namespace ondi::server
