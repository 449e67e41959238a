#include "ui/qt/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <string>
#include <vector>

#include "ui/presenter/dialog_record.h"
#include "ui/qt/fonts.h"
#include "ui/qt/placement.h"
#include "ui/qt/ui_strings.h"

namespace favpage::ui {
namespace {

std::optional<QString> FromRecord(const std::optional<std::string>& answer) {
  if (!answer) return std::nullopt;
  return QString::fromStdString(*answer);
}

// Runs a file dialog modally: the chosen file, or nothing when cancelled.
std::optional<QString> ChosenFile(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace

void MessageBoxes::Show(const QString& caption, const QString& text, MessageKind kind) {
  if (DialogRecord* record = DialogRecording()) {
    std::vector<std::string> shown;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible()) shown.push_back(window->objectName().toStdString());
    }
    record->messages.push_back({caption.toStdString(), text.toStdString(), kind, shown});
    return;
  }
  const QMessageBox::Icon icon =
      kind == MessageKind::kConfirmation ? QMessageBox::Question : QMessageBox::Critical;
  QMessageBox box(icon, caption, text, QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.winId();  // the native window knows its frame, which the centring includes
  KeepCentredOnScreen(&box);
  box.exec();
}

std::optional<QString> SaveDialogs::Choose(QWidget* parent, const QString& folder) {
  if (DialogRecord* record = DialogRecording()) {
    return FromRecord(record->NextFile(folder.toStdString()));
  }
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDefaultSuffix(Str(str::kHtmlSuffix));
  dialog.setNameFilter(Str(str::kHtmlFilter));
  dialog.setDirectory(folder);
  return ChosenFile(dialog);
}

std::optional<QString> SourceDialogs::ChooseFile(QWidget* parent, const QString& folder) {
  if (DialogRecord* record = DialogRecording()) {
    return FromRecord(record->NextFile(folder.toStdString()));
  }
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters({Str(str::kBookmarksFilterName) + QStringLiteral(" (") +
                             Str(str::kBookmarksPatterns) + QLatin1Char(')'),
                         Str(str::kAllFilesName) + QStringLiteral(" (*)")});
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  return ChosenFile(dialog);
}

}  // namespace favpage::ui
