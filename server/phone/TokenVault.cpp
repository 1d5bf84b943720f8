#include "phone/TokenVault.h"

#include <array>
#include <cerrno>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <sodium.h>
#include <unistd.h>

#include <glib.h>

namespace ondi::server {
namespace {

constexpr mode_t kOwnerOnly = 0600;
constexpr int kBase64Variant = sodium_base64_VARIANT_ORIGINAL;

// The key, wiped from memory when it goes out of scope.
class Key {
 public:
  Key() = default;
  ~Key() { sodium_memzero(bytes_.data(), bytes_.size()); }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;

  unsigned char* data() { return bytes_.data(); }
  std::size_t size() const { return bytes_.size(); }

 private:
  std::array<unsigned char, crypto_secretbox_KEYBYTES> bytes_{};
};

std::runtime_error keyFileError(const std::filesystem::path& file, std::string_view action) {
  const int error = errno;
  return std::runtime_error("Could not " + std::string(action) + " the token key file " +
                            file.string() + ": " + g_strerror(error) + ".");
}

bool readKey(const std::filesystem::path& file, Key& key) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return false;
    throw keyFileError(file, "open");
  }
  const ssize_t length = ::read(fd, key.data(), key.size());
  ::close(fd);
  if (length != static_cast<ssize_t>(key.size())) {
    throw std::runtime_error("The token key file " + file.string() +
                             " is damaged; it must hold exactly 32 bytes.");
  }
  return true;
}

// Writes a new random key; false when another writer created the file first.
bool createKey(const std::filesystem::path& file, Key& key) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kOwnerOnly);
  if (fd < 0) {
    if (errno == EEXIST) return false;
    throw keyFileError(file, "create");
  }
  randombytes_buf(key.data(), key.size());
  const bool written =
      ::write(fd, key.data(), key.size()) == static_cast<ssize_t>(key.size()) && ::fsync(fd) == 0;
  const int error = errno;
  ::close(fd);
  if (!written) {
    ::unlink(file.c_str());
    errno = error;
    throw keyFileError(file, "write");
  }
  return true;
}

}  // namespace

TokenVault::TokenVault(std::filesystem::path keyFile) : keyFile_(std::move(keyFile)) {}

std::string TokenVault::seal(std::string_view secret) const {
  Key key;
  if (!readKey(keyFile_, key) && !createKey(keyFile_, key)) readKey(keyFile_, key);
  std::vector<unsigned char> box(crypto_secretbox_NONCEBYTES + crypto_secretbox_MACBYTES +
                                 secret.size());
  unsigned char* nonce = box.data();
  randombytes_buf(nonce, crypto_secretbox_NONCEBYTES);
  crypto_secretbox_easy(nonce + crypto_secretbox_NONCEBYTES,
                        reinterpret_cast<const unsigned char*>(secret.data()), secret.size(), nonce,
                        key.data());
  std::string text(sodium_base64_ENCODED_LEN(box.size(), kBase64Variant), '\0');
  sodium_bin2base64(text.data(), text.size(), box.data(), box.size(), kBase64Variant);
  text.resize(text.size() - 1);
  return text;
}

std::optional<std::string> TokenVault::open(std::string_view sealed) const {
  Key key;
  if (!readKey(keyFile_, key)) return std::nullopt;
  std::vector<unsigned char> box(sealed.size());
  std::size_t length = 0;
  if (sodium_base642bin(box.data(), box.size(), sealed.data(), sealed.size(), nullptr, &length,
                        nullptr, kBase64Variant) != 0 ||
      length < crypto_secretbox_NONCEBYTES + crypto_secretbox_MACBYTES) {
    return std::nullopt;
  }
  const unsigned char* nonce = box.data();
  const std::size_t cipherLength = length - crypto_secretbox_NONCEBYTES;
  std::string secret(cipherLength - crypto_secretbox_MACBYTES, '\0');
  if (crypto_secretbox_open_easy(reinterpret_cast<unsigned char*>(secret.data()),
                                 nonce + crypto_secretbox_NONCEBYTES, cipherLength, nonce,
                                 key.data()) != 0) {
    return std::nullopt;
  }
  return secret;
}

}  // namespace ondi::server
