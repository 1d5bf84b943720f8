#include "TemporaryDirectory.h"

#include <stdexcept>
#include <string>
#include <system_error>

#include <glib.h>

TemporaryDirectory::TemporaryDirectory() {
  GError* error = nullptr;
  gchar* created = g_dir_make_tmp("ondi-test-XXXXXX", &error);
  if (created == nullptr) {
    const std::string reason = error->message;
    g_error_free(error);
    throw std::runtime_error("Could not create a temporary folder: " + reason);
  }
  path_ = created;
  g_free(created);
}

TemporaryDirectory::~TemporaryDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}
