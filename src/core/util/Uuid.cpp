#include "core/util/Uuid.h"

#include <glib.h>

namespace ondi {

std::string newUUID() {
  char* text = g_uuid_string_random();
  std::string uuid = text;
  g_free(text);
  for (char& c : uuid) c = g_ascii_toupper(c);
  return uuid;
}

}  // namespace ondi
