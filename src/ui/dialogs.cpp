#include "ui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <utility>

#include "ui/placement.h"
#include "ui/ui_strings.h"

namespace favpage::ui {
namespace {

bool recordMessages = false;
std::vector<ShownMessage> recordedMessages;

bool answerArmed = false;
std::optional<QString> nextAnswer;
QString lastFolder;

}  // namespace

void MessageBoxes::Show(const QString& caption, const QString& text, QMessageBox::Icon icon) {
  if (recordMessages) {
    QStringList visible;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible()) visible.append(window->objectName());
    }
    recordedMessages.push_back({caption, text, icon, visible});
    return;
  }
  QMessageBox box(icon, caption, text, QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.winId();  // the native window knows its frame, which the centring includes
  KeepCentredOnScreen(&box);
  box.exec();
}

void MessageBoxes::RecordInstead() { recordMessages = true; }

std::vector<ShownMessage>& MessageBoxes::Recorded() { return recordedMessages; }

std::optional<QString> SaveDialogs::Choose(QWidget* parent, const QString& folder) {
  lastFolder = folder;
  if (answerArmed) {
    answerArmed = false;
    return std::exchange(nextAnswer, std::nullopt);
  }
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDefaultSuffix(Str(str::kHtmlSuffix));
  dialog.setNameFilter(Str(str::kHtmlFilter));
  dialog.setDirectory(folder);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

void SaveDialogs::SetNextAnswer(std::optional<QString> answer) {
  answerArmed = true;
  nextAnswer = std::move(answer);
}

QString SaveDialogs::LastFolder() { return lastFolder; }

}  // namespace favpage::ui
