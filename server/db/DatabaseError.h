#pragma once

#include <stdexcept>

namespace ondi::server {

// A failure reported by SQLite, carrying a finished English sentence.
class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace ondi::server
