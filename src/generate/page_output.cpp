#include "generate/page_output.h"

#include "generate/publication.h"

namespace favpage {
namespace {

constexpr std::size_t kHandOnBytes = 64 * 1024;

}  // namespace

PageOutput::PageOutput(Publication* publication, const std::string& page, Mode mode)
    : publication_(publication), page_(page) {
  if (publication_ == nullptr) {
    file_.emplace(page, mode == Mode::kCreate ? TextMode::kCreate : TextMode::kAppend);
  } else if (mode == Mode::kCreate) {
    publication_->StagePage(page);
  }
}

void PageOutput::WriteLine(std::string_view line) {
  if (file_) return file_->WriteLine(line);
  lines_.append(line);
  lines_.append("\r\n");
  // A folder of many links is handed on in pieces, as a text file flushes its buffer.
  if (lines_.size() >= kHandOnBytes) {
    publication_->AppendToPage(page_, lines_);
    lines_.clear();
  }
}

void PageOutput::Close() {
  if (file_) return file_->Close();
  publication_->AppendToPage(page_, lines_);
  lines_.clear();
}

}  // namespace favpage
