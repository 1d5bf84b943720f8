#pragma once

#include <filesystem>
#include <string>

#include <gio/gio.h>

namespace ondi::server {

// A self-signed certificate for the host this server listens on, made fresh at each start so
// that the HTTPS port works without any setup. Clients trust it only where a development
// setting names its file.
class LocalCertificate {
 public:
  // Writes "certificate.pem" and "key.pem" under the folder with the openssl command. Throws
  // std::runtime_error with a finished sentence.
  LocalCertificate(const std::filesystem::path& directory, const std::string& host);
  ~LocalCertificate();
  LocalCertificate(const LocalCertificate&) = delete;
  LocalCertificate& operator=(const LocalCertificate&) = delete;

  GTlsCertificate* certificate() const { return certificate_; }
  const std::filesystem::path& certificateFile() const { return certificateFile_; }

 private:
  std::filesystem::path certificateFile_;
  GTlsCertificate* certificate_ = nullptr;
};

}  // namespace ondi::server
