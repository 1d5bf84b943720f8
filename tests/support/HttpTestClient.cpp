#include "HttpTestClient.h"

#include <stdexcept>

#include <glib/gstrfuncs.h>

namespace {

constexpr guint kTimeoutSeconds = 5;

std::string takeError(GError* error) {
  std::string message = error->message;
  g_error_free(error);
  return message;
}

SoupMessage* newMessage(const std::string& url, std::string_view method) {
  SoupMessage* message = soup_message_new(std::string(method).c_str(), url.c_str());
  if (message == nullptr) throw std::invalid_argument("Not a valid URL: " + url);
  soup_message_add_flags(message, SOUP_MESSAGE_NO_REDIRECT);
  return message;
}

bool names(const HttpTestClient::Headers& headers, const std::string& name) {
  for (const auto& entry : headers) {
    if (g_ascii_strcasecmp(entry.first.c_str(), name.c_str()) == 0) return true;
  }
  return false;
}

void collectHeader(const char* name, const char* value, gpointer data) {
  static_cast<std::vector<std::pair<std::string, std::string>>*>(data)->emplace_back(name, value);
}

}  // namespace

std::vector<std::string> HttpReply::headerValues(std::string_view name) const {
  std::vector<std::string> values;
  for (const auto& [key, value] : headers) {
    if (g_ascii_strcasecmp(key.c_str(), std::string(name).c_str()) == 0) values.push_back(value);
  }
  return values;
}

HttpTestClient::HttpTestClient(std::string baseURL, Cookies cookies, Caller caller)
    : baseURL_(std::move(baseURL)),
      callerHeaders_(caller == Caller::desktop ? Headers{{"Accept", "application/json"},
                                                         {"X-Requested-With", "VelmoraDesktop"}}
                                               : Headers{{"Origin", baseURL_}}),
      session_(soup_session_new_with_options("timeout", kTimeoutSeconds, nullptr)) {
  if (cookies == Cookies::keep) soup_session_add_feature_by_type(session_, SOUP_TYPE_COOKIE_JAR);
}

void HttpTestClient::trustCertificate(const std::string& file) {
  GError* error = nullptr;
  GTlsDatabase* database = g_tls_file_database_new(file.c_str(), &error);
  if (database == nullptr)
    throw std::runtime_error("Cannot read " + file + ": " + takeError(error));
  g_object_set(session_, "tls-database", database, nullptr);
  g_object_unref(database);
}

HttpTestClient::~HttpTestClient() {
  g_object_unref(session_);
}

HttpReply HttpTestClient::send(std::string_view method, std::string_view pathAndQuery,
                               std::string_view body, const Headers& headers) const {
  SoupMessage* message = newMessage(baseURL_ + std::string(pathAndQuery), method);
  SoupMessageHeaders* requestHeaders = soup_message_get_request_headers(message);
  for (const auto& [name, value] : headers) {
    soup_message_headers_append(requestHeaders, name.c_str(), value.c_str());
  }
  for (const auto& [name, value] : callerHeaders_) {
    if (!names(headers, name))
      soup_message_headers_append(requestHeaders, name.c_str(), value.c_str());
  }
  if (!body.empty()) {
    const char* type = soup_message_headers_get_content_type(requestHeaders, nullptr);
    GBytes* bytes = g_bytes_new(body.data(), body.size());
    soup_message_set_request_body_from_bytes(message, type != nullptr ? type : "application/json",
                                             bytes);
    g_bytes_unref(bytes);
  }
  return exchange(message);
}

HttpReply HttpTestClient::sendChunked(std::string_view method, std::string_view pathAndQuery,
                                      std::string_view body) const {
  SoupMessage* message = newMessage(baseURL_ + std::string(pathAndQuery), method);
  for (const auto& [name, value] : callerHeaders_) {
    soup_message_headers_append(soup_message_get_request_headers(message), name.c_str(),
                                value.c_str());
  }
  GBytes* bytes = g_bytes_new(body.data(), body.size());
  GInputStream* stream = g_memory_input_stream_new_from_bytes(bytes);
  soup_message_set_request_body(message, "application/json", stream, -1);
  g_object_unref(stream);
  g_bytes_unref(bytes);
  return exchange(message);
}

HttpReply HttpTestClient::exchange(SoupMessage* message) const {
  GError* error = nullptr;
  GBytes* bytes = soup_session_send_and_read(session_, message, nullptr, &error);
  if (bytes == nullptr) {
    g_object_unref(message);
    throw std::runtime_error("The request failed: " + takeError(error));
  }
  HttpReply reply;
  reply.status = soup_message_get_status(message);
  gsize size = 0;
  const auto* data = static_cast<const char*>(g_bytes_get_data(bytes, &size));
  if (data != nullptr) reply.body.assign(data, size);
  soup_message_headers_foreach(soup_message_get_response_headers(message), collectHeader,
                               &reply.headers);
  g_bytes_unref(bytes);
  g_object_unref(message);
  return reply;
}

std::string HttpTestClient::sendRaw(std::string_view bytes) const {
  GSocketClient* client = g_socket_client_new();
  g_socket_client_set_timeout(client, kTimeoutSeconds);
  const std::string hostAndPort = baseURL_.substr(baseURL_.find("://") + 3);
  GError* error = nullptr;
  GSocketConnection* connection =
      g_socket_client_connect_to_host(client, hostAndPort.c_str(), 0, nullptr, &error);
  g_object_unref(client);
  if (connection == nullptr) throw std::runtime_error("Could not connect: " + takeError(error));

  GOutputStream* output = g_io_stream_get_output_stream(G_IO_STREAM(connection));
  GInputStream* input = g_io_stream_get_input_stream(G_IO_STREAM(connection));
  std::string received;
  // Closing our side tells the server that nothing more is coming.
  if (g_output_stream_write_all(output, bytes.data(), bytes.size(), nullptr, nullptr, nullptr) &&
      g_socket_shutdown(g_socket_connection_get_socket(connection), FALSE, TRUE, nullptr)) {
    char buffer[4096];
    gssize count = 0;
    while ((count = g_input_stream_read(input, buffer, sizeof buffer, nullptr, nullptr)) > 0) {
      received.append(buffer, static_cast<std::size_t>(count));
    }
  }
  g_object_unref(connection);
  return received;
}

std::optional<std::string> HttpTestClient::cookie(std::string_view name) const {
  auto* jar = SOUP_COOKIE_JAR(soup_session_get_feature(session_, SOUP_TYPE_COOKIE_JAR));
  if (jar == nullptr) return std::nullopt;
  std::optional<std::string> value;
  GSList* cookies = soup_cookie_jar_all_cookies(jar);
  for (GSList* item = cookies; item != nullptr; item = item->next) {
    auto* entry = static_cast<SoupCookie*>(item->data);
    if (soup_cookie_get_name(entry) == name) value = soup_cookie_get_value(entry);
  }
  soup_cookies_free(cookies);
  return value;
}
