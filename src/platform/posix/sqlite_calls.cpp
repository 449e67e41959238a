// SQLite is linked into the POSIX build.
#include "platform/sqlite_calls.h"

#include <sqlite3.h>

namespace favpage::platform {

const SqliteCalls* SystemSqlite() {
  static const SqliteCalls calls = {
      sqlite3_open_v2,  sqlite3_close,        sqlite3_prepare_v2,  sqlite3_step,
      sqlite3_finalize, sqlite3_column_int64, sqlite3_column_text, sqlite3_column_bytes,
  };
  static_assert(SQLITE_OPEN_READONLY == kSqliteOpenReadOnly && SQLITE_ROW == kSqliteRow &&
                SQLITE_DONE == kSqliteDone && SQLITE_CORRUPT == kSqliteCorrupt &&
                SQLITE_NOTADB == kSqliteNotADatabase);
  return &calls;
}

}  // namespace favpage::platform
