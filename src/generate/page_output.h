// Where one page operation writes its lines. Without a publication it is the page file
// itself, opened for the operation and closed after it. In a run that stages its pages
// the lines go to the publication, which holds the page's bytes: the same bytes, without
// a file opened for every operation.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/text_file.h"

namespace favpage {

class Publication;

class PageOutput {
 public:
  enum class Mode {
    kCreate,  // the page begins anew, empty
    kAppend,  // the page must exist; its lines continue
  };

  // Raises IoError naming `page` as TextFile does, or as the publication refuses it.
  PageOutput(Publication* publication, const std::string& page, Mode mode);
  PageOutput(const PageOutput&) = delete;
  PageOutput& operator=(const PageOutput&) = delete;

  // Writes the line's bytes and CR LF.
  void WriteLine(std::string_view line);
  // Hands the lines on; raises IoError when that fails.
  void Close();

 private:
  Publication* publication_;
  const std::string& page_;
  std::string lines_;
  std::optional<TextFile> file_;
};

}  // namespace favpage
