#include "ServiceClock.h"

#include <glib.h>

namespace ondi::server {

std::int64_t ServiceClock::now() const {
  return g_get_real_time() / G_USEC_PER_SEC + offset_;
}

void ServiceClock::advance(std::int64_t seconds) {
  offset_ += seconds;
}

}  // namespace ondi::server
