#include "platform/sqlite.h"

#include "platform/sqlite_calls.h"

namespace favpage::platform {

bool SqliteAvailable() { return SystemSqlite() != nullptr; }

SqliteReader::~SqliteReader() {
  Finalize();
  if (db_ != nullptr) SystemSqlite()->close(db_);
}

int SqliteReader::Open(const std::string& hostPath) {
  const SqliteCalls* sqlite = SystemSqlite();
  if (sqlite == nullptr || db_ != nullptr) return kSqliteError;
  // SQLite hands back a handle even when the open fails; it must still be closed.
  const int code = sqlite->open_v2(hostPath.c_str(), &db_, kSqliteOpenReadOnly, nullptr);
  if (code != kSqliteOk && db_ != nullptr) {
    sqlite->close(db_);
    db_ = nullptr;
  }
  return code;
}

int SqliteReader::Prepare(std::string_view sql) {
  if (db_ == nullptr) return kSqliteError;
  Finalize();
  return SystemSqlite()->prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement_,
                                    nullptr);
}

int SqliteReader::Step() {
  return statement_ == nullptr ? kSqliteError : SystemSqlite()->step(statement_);
}

std::int64_t SqliteReader::Int64(int column) const {
  return statement_ == nullptr ? 0 : SystemSqlite()->column_int64(statement_, column);
}

std::string SqliteReader::Text(int column) const { return std::string(TextView(column)); }

std::string_view SqliteReader::TextView(int column) const {
  if (statement_ == nullptr) return {};
  const SqliteCalls* sqlite = SystemSqlite();
  // The text first, then its length: that order gives the length of the text form.
  const unsigned char* text = sqlite->column_text(statement_, column);
  if (text == nullptr) return {};
  return std::string_view(reinterpret_cast<const char*>(text),
                          static_cast<std::size_t>(sqlite->column_bytes(statement_, column)));
}

void SqliteReader::Finalize() {
  if (statement_ == nullptr) return;
  SystemSqlite()->finalize(statement_);
  statement_ = nullptr;
}

}  // namespace favpage::platform
