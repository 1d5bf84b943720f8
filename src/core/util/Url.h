#pragma once

#include <optional>
#include <string>

namespace ondi {

// An absolute URL, parsed with GLib's RFC 3986 parser. Scheme and host are kept as written;
// callers lowercase them where a rule compares them.
class Url {
 public:
  // Parses an absolute URL; relative references and unparsable text give none.
  static std::optional<Url> parse(const std::string& text);

  // Resolves `reference` (a path with optional query, or an absolute URL) against this URL.
  std::optional<Url> resolve(const std::string& reference) const;

  const std::string& string() const { return text_; }
  const std::string& scheme() const { return scheme_; }
  const std::string& host() const { return host_; }
  std::optional<int> port() const { return port_; }
  const std::string& path() const { return path_; }
  const std::string& query() const { return query_; }
  // Whether a "?" or "#" part is present, even an empty one.
  bool hasQuery() const { return hasQuery_; }
  bool hasFragment() const { return hasFragment_; }
  bool hasUserOrPassword() const { return hasUserInfo_; }

  std::string lowercasedScheme() const;
  std::string lowercasedHost() const;

 private:
  std::string text_;
  std::string scheme_;
  std::string host_;
  std::optional<int> port_;
  std::string path_;
  std::string query_;
  bool hasQuery_ = false;
  bool hasFragment_ = false;
  bool hasUserInfo_ = false;
};

std::string asciiLowercased(std::string text);

}  // namespace ondi
