// The order in which an NTFS volume delivers the entries of a folder: ordinal comparison
// of the names' UTF-16 code units after upper-casing them.
#pragma once

#include <string>
#include <string_view>

namespace favpage::platform::posix {

// The key an NTFS folder index sorts `utf8Name` by. Bytes that are not UTF-8 get code
// units of their own (U+DC80 to U+DCFF), so every host name has a stable place.
std::u16string NtfsSortKey(std::string_view utf8Name);

}  // namespace favpage::platform::posix
