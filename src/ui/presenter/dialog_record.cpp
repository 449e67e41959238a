#include "ui/presenter/dialog_record.h"

namespace favpage::ui {
namespace {

DialogRecord* recording = nullptr;

}  // namespace

std::optional<std::string> DialogRecord::NextFile(const std::string& folder) {
  folders.push_back(folder);
  if (fileAnswers.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(fileAnswers.front());
  fileAnswers.pop_front();
  return answer;
}

std::optional<int> DialogRecord::NextChoice() {
  if (listAnswers.empty()) return std::nullopt;
  const std::optional<int> answer = listAnswers.front();
  listAnswers.pop_front();
  return answer;
}

void RecordDialogsInto(DialogRecord* record) { recording = record; }

DialogRecord* DialogRecording() { return recording; }

}  // namespace favpage::ui
