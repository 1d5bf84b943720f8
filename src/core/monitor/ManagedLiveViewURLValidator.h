#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/util/Url.h"

namespace ondi {

// Scheme, host and port of an http or https address, with the default port filled in.
struct UrlOrigin {
  std::string scheme;
  std::string host;
  int port = 0;

  bool operator==(const UrlOrigin&) const = default;
};

// Which addresses may reach a run's live view: Browserbase pages over https, and the
// browser runner's control pages on the managed browser origin. Nothing else is ever loaded.
class ManagedLiveViewURLValidator {
 public:
  // `browserbaseDomain` is Browserbase's registered domain ("browserbase.com"); empty allows
  // no Browserbase page at all.
  explicit ManagedLiveViewURLValidator(std::string browserbaseDomain);

  // An https address without user information on the Browserbase domain or any subdomain.
  std::optional<Url> browserbaseURL(const std::optional<std::string>& text) const;
  // `text`, resolved against `base`, when it is a control page on the base's origin with no
  // user information, query or fragment.
  static std::optional<Url> browserRunnerURL(const std::optional<std::string>& text,
                                             const std::optional<Url>& base);
  // "/v1/sessions/<canonical UUID>/control", upper- or lower-case hexadecimal.
  static bool isBrowserRunnerControlPath(std::string_view path);
  static std::optional<UrlOrigin> origin(const Url& url);

  // A Browserbase page, or a browser-runner control page on `browserRunnerBase`'s origin.
  bool isAllowed(const Url& url, const std::optional<Url>& browserRunnerBase) const;

 private:
  std::string browserbaseDomain_;
};

}  // namespace ondi
