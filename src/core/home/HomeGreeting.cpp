#include "core/home/HomeGreeting.h"

#include <glib.h>

#include <sstream>

#include "core/ports/Clock.h"
#include "core/util/GlibHandles.h"

namespace ondi {

std::string salutation(int hour) {
  if (hour >= 5 && hour <= 11) return "Good morning";
  if (hour >= 12 && hour <= 17) return "Good afternoon";
  return "Good evening";
}

std::string homeGreeting(int hour, const std::string& name) {
  std::istringstream words(name);
  std::string first;
  words >> first;
  return salutation(hour) + (first.empty() ? "" : ", " + first) + ".";
}

int localHour(std::chrono::system_clock::time_point time) {
  const auto seconds =
      std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
  const glib::Owned<GDateTime, g_date_time_unref> local(g_date_time_new_from_unix_local(seconds));
  return local ? g_date_time_get_hour(local.get()) : 0;
}

std::string homeGreeting(const Clock& clock, const std::string& name) {
  return homeGreeting(localHour(clock.now()), name);
}

}  // namespace ondi
