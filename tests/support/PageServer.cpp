#include "PageServer.h"

#include <gio/gio.h>

#include <stdexcept>

namespace glib = ondi::glib;

PageServer::PageServer(const std::string& address)
    : server_(glib::ObjectRef<SoupServer>::adopt(soup_server_new(nullptr, nullptr))) {
  const auto inet =
      glib::ObjectRef<GInetAddress>::adopt(g_inet_address_new_from_string(address.c_str()));
  const auto socket =
      glib::ObjectRef<GSocketAddress>::adopt(g_inet_socket_address_new(inet.get(), 0));
  glib::Error error;
  if (!soup_server_listen(server_.get(), socket.get(), static_cast<SoupServerListenOptions>(0),
                          error.out())) {
    throw std::runtime_error(std::string("PageServer could not listen: ") + error->message);
  }
  GSList* uris = soup_server_get_uris(server_.get());
  const int port = g_uri_get_port(static_cast<GUri*>(uris->data));
  g_slist_free_full(uris, reinterpret_cast<GDestroyNotify>(g_uri_unref));
  origin_ = "http://" + address + ":" + std::to_string(port);
  soup_server_add_handler(server_.get(), nullptr, handle, this, nullptr);
}

PageServer::~PageServer() {
  soup_server_disconnect(server_.get());
}

void PageServer::addPage(const std::string& path, const std::string& body,
                         const std::string& contentType) {
  pages_[path] = {body, contentType};
}

void PageServer::addStreamingPage(const std::string& path, const std::string& head,
                                  const std::string& tail, std::chrono::milliseconds firstDelay,
                                  std::chrono::milliseconds tailDelay) {
  streamingPages_[path] = {head, tail, firstDelay, tailDelay};
}

// Answers in two timed steps with a chunked body; the message stays paused in between.
void PageServer::stream(SoupServerMessage* message, const StreamingPage& page) {
  const auto after = [message](std::chrono::milliseconds delay, std::string text, bool last) {
    const auto step =
        glib::sourceCallback([message = glib::ObjectRef<SoupServerMessage>::retain(message),
                              text = std::move(text), last]() -> gboolean {
          SoupMessageBody* body = soup_server_message_get_response_body(message.get());
          soup_message_body_append(body, SOUP_MEMORY_COPY, text.data(), text.size());
          if (last) soup_message_body_complete(body);
          soup_server_message_unpause(message.get());
          return G_SOURCE_REMOVE;
        });
    g_timeout_add_full(G_PRIORITY_DEFAULT, static_cast<unsigned>(delay.count()), step.callback,
                       step.data, step.destroy);
  };
  soup_server_message_set_status(message, 200, nullptr);
  SoupMessageHeaders* headers = soup_server_message_get_response_headers(message);
  soup_message_headers_set_encoding(headers, SOUP_ENCODING_CHUNKED);
  soup_message_headers_set_content_type(headers, "text/html", nullptr);
  soup_message_headers_replace(headers, "X-Content-Type-Options", "nosniff");
  soup_server_message_pause(message);
  after(page.firstDelay, page.head, false);
  after(page.firstDelay + page.tailDelay, page.tail, true);
}

std::string PageServer::url(const std::string& path) const {
  return origin_ + path;
}

int PageServer::hits(const std::string& path) const {
  const auto found = hits_.find(path);
  return found == hits_.end() ? 0 : found->second;
}

std::string PageServer::lastRequestHeader(const std::string& path, const std::string& name) const {
  const auto request = headers_.find(path);
  if (request == headers_.end()) return "";
  const auto found = request->second.find(name);
  return found == request->second.end() ? "" : found->second;
}

void PageServer::handle(SoupServer*, SoupServerMessage* message, const char* path, GHashTable*,
                        gpointer data) {
  auto* self = static_cast<PageServer*>(data);
  ++self->hits_[path];
  auto& headers = self->headers_[path];
  headers.clear();
  for (const char* name : {"Cookie", "Cache-Control", "Pragma"}) {
    const char* value =
        soup_message_headers_get_one(soup_server_message_get_request_headers(message), name);
    if (value) headers[name] = value;
  }
  if (const auto streaming = self->streamingPages_.find(path);
      streaming != self->streamingPages_.end()) {
    stream(message, streaming->second);
    return;
  }
  const auto page = self->pages_.find(path);
  if (page == self->pages_.end()) {
    soup_server_message_set_status(message, 404, nullptr);
    return;
  }
  soup_server_message_set_status(message, 200, nullptr);
  soup_server_message_set_response(message, page->second.contentType.c_str(), SOUP_MEMORY_COPY,
                                   page->second.body.data(), page->second.body.size());
}
