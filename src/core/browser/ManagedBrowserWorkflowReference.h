#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ondi {

class Url;

// The id of a cloud-browser workflow that the agent page handed over, once validated.
class ManagedBrowserWorkflowReference {
 public:
  // Trims the id; none unless it is 1 to 180 characters of ASCII letters, digits, "_" and "-".
  static std::optional<ManagedBrowserWorkflowReference> make(std::string_view workflowID);

  const std::string& id() const { return id_; }
  // The workflow's control page on an http or https base without user information.
  std::optional<std::string> controlURL(const Url& base) const;

 private:
  explicit ManagedBrowserWorkflowReference(std::string id) : id_(std::move(id)) {}

  std::string id_;
};

}  // namespace ondi
