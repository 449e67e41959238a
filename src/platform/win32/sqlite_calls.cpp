// Windows 10 and later carry SQLite as winsqlite3.dll in System32. It is loaded from there
// only, never from the program's folder or the search path, where another file of that
// name could stand, and kept for the life of the process.
#include <windows.h>

#include <cstring>
#include <optional>

#include "platform/sqlite_calls.h"

namespace favpage::platform {
namespace {

template <typename Function>
bool Resolve(HMODULE module, const char* name, Function& function) {
  const FARPROC address = GetProcAddress(module, name);
  static_assert(sizeof function == sizeof address);
  std::memcpy(&function, &address, sizeof function);
  return address != nullptr;
}

std::optional<SqliteCalls> Load() {
  const HMODULE module = LoadLibraryExW(L"winsqlite3.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr) return std::nullopt;
  SqliteCalls calls{};
  const bool resolved = Resolve(module, "sqlite3_open_v2", calls.open_v2) &&
                        Resolve(module, "sqlite3_close", calls.close) &&
                        Resolve(module, "sqlite3_prepare_v2", calls.prepare_v2) &&
                        Resolve(module, "sqlite3_step", calls.step) &&
                        Resolve(module, "sqlite3_finalize", calls.finalize) &&
                        Resolve(module, "sqlite3_column_int64", calls.column_int64) &&
                        Resolve(module, "sqlite3_column_text", calls.column_text) &&
                        Resolve(module, "sqlite3_column_bytes", calls.column_bytes);
  if (!resolved) {
    FreeLibrary(module);
    return std::nullopt;
  }
  return calls;
}

}  // namespace

const SqliteCalls* SystemSqlite() {
  static const std::optional<SqliteCalls> calls = Load();
  return calls ? &*calls : nullptr;
}

}  // namespace favpage::platform
