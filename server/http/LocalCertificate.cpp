#include "http/LocalCertificate.h"

#include <stdexcept>
#include <vector>

namespace ondi::server {
namespace {

constexpr const char* kValidDays = "30";

// The subject alternative name of the host: an address or a DNS name.
std::string alternativeName(const std::string& host) {
  GInetAddress* address = g_inet_address_new_from_string(host.c_str());
  const bool isAddress = address != nullptr;
  if (address != nullptr) g_object_unref(address);
  return "subjectAltName=" + std::string(isAddress ? "IP:" : "DNS:") + host;
}

void runOpenssl(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  gchar* errors = nullptr;
  gint status = 0;
  GError* error = nullptr;
  const bool ran = g_spawn_sync(nullptr, argv.data(), nullptr, G_SPAWN_SEARCH_PATH, nullptr,
                                nullptr, nullptr, &errors, &status, &error);
  std::string problem;
  if (!ran) {
    problem = error->message;
    g_error_free(error);
  } else if (!g_spawn_check_wait_status(status, nullptr)) {
    problem = errors != nullptr ? errors : "it failed";
  }
  g_free(errors);
  if (!problem.empty()) {
    throw std::runtime_error("Could not make the HTTPS certificate with openssl: " + problem);
  }
}

}  // namespace

LocalCertificate::LocalCertificate(const std::filesystem::path& directory, const std::string& host)
    : certificateFile_(directory / "certificate.pem") {
  std::filesystem::create_directories(directory);
  std::filesystem::permissions(directory, std::filesystem::perms::owner_all);
  const auto keyFile = directory / "key.pem";
  runOpenssl({"openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt",
              "ec_paramgen_curve:prime256v1", "-nodes", "-days", kValidDays, "-subj", "/CN=" + host,
              "-addext", alternativeName(host), "-keyout", keyFile.string(), "-out",
              certificateFile_.string()});
  GError* error = nullptr;
  certificate_ =
      g_tls_certificate_new_from_files(certificateFile_.c_str(), keyFile.c_str(), &error);
  if (certificate_ == nullptr) {
    const std::string message = error->message;
    g_error_free(error);
    throw std::runtime_error("Could not read the HTTPS certificate: " + message + ".");
  }
}

LocalCertificate::~LocalCertificate() {
  if (certificate_ != nullptr) g_object_unref(certificate_);
}

}  // namespace ondi::server
