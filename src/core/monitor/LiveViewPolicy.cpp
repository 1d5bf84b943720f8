#include "core/monitor/LiveViewPolicy.h"

namespace ondi {
namespace {

std::optional<Url> parsedBase(const std::optional<std::string>& base) {
  return base ? Url::parse(*base) : std::nullopt;
}

}  // namespace

bool LiveViewPolicy::isBrowserRunnerURL(const std::optional<std::string>& url,
                                        const std::optional<std::string>& browserRunnerBase) const {
  return ManagedLiveViewURLValidator::browserRunnerURL(url, parsedBase(browserRunnerBase))
      .has_value();
}

LiveViewPolicy::Update LiveViewPolicy::update(
    const std::optional<std::string>& url, const std::optional<std::string>& loaded,
    const std::optional<std::string>& browserRunnerBase) const {
  if (url && isAllowed(*url, browserRunnerBase)) {
    return url == loaded ? Update{} : Update{Update::Kind::load, *url};
  }
  return loaded ? Update{Update::Kind::blank, {}} : Update{};
}

LiveViewPolicy::Navigation LiveViewPolicy::navigation(
    const std::optional<std::string>& url, bool opensNewWindow,
    const std::optional<std::string>& browserRunnerBase) const {
  if (opensNewWindow || !url || url->empty()) return Navigation::cancel;
  if (*url == "about:blank") return Navigation::allow;
  return isAllowed(*url, browserRunnerBase) ? Navigation::allow : Navigation::cancel;
}

bool LiveViewPolicy::isAllowed(const std::string& url,
                               const std::optional<std::string>& base) const {
  const auto parsed = Url::parse(url);
  return parsed && validator_.isAllowed(*parsed, parsedBase(base));
}

}  // namespace ondi
