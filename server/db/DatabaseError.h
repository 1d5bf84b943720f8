#pragma once

#include <stdexcept>

// A failure reported by SQLite, carrying a finished English sentence.
class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
