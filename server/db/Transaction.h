#pragma once

namespace ondi::server {

class Database;

// Holds an immediate write transaction; it rolls back unless commit() was called.
class Transaction {
 public:
  explicit Transaction(Database& database);
  ~Transaction();

  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  void commit();

 private:
  Database& database_;
  bool open_ = true;
};

}  // namespace ondi::server
