#include "generate/bookmark_readers.h"

namespace favpage {

bool BookmarkReadersBuilt() { return true; }

}  // namespace favpage
