#include "ui/qt/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
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

std::optional<int> SourceDialogs::Choose(QWidget* parent, const QStringList& choices, int current) {
  if (DialogRecord* record = DialogRecording()) return record->NextChoice();
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("SourceDialog"));
  dialog.setWindowTitle(Str(str::kSourceCaption));
  dialog.setFont(WindowFont());
  auto* list = new QListWidget(&dialog);
  list->setObjectName(QStringLiteral("SourceList"));
  list->addItems(choices);
  list->setCurrentRow(current);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(Str(str::kOk));
  buttons->button(QDialogButtonBox::Cancel)->setText(Str(str::kCancel));
  // Nothing to confirm until a choice is selected.
  auto updateOk = [list, buttons] {
    buttons->button(QDialogButtonBox::Ok)->setEnabled(list->currentRow() >= 0);
  };
  updateOk();
  QObject::connect(list, &QListWidget::currentRowChanged, &dialog, updateOk);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(list);
  layout->addWidget(buttons);
  dialog.resize(280, 200);
  if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
  return list->currentRow();
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
