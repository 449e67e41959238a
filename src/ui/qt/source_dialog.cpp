#include "ui/qt/source_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/presenter/dialog_record.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/fonts.h"
#include "ui/qt/ui_strings.h"

namespace favpage::ui {
namespace {

QString FromHost(const std::string& text) { return QString::fromStdString(text); }

constexpr int kRowRole = Qt::UserRole;

}  // namespace

SourceDialog::SourceDialog(QWidget* parent, SourceChooser& chooser)
    : QDialog(parent), chooser_(chooser) {
  setObjectName(QStringLiteral("SourceDialog"));
  setWindowTitle(Str(str::kSourceCaption));
  setFont(WindowFont());
  auto* sourcesLabel = new QLabel(Str(str::kSourceListLabel), this);
  sources_ = new QListWidget(this);
  sources_->setObjectName(QStringLiteral("SourceList"));
  sourcesLabel->setBuddy(sources_);
  auto* foldersLabel = new QLabel(Str(str::kFolderTreeLabel), this);
  folders_ = new QTreeWidget(this);
  folders_->setObjectName(QStringLiteral("FolderTree"));
  folders_->setHeaderHidden(true);
  folders_->setColumnCount(1);
  foldersLabel->setBuddy(folders_);
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("SourceSummary"));
  summary_->setWordWrap(true);
  summary_->setTextFormat(Qt::PlainText);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(Str(str::kOk));
  buttons->button(QDialogButtonBox::Cancel)->setText(Str(str::kCancel));
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);

  connect(sources_, &QListWidget::currentRowChanged, this, &SourceDialog::SourceRowChanged);
  // A click on a row that opens a dialog opens it; Enter is taken by the event filter.
  connect(sources_, &QListWidget::itemClicked, this, &SourceDialog::SourceRowActivated);
  sources_->installEventFilter(this);
  connect(folders_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (drawing_ || item == nullptr || !item->data(0, kRowRole).isValid()) return;
    chooser_.FolderSelected(item->data(0, kRowRole).toULongLong());
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(sourcesLabel);
  layout->addWidget(sources_, 2);
  layout->addWidget(foldersLabel);
  layout->addWidget(folders_, 3);
  layout->addWidget(summary_);
  layout->addWidget(buttons);
  resize(420, 460);
}

bool SourceDialog::Run(QWidget* parent, SourceChooser& chooser) {
  SourceDialog dialog(parent, chooser);
  chooser.Open(dialog);
  if (DialogRecord* record = DialogRecording()) {
    const std::optional<int> pick = record->NextChoice();
    if (pick) {
      dialog.sources_->setCurrentRow(*pick);
      dialog.SourceRowActivated(dialog.sources_->item(*pick));
      if (!record->folderAnswers.empty()) {
        const std::size_t row = record->folderAnswers.front();
        record->folderAnswers.pop_front();
        chooser.FolderSelected(row);
      }
    }
    record->folderRows = dialog.shownFolders_;
    return pick.has_value();
  }
  return dialog.exec() == QDialog::Accepted;
}

void SourceDialog::ShowSources(const std::vector<std::string>& captions, int current) {
  drawing_ = true;
  sources_->clear();
  for (const std::string& caption : captions) sources_->addItem(FromHost(caption));
  sources_->setCurrentRow(current);
  drawing_ = false;
}

void SourceDialog::ShowFolders(const std::vector<FolderRow>& rows, std::size_t selected,
                               bool open) {
  drawing_ = true;
  folders_->clear();
  shownFolders_.clear();
  std::vector<QTreeWidgetItem*> items;
  items.reserve(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const FolderRow& row = rows[i];
    auto* item = i == 0 ? new QTreeWidgetItem(folders_) : new QTreeWidgetItem(items[row.parent]);
    item->setText(0, FromHost(row.caption));
    item->setData(0, kRowRole, static_cast<qulonglong>(i));
    items.push_back(item);
    shownFolders_.push_back(std::string(row.depth * 2, ' ') + row.caption);
  }
  if (open) {
    folders_->expandAll();
  } else if (!items.empty()) {
    items.front()->setExpanded(true);
  }
  if (selected < items.size()) folders_->setCurrentItem(items[selected]);
  drawing_ = false;
  // A browser's tree takes the focus: the next keys choose its folder.
  if (open) folders_->setFocus();
}

void SourceDialog::ShowFolderError(const std::string& text) {
  drawing_ = true;
  folders_->clear();
  auto* item = new QTreeWidgetItem(folders_);
  item->setText(0, FromHost(text));
  item->setFlags(Qt::ItemIsEnabled);
  shownFolders_ = {text};
  drawing_ = false;
}

void SourceDialog::ShowSummary(const std::string& text) { summary_->setText(FromHost(text)); }

std::optional<std::string> SourceDialog::ChooseFavoritesFolder(const std::string& start) {
  if (DialogRecord* record = DialogRecording()) return record->NextFile(start);
  const QString folder =
      QFileDialog::getExistingDirectory(this, Str(str::kFavoritesFolderCaption), FromHost(start));
  if (folder.isEmpty()) return std::nullopt;
  return folder.toStdString();
}

std::optional<std::string> SourceDialog::ChooseBookmarksFile(const std::string& folder) {
  const std::optional<QString> chosen = SourceDialogs::ChooseFile(this, FromHost(folder));
  if (!chosen) return std::nullopt;
  return chosen->toStdString();
}

// Enter in the source list goes on to the folder tree (or opens the row's dialog) rather
// than confirming at once: the folder is chosen knowingly, and a second Enter confirms.
bool SourceDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == sources_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      const int row = sources_->currentRow();
      if (row >= 0 && chooser_.AsksForMore(row)) {
        chooser_.SourceSelected(row);
      } else {
        folders_->setFocus();
      }
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void SourceDialog::SourceRowChanged(int row) {
  if (drawing_ || row < 0 || chooser_.AsksForMore(row)) return;
  chooser_.SourceSelected(row);
}

void SourceDialog::SourceRowActivated(QListWidgetItem* item) {
  if (drawing_ || item == nullptr) return;
  const int row = sources_->row(item);
  if (chooser_.AsksForMore(row)) chooser_.SourceSelected(row);
}

}  // namespace favpage::ui
