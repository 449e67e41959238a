// How a browser reads a link's address: script schemes as it strips and removes
// characters, and the "&" that begin character references in an attribute value.
#include "generate/address_rules.h"

#include <gtest/gtest.h>

namespace favpage {
namespace {

TEST(AddressRules, ScriptAddressesAsABrowserReadsTheirScheme) {
  const struct {
    const char* address;
    bool script;
  } cases[] = {
      {"javascript:alert(1)", true},
      {"JaVaScRiPt:alert(1)", true},
      {"vbscript:msgbox(1)", true},
      {"VBSCRIPT:x", true},
      {"data:text/html,<script>alert(1)</script>", true},
      {"DATA:,x", true},
      {"  javascript:x", true},         // leading blanks are stripped
      {"\x01\x1f javascript:x", true},  // and leading control characters
      {"java\tscript:x", true},         // tabs and line breaks go from anywhere
      {"jav\r\nascript:x", true},
      {"\tdata\n:x", true},
      {"javascript", false},  // no scheme without ":"
      {"javascripts:x", false},
      {"xjavascript:x", false},
      {"java script:x", false},  // a blank inside ends the scheme
      {"https://example.org/javascript:x", false},
      {"/data:x", false},
      {"./javascript:x", false},
      {"\x7fjavascript:x", false},      // DEL is not stripped
      {"\x81\x40javascript:x", false},  // nor is a wide blank
      {"", false},
      {"mailto:a@example.org", false},
      {"data", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsScriptAddress(c.address), c.script) << c.address;
  }
}

TEST(AddressRules, AmpersandsThatBeginReferencesAreEscaped) {
  const struct {
    const char* href;
    const char* written;
  } cases[] = {
      // Ordinary query strings keep their bytes.
      {"?a=1&b=2", "?a=1&b=2"},
      {"?lang=ja&amp=1", "?lang=ja&amp=1"},  // "=" after a short name: not decoded
      {"?a&notify=1", "?a&notify=1"},        // "not" followed by a letter
      {"?a&copyx", "?a&copyx"},
      {"?x&foo", "?x&foo"},  // no ";" and no name a browser knows
      {"&", "&"},
      {"a&&b", "a&&b"},
      {"&#", "&#"},
      {"&#;", "&#;"},
      {"&#x", "&#x"},
      {"&#xZ1", "&#xZ1"},
      {"&#a", "&#a"},
      {"&1;", "&1;"},  // a name begins with a letter
      {"&;", "&;"},
      // References a browser would decode.
      {"?a=1&lt;b", "?a=1&amp;lt;b"},
      {"?a=1&amp;b=2", "?a=1&amp;amp;b=2"},
      {"&foo;", "&amp;foo;"},
      {"&#60;", "&amp;#60;"},
      {"&#60", "&amp;#60"},  // decoded without ";" too
      {"&#x3C;", "&amp;#x3C;"},
      {"&#X3c", "&amp;#X3c"},
      {"?c=&copy", "?c=&amp;copy"},      // a short name at the end
      {"?c=&copy_1", "?c=&amp;copy_1"},  // followed by neither "=" nor a letter
      {"?&AMP/", "?&amp;AMP/"},
      {"&frac12 ", "&amp;frac12 "},
      {"&lt&gt", "&amp;lt&amp;gt"},
      {"&&lt;", "&&amp;lt;"},
      {"\x82\xA0&lt;\x82\xA0", "\x82\xA0&amp;lt;\x82\xA0"},  // between Shift_JIS characters
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EscapeReferenceAmpersands(c.href), c.written) << c.href;
  }
}

}  // namespace
}  // namespace favpage
