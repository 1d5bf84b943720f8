#include "core/monitor/ManagedLiveViewURLValidator.h"

#include <glib.h>

namespace ondi {
namespace {

constexpr std::string_view kSessionsPrefix = "/v1/sessions/";
constexpr std::string_view kControlSuffix = "/control";
constexpr std::size_t kUUIDLength = 36;

bool isCanonicalUUID(std::string_view text) {
  if (text.size() != kUUIDLength) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool hyphenPlace = i == 8 || i == 13 || i == 18 || i == 23;
    if (hyphenPlace ? text[i] != '-' : !g_ascii_isxdigit(text[i])) return false;
  }
  return g_uuid_string_is_valid(std::string(text).c_str());
}

}  // namespace

ManagedLiveViewURLValidator::ManagedLiveViewURLValidator(std::string browserbaseDomain)
    : browserbaseDomain_(asciiLowercased(std::move(browserbaseDomain))) {}

std::optional<Url> ManagedLiveViewURLValidator::browserbaseURL(
    const std::optional<std::string>& text) const {
  if (!text || browserbaseDomain_.empty()) return std::nullopt;
  auto url = Url::parse(*text);
  if (!url || url->lowercasedScheme() != "https" || url->hasUserOrPassword()) return std::nullopt;
  const std::string host = url->lowercasedHost();
  const bool onDomain = host == browserbaseDomain_ || host.ends_with("." + browserbaseDomain_);
  return onDomain ? url : std::nullopt;
}

std::optional<Url> ManagedLiveViewURLValidator::browserRunnerURL(
    const std::optional<std::string>& text, const std::optional<Url>& base) {
  if (!text || !base) return std::nullopt;
  auto url = base->resolve(*text);
  if (!url) return std::nullopt;
  const auto urlOrigin = origin(*url);
  if (!urlOrigin || urlOrigin != origin(*base)) return std::nullopt;
  if (url->hasQuery() || url->hasFragment()) return std::nullopt;
  return isBrowserRunnerControlPath(url->path()) ? url : std::nullopt;
}

bool ManagedLiveViewURLValidator::isBrowserRunnerControlPath(std::string_view path) {
  if (!path.starts_with(kSessionsPrefix) || !path.ends_with(kControlSuffix)) return false;
  if (path.size() < kSessionsPrefix.size() + kControlSuffix.size()) return false;
  return isCanonicalUUID(path.substr(kSessionsPrefix.size(),
                                     path.size() - kSessionsPrefix.size() - kControlSuffix.size()));
}

std::optional<UrlOrigin> ManagedLiveViewURLValidator::origin(const Url& url) {
  const std::string scheme = url.lowercasedScheme();
  if (scheme != "http" && scheme != "https") return std::nullopt;
  if (url.hasUserOrPassword() || url.host().empty()) return std::nullopt;
  return UrlOrigin{scheme, url.lowercasedHost(), url.port().value_or(scheme == "https" ? 443 : 80)};
}

bool ManagedLiveViewURLValidator::isAllowed(const Url& url,
                                            const std::optional<Url>& browserRunnerBase) const {
  return browserbaseURL(url.string()) || browserRunnerURL(url.string(), browserRunnerBase);
}

}  // namespace ondi
