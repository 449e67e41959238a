// The system's SQLite, to read a database file: linked into the build on POSIX, and on
// Windows the system's own winsqlite3.dll from System32, loaded when first asked for,
// which Windows before 10 (and Wine) do not have. Only what reading needs is offered.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace favpage::platform {

// SQLite's own result codes.
inline constexpr int kSqliteOk = 0;
inline constexpr int kSqliteError = 1;
inline constexpr int kSqliteCorrupt = 11;
inline constexpr int kSqliteNotADatabase = 26;
inline constexpr int kSqliteRow = 100;
inline constexpr int kSqliteDone = 101;

// Whether this system has SQLite: false only on a Windows without winsqlite3.dll.
bool SqliteAvailable();

// One database opened read-only, with one statement at a time. Calls answer with SQLite's
// result codes; without SQLite every call answers kSqliteError.
class SqliteReader {
 public:
  SqliteReader() = default;
  SqliteReader(const SqliteReader&) = delete;
  SqliteReader& operator=(const SqliteReader&) = delete;
  ~SqliteReader();

  // `hostPath` as the host names the file (UTF-8).
  int Open(const std::string& hostPath);
  int Prepare(std::string_view sql);
  // kSqliteRow while rows come, then kSqliteDone; any other code is a failure.
  int Step();
  std::int64_t Int64(int column) const;
  // A column's text as stored (UTF-8); empty for NULL.
  std::string Text(int column) const;
  // The same without a copy: valid until the next Step, and only while no other type of
  // this column is asked for.
  std::string_view TextView(int column) const;

 private:
  void Finalize();

  sqlite3* db_ = nullptr;
  sqlite3_stmt* statement_ = nullptr;
};

}  // namespace favpage::platform
