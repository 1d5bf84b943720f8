#include "core/util/Uuid.h"

#include <glib.h>

#include "core/util/GlibHandles.h"

namespace ondi {

std::string newUUID() {
  std::string uuid = glib::takeString(g_uuid_string_random());
  for (char& c : uuid) c = g_ascii_toupper(c);
  return uuid;
}

}  // namespace ondi
