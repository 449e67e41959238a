// The few SQLite functions SqliteReader calls, as each host reaches them: the linked
// library on POSIX, GetProcAddress on Windows. Only the platform layer sees this.
#pragma once

#include "platform/sqlite.h"

namespace favpage::platform {

#ifdef _WIN32
#define FAVPAGE_SQLITE_CALL __stdcall  // how winsqlite3.dll is called (32-bit builds)
#else
#define FAVPAGE_SQLITE_CALL
#endif

struct SqliteCalls {
  int(FAVPAGE_SQLITE_CALL* open_v2)(const char*, sqlite3**, int, const char*);
  int(FAVPAGE_SQLITE_CALL* close)(sqlite3*);
  int(FAVPAGE_SQLITE_CALL* prepare_v2)(sqlite3*, const char*, int, sqlite3_stmt**, const char**);
  int(FAVPAGE_SQLITE_CALL* step)(sqlite3_stmt*);
  int(FAVPAGE_SQLITE_CALL* finalize)(sqlite3_stmt*);
  long long(FAVPAGE_SQLITE_CALL* column_int64)(sqlite3_stmt*, int);
  const unsigned char*(FAVPAGE_SQLITE_CALL* column_text)(sqlite3_stmt*, int);
  int(FAVPAGE_SQLITE_CALL* column_bytes)(sqlite3_stmt*, int);
};

inline constexpr int kSqliteOpenReadOnly = 0x00000001;

// The system's SQLite; null when it has none.
const SqliteCalls* SystemSqlite();

}  // namespace favpage::platform
