#include "generate/memory_title_text.h"

#include "base/sjis.h"

namespace favpage {
bool MemoryTitleText::SetText(const std::string& text) {
  text_ = text;
  return true;
}

int MemoryTitleText::LineCount() const {
  int count = 0;
  for (std::size_t start = 0; start < text_.size(); ++count) {
    const std::size_t end = text_.find("\r\n", start);
    if (end == std::string::npos) return count + 1;
    start = end + 2;
  }
  return count;
}

std::string MemoryTitleText::Line(int index) const {
  if (index < 0) return {};
  std::size_t start = 0;
  for (int i = 0; i < index; ++i) {
    const std::size_t end = text_.find("\r\n", start);
    if (end == std::string::npos) return {};
    start = end + 2;
  }
  if (start >= text_.size()) return {};
  const std::size_t end = text_.find("\r\n", start);
  // As the window reads its lines, into a buffer of the title line limit.
  return std::string(CutAtCharacter(
      std::string_view(text_).substr(start, end == std::string::npos ? end : end - start),
      kTitleLineLimit));
}

}  // namespace favpage
