#include "generate/html_references.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace favpage::html {
namespace {

struct NamedReference {
  std::string_view name;
  char32_t codePoint;
};

// The Latin-1 names, U+00A0 to U+00FF in order. Every one of them is also read without
// its ";", as browsers have always read them.
// clang-format off
constexpr std::string_view kLatin1[] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",
    "uml",    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",
    "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",  "para",   "middot",
    "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest",
    "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
    "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",
    "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
    "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

// The other legacy names read without ";".
constexpr NamedReference kLegacy[] = {
    {"amp", 0x26}, {"AMP", 0x26}, {"lt", 0x3C},    {"LT", 0x3C},   {"gt", 0x3E},
    {"GT", 0x3E},  {"quot", 0x22}, {"QUOT", 0x22}, {"COPY", 0xA9}, {"REG", 0xAE},
};

// Names read only with their ";" (written here without it).
constexpr NamedReference kWithSemicolon[] = {
    // ASCII punctuation.
    {"Tab", 0x09},     {"NewLine", 0x0A}, {"excl", 0x21},   {"num", 0x23},    {"dollar", 0x24},
    {"percnt", 0x25},  {"apos", 0x27},    {"lpar", 0x28},   {"rpar", 0x29},   {"ast", 0x2A},
    {"plus", 0x2B},    {"comma", 0x2C},   {"period", 0x2E}, {"sol", 0x2F},    {"colon", 0x3A},
    {"semi", 0x3B},    {"equals", 0x3D},  {"quest", 0x3F},  {"commat", 0x40}, {"lsqb", 0x5B},
    {"lbrack", 0x5B},  {"bsol", 0x5C},    {"rsqb", 0x5D},   {"rbrack", 0x5D}, {"Hat", 0x5E},
    {"lowbar", 0x5F},  {"grave", 0x60},   {"lcub", 0x7B},   {"lbrace", 0x7B}, {"verbar", 0x7C},
    {"vert", 0x7C},    {"rcub", 0x7D},    {"rbrace", 0x7D}, {"half", 0xBD},   {"centerdot", 0xB7},
    // Latin extended and spacing modifiers.
    {"OElig", 0x152},  {"oelig", 0x153},  {"Scaron", 0x160}, {"scaron", 0x161}, {"Yuml", 0x178},
    {"fnof", 0x192},   {"circ", 0x2C6},   {"tilde", 0x2DC},
    // Greek.
    {"Alpha", 0x391},  {"Beta", 0x392},   {"Gamma", 0x393}, {"Delta", 0x394},  {"Epsilon", 0x395},
    {"Zeta", 0x396},   {"Eta", 0x397},    {"Theta", 0x398}, {"Iota", 0x399},   {"Kappa", 0x39A},
    {"Lambda", 0x39B}, {"Mu", 0x39C},     {"Nu", 0x39D},    {"Xi", 0x39E},     {"Omicron", 0x39F},
    {"Pi", 0x3A0},     {"Rho", 0x3A1},    {"Sigma", 0x3A3}, {"Tau", 0x3A4},    {"Upsilon", 0x3A5},
    {"Phi", 0x3A6},    {"Chi", 0x3A7},    {"Psi", 0x3A8},   {"Omega", 0x3A9},  {"alpha", 0x3B1},
    {"beta", 0x3B2},   {"gamma", 0x3B3},  {"delta", 0x3B4}, {"epsilon", 0x3B5}, {"zeta", 0x3B6},
    {"eta", 0x3B7},    {"theta", 0x3B8},  {"iota", 0x3B9},  {"kappa", 0x3BA},  {"lambda", 0x3BB},
    {"mu", 0x3BC},     {"nu", 0x3BD},     {"xi", 0x3BE},    {"omicron", 0x3BF}, {"pi", 0x3C0},
    {"rho", 0x3C1},    {"sigmaf", 0x3C2}, {"sigma", 0x3C3}, {"tau", 0x3C4},    {"upsilon", 0x3C5},
    {"phi", 0x3C6},    {"chi", 0x3C7},    {"psi", 0x3C8},   {"omega", 0x3C9},  {"thetasym", 0x3D1},
    {"upsih", 0x3D2},  {"piv", 0x3D6},
    // General punctuation.
    {"ensp", 0x2002},  {"emsp", 0x2003},  {"thinsp", 0x2009}, {"zwnj", 0x200C}, {"zwj", 0x200D},
    {"lrm", 0x200E},   {"rlm", 0x200F},   {"hyphen", 0x2010}, {"dash", 0x2010}, {"ndash", 0x2013},
    {"mdash", 0x2014}, {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"sbquo", 0x201A}, {"ldquo", 0x201C},
    {"rdquo", 0x201D}, {"bdquo", 0x201E}, {"dagger", 0x2020}, {"Dagger", 0x2021}, {"bull", 0x2022},
    {"hellip", 0x2026}, {"permil", 0x2030}, {"prime", 0x2032}, {"Prime", 0x2033},
    {"lsaquo", 0x2039}, {"rsaquo", 0x203A}, {"oline", 0x203E}, {"frasl", 0x2044},
    {"euro", 0x20AC},
    // Letter-like symbols and arrows.
    {"image", 0x2111}, {"weierp", 0x2118}, {"real", 0x211C}, {"trade", 0x2122}, {"TRADE", 0x2122},
    {"alefsym", 0x2135}, {"larr", 0x2190}, {"uarr", 0x2191}, {"rarr", 0x2192}, {"darr", 0x2193},
    {"harr", 0x2194},  {"crarr", 0x21B5}, {"lArr", 0x21D0}, {"uArr", 0x21D1},  {"rArr", 0x21D2},
    {"dArr", 0x21D3},  {"hArr", 0x21D4},
    // Mathematical operators.
    {"forall", 0x2200}, {"part", 0x2202}, {"exist", 0x2203}, {"empty", 0x2205}, {"nabla", 0x2207},
    {"isin", 0x2208},  {"notin", 0x2209}, {"ni", 0x220B},   {"prod", 0x220F},  {"sum", 0x2211},
    {"minus", 0x2212}, {"lowast", 0x2217}, {"radic", 0x221A}, {"prop", 0x221D}, {"infin", 0x221E},
    {"ang", 0x2220},   {"and", 0x2227},   {"or", 0x2228},   {"cap", 0x2229},   {"cup", 0x222A},
    {"int", 0x222B},   {"there4", 0x2234}, {"sim", 0x223C}, {"cong", 0x2245},  {"asymp", 0x2248},
    {"ne", 0x2260},    {"equiv", 0x2261}, {"le", 0x2264},   {"ge", 0x2265},    {"sub", 0x2282},
    {"sup", 0x2283},   {"nsub", 0x2284},  {"sube", 0x2286}, {"supe", 0x2287},  {"oplus", 0x2295},
    {"otimes", 0x2297}, {"perp", 0x22A5}, {"sdot", 0x22C5},
    // Technical, geometric and miscellaneous symbols.
    {"lceil", 0x2308}, {"rceil", 0x2309}, {"lfloor", 0x230A}, {"rfloor", 0x230B},
    {"lang", 0x27E8},  {"rang", 0x27E9},  {"loz", 0x25CA},  {"starf", 0x2605}, {"star", 0x2606},
    {"phone", 0x260E}, {"female", 0x2640}, {"male", 0x2642}, {"spades", 0x2660}, {"clubs", 0x2663},
    {"hearts", 0x2665}, {"diams", 0x2666}, {"flat", 0x266D}, {"natural", 0x266E}, {"sharp", 0x266F},
    {"check", 0x2713},
};

// What windows-1252 puts at 0x80-0x9F; 0 where it leaves the code as it is.
constexpr char32_t kWindows1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
// clang-format on

struct Entry {
  std::string name;
  char32_t codePoint;
};

const std::vector<Entry>& Table() {
  static const std::vector<Entry> table = [] {
    std::vector<Entry> entries;
    const auto both = [&](std::string_view name, char32_t codePoint) {
      entries.push_back({std::string(name), codePoint});
      entries.push_back({std::string(name) + ";", codePoint});
    };
    for (std::size_t i = 0; i < std::size(kLatin1); ++i) {
      both(kLatin1[i], static_cast<char32_t>(0xA0 + i));
    }
    for (const NamedReference& legacy : kLegacy) both(legacy.name, legacy.codePoint);
    for (const NamedReference& named : kWithSemicolon) {
      entries.push_back({std::string(named.name) + ";", named.codePoint});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return entries;
  }();
  return table;
}

// For each byte, the names that begin with it: [first, last) in the table.
using NameRange = std::pair<std::size_t, std::size_t>;
const std::array<NameRange, 256>& FirstCharacterRanges() {
  static const std::array<NameRange, 256> ranges = [] {
    std::array<NameRange, 256> found{};
    const std::vector<Entry>& table = Table();
    for (std::size_t i = 0; i < table.size(); ++i) {
      NameRange& range = found[static_cast<unsigned char>(table[i].name.front())];
      if (range.first == range.second) range.first = i;
      range.second = i + 1;
    }
    return found;
  }();
  return ranges;
}

}  // namespace

char32_t NamedReferenceCodePoint(std::string_view name) {
  const std::vector<Entry>& table = Table();
  const auto at =
      std::lower_bound(table.begin(), table.end(), name,
                       [](const Entry& entry, std::string_view key) { return entry.name < key; });
  return at == table.end() || at->name != name ? 0 : at->codePoint;
}

void NamedReferenceMatcher::Reset() {
  first_ = 0;
  last_ = Table().size();
  length_ = 0;
}

// The names are sorted, so those that begin with what was read lie together, and those
// among them with `c` next lie together again.
bool NamedReferenceMatcher::Add(char c) {
  const std::vector<Entry>& table = Table();
  if (length_ == 0) {
    // Every reference begins here: the names by their first character are looked up,
    // not searched for.
    const auto [first, last] = FirstCharacterRanges()[static_cast<unsigned char>(c)];
    if (first == last) return false;
    first_ = first;
    last_ = last;
    length_ = 1;
    return true;
  }
  const auto begin = table.begin() + static_cast<std::ptrdiff_t>(first_);
  const auto end = table.begin() + static_cast<std::ptrdiff_t>(last_);
  const std::size_t at = length_;
  // A name that ends here sorts before every longer one: it is "less" than any `c`.
  const auto charAt = [at](const Entry& entry) {
    return entry.name.size() > at ? static_cast<int>(static_cast<unsigned char>(entry.name[at]))
                                  : -1;
  };
  const int wanted = static_cast<unsigned char>(c);
  const auto from =
      std::partition_point(begin, end, [&](const Entry& e) { return charAt(e) < wanted; });
  const auto to =
      std::partition_point(from, end, [&](const Entry& e) { return charAt(e) == wanted; });
  if (from == to) return false;
  first_ = static_cast<std::size_t>(from - table.begin());
  last_ = static_cast<std::size_t>(to - table.begin());
  ++length_;
  return true;
}

char32_t NamedReferenceMatcher::CodePoint() const {
  if (length_ == 0 || first_ == last_) return 0;
  const Entry& shortest = Table()[first_];
  return shortest.name.size() == length_ ? shortest.codePoint : 0;
}

char32_t NumericReferenceCodePoint(std::uint32_t value) {
  if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0xFFFD;
  if (value >= 0x80 && value <= 0x9F && kWindows1252[value - 0x80] != 0) {
    return kWindows1252[value - 0x80];
  }
  return value;
}

}  // namespace favpage::html
