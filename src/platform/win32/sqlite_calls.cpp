// Windows 10 and later carry SQLite as winsqlite3.dll in System32. It is loaded from there
// only, never from the program's folder or the search path, where another file of that
// name could stand, and kept for the life of the process.
#include <windows.h>

#include <cstring>
#include <optional>

#include "platform/sqlite_calls.h"
#include "platform/win32/owned.h"

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
  win32::OwnedModule library(
      LoadLibraryExW(L"winsqlite3.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  if (!library) return std::nullopt;
  const HMODULE module = library.Get();
  SqliteCalls calls{};
  const bool resolved = Resolve(module, "sqlite3_open_v2", calls.open_v2) &&
                        Resolve(module, "sqlite3_close", calls.close) &&
                        Resolve(module, "sqlite3_prepare_v2", calls.prepare_v2) &&
                        Resolve(module, "sqlite3_step", calls.step) &&
                        Resolve(module, "sqlite3_finalize", calls.finalize) &&
                        Resolve(module, "sqlite3_column_int64", calls.column_int64) &&
                        Resolve(module, "sqlite3_column_text", calls.column_text) &&
                        Resolve(module, "sqlite3_column_bytes", calls.column_bytes);
  if (!resolved) return std::nullopt;
  (void)library.Release();  // the calls stay valid for the life of the process
  return calls;
}

}  // namespace

const SqliteCalls* SystemSqlite() {
  static const std::optional<SqliteCalls> calls = Load();
  return calls ? &*calls : nullptr;
}

}  // namespace favpage::platform
