#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace ondi {

// Scripts that call the operator page's global functions.
struct PageScripts {
  // "if (window.G) {\n  window.G(<json>);\n}", or none when the argument cannot be serialised.
  static std::optional<std::string> notification(const std::string& global,
                                                 const nlohmann::json& argument);
  static std::optional<std::string> desktopActionUpdate(const std::string& id, bool ok,
                                                        const std::optional<std::string>& text,
                                                        const std::optional<std::string>& error);
  static std::optional<std::string> speechUpdate(const std::string& status,
                                                 const std::optional<std::string>& transcript,
                                                 const std::optional<std::string>& message);
  static std::optional<std::string> openAIUpdate(const nlohmann::json& reply);
};

}  // namespace ondi
