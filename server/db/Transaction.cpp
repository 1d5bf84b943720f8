#include "db/Transaction.h"

#include "db/Database.h"
#include "db/DatabaseError.h"

namespace ondi::server {

Transaction::Transaction(Database& database) : database_(database) {
  database_.execute("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
  if (!open_) return;
  try {
    database_.execute("ROLLBACK");
  } catch (const DatabaseError&) {
    // SQLite has already rolled back when the failure that got us here ended the transaction.
  }
}

void Transaction::commit() {
  database_.execute("COMMIT");
  open_ = false;
}

}  // namespace ondi::server
