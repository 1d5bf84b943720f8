#include "core/navigation/BillingAddress.h"

#include "core/util/GlibHandles.h"

namespace ondi {
namespace {

std::string queryEscaped(const std::string& value) {
  return glib::takeString(g_uri_escape_string(value.c_str(), nullptr, FALSE));
}

}  // namespace

std::string billingURL(const ServiceOrigin& origin, const std::optional<std::string>& planID,
                       const std::string& source) {
  std::string query = "source=" + queryEscaped(source) + "&surface=billing";
  if (planID && *planID != "free") query += "&plan=" + queryEscaped(*planID);
  return origin.url("/agent.html?" + query);
}

}  // namespace ondi
