#pragma once

#include <libsoup/soup.h>

#include <chrono>
#include <map>
#include <string>

#include "core/util/GlibHandles.h"

// A small web server for tests on one loopback address: it serves the pages it is given
// and counts how often each path was asked for.
class PageServer {
 public:
  // `address` is a loopback address such as "127.0.0.1" or "127.0.0.2" (a foreign site).
  explicit PageServer(const std::string& address);
  ~PageServer();
  PageServer(const PageServer&) = delete;
  PageServer& operator=(const PageServer&) = delete;

  void addPage(const std::string& path, const std::string& body,
               const std::string& contentType = "text/html; charset=utf-8");
  // A page whose response starts after `firstDelay` with `head`, and whose body ends with
  // `tail` after a further `tailDelay`.
  void addStreamingPage(const std::string& path, const std::string& head, const std::string& tail,
                        std::chrono::milliseconds firstDelay, std::chrono::milliseconds tailDelay);
  // "http://ADDRESS:PORT" followed by `path`.
  std::string url(const std::string& path) const;
  int hits(const std::string& path) const;
  // The Cookie header of the last request for `path`, empty when none came.
  std::string lastCookieHeader(const std::string& path) const {
    return lastRequestHeader(path, "Cookie");
  }
  // The Cookie, Cache-Control or Pragma header of the last request for `path`, empty when it
  // had none.
  std::string lastRequestHeader(const std::string& path, const std::string& name) const;

 private:
  static void handle(SoupServer*, SoupServerMessage* message, const char* path, GHashTable*,
                     gpointer self);

  struct StreamingPage {
    std::string head;
    std::string tail;
    std::chrono::milliseconds firstDelay;
    std::chrono::milliseconds tailDelay;
  };
  static void stream(SoupServerMessage* message, const StreamingPage& page);

  ondi::glib::ObjectRef<SoupServer> server_;
  std::string origin_;
  struct Page {
    std::string body;
    std::string contentType;
  };
  std::map<std::string, Page> pages_;
  std::map<std::string, StreamingPage> streamingPages_;
  std::map<std::string, int> hits_;
  // Each path's last request headers, by name.
  std::map<std::string, std::map<std::string, std::string>> headers_;
};
