#include "http/SoupMessageAdapter.h"

#include <string>

namespace ondi::server {
namespace {

void collectHeader(const char* name, const char* value, gpointer data) {
  auto& headers = *static_cast<Request::Fields*>(data);
  std::string key(name);
  for (char& c : key) c = g_ascii_tolower(c);
  auto [entry, inserted] = headers.try_emplace(std::move(key), value);
  if (!inserted) entry->second.append(", ").append(value);
}

Request::Fields decodeQuery(const char* query) {
  Request::Fields items;
  if (query == nullptr) return items;
  GHashTable* decoded = soup_form_decode(query);
  GHashTableIter iter;
  gpointer name = nullptr;
  gpointer value = nullptr;
  g_hash_table_iter_init(&iter, decoded);
  while (g_hash_table_iter_next(&iter, &name, &value)) {
    items.insert_or_assign(static_cast<const char*>(name), static_cast<const char*>(value));
  }
  g_hash_table_unref(decoded);
  return items;
}

std::string bodyOf(SoupServerMessage* message) {
  g_autoptr(GBytes) bytes =
      soup_message_body_flatten(soup_server_message_get_request_body(message));
  gsize size = 0;
  const auto* data = static_cast<const char*>(g_bytes_get_data(bytes, &size));
  return data != nullptr ? std::string(data, size) : std::string();
}

}  // namespace

Request requestFromMessage(SoupServerMessage* message) {
  Request request;
  request.method = soup_server_message_get_method(message);
  GUri* uri = soup_server_message_get_uri(message);
  request.path = g_uri_get_path(uri);
  if (const char* query = g_uri_get_query(uri)) request.query = query;
  request.queryItems = decodeQuery(g_uri_get_query(uri));
  soup_message_headers_foreach(soup_server_message_get_request_headers(message), collectHeader,
                               &request.headers);
  request.body = bodyOf(message);
  const char* type = soup_message_headers_get_content_type(
      soup_server_message_get_request_headers(message), nullptr);
  if (type != nullptr && g_ascii_strcasecmp(type, "application/x-www-form-urlencoded") == 0) {
    request.formItems = decodeQuery(request.body.c_str());
  }
  request.overTls = g_strcmp0(g_uri_get_scheme(uri), "https") == 0;
  if (const char* host = soup_server_message_get_remote_host(message)) {
    request.clientAddress = host;
  }
  return request;
}

void applyResponse(SoupServerMessage* message, const Response& response) {
  SoupMessageHeaders* headers = soup_server_message_get_response_headers(message);
  for (const auto& [name, value] : response.headers) {
    soup_message_headers_append(headers, name.c_str(), value.c_str());
  }
  const std::string text = response.bodyText();
  soup_server_message_set_status(message, response.status, nullptr);
  soup_server_message_set_response(message, response.contentType().c_str(), SOUP_MEMORY_COPY,
                                   text.data(), text.size());
}

}  // namespace ondi::server
