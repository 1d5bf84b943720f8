#include "core/script/JavaScript.h"

#include "core/util/Json.h"

namespace ondi {

std::string javaScriptLiteral(const std::string& text) {
  const std::string array = encodeJSON(nlohmann::json::array({text}));
  if (array.size() < 2) return "\"\"";
  return array.substr(1, array.size() - 2);
}

}  // namespace ondi
