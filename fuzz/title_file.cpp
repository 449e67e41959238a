// The title file's round trip on any title text: saving and loading again gives the text
// back when its lines end in CR LF and it holds no NUL; whatever the text, the loaded
// text is a fixed point (saved and loaded again, it stays the same).
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "generate/memory_title_text.h"
#include "settings/title_file.h"

namespace favpage {
namespace {

// The length of the character at `pos` as the title file reads it: CR and LF are never a
// second byte, so a lead byte before one stands alone.
std::size_t TitleCharLength(std::string_view text, std::size_t pos) {
  const std::size_t length = CharLength(text, pos);
  return length == 2 && (text[pos + 1] == '\r' || text[pos + 1] == '\n') ? 1 : length;
}

// A text the title edit could hold as it is: every line end a CR LF pair, no NUL.
bool IsEditText(std::string_view text) {
  if (text.find('\0') != std::string_view::npos) return false;  // even as a second byte
  bool afterCr = false;  // the character before is a CR of its own
  for (std::size_t i = 0; i < text.size(); i += TitleCharLength(text, i)) {
    const bool single = TitleCharLength(text, i) == 1;
    if (afterCr && !(single && text[i] == '\n')) return false;
    if (!afterCr && single && text[i] == '\n') return false;
    afterCr = single && text[i] == '\r';
  }
  return !afterCr;
}

std::string SaveAndLoad(const std::string& path, const std::string& text) {
  MemoryTitleText saved;
  saved.SetText(text);
  SaveTitleLines(path, saved);
  MemoryTitleText loaded;
  FUZZ_CHECK(LoadTitleFile(path, loaded) == TitleLoad::kLoaded);
  return loaded.Text();
}

}  // namespace
}  // namespace favpage

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace favpage;
  static const fuzz::ScratchFolder folder;
  static const std::string path = folder.internal("favpage.tit");
  const std::string text(reinterpret_cast<const char*>(data), size);

  const std::string loaded = SaveAndLoad(path, text);
  if (IsEditText(text)) FUZZ_CHECK(loaded == text);
  FUZZ_CHECK(SaveAndLoad(path, loaded) == loaded);
  return 0;
}
