// The listing's delivery, the same on every host: each host's First reads the whole
// folder into the entries, which are then handed out in order.
#include "platform/dir_search.h"

namespace favpage::platform {

bool DirSearch::Next(FindData& found) {
  if (next_ >= entries_.size()) return false;
  found = entries_[next_++];
  return true;
}

void DirSearch::Close() {
  entries_.clear();
  next_ = 0;
}

}  // namespace favpage::platform
