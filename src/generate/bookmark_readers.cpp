#include "generate/bookmark_readers.h"

#include "platform/sqlite.h"

namespace favpage {

bool BookmarkReadersBuilt() { return true; }

bool FirefoxPlacesReadable() { return platform::SqliteAvailable(); }

}  // namespace favpage
