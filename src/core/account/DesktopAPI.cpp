#include "core/account/DesktopAPI.h"

namespace ondi {

std::string DesktopAPIRequestError::description() const {
  switch (kind_) {
    case Kind::invalidURL:
      return "Ondi could not build the messaging service URL.";
    case Kind::invalidResponse:
      return "Ondi received an invalid response from the messaging service.";
    case Kind::server:
    case Kind::transport:
      return message_;
  }
  return message_;
}

}  // namespace ondi
