// The source chooser's Qt dialog: the sources in a list, the chosen source's folders in a
// tree below it, and a line saying what will be published. The logic is the presenter's
// SourceChooser; the dialog draws it and forwards the user's choices.
#pragma once

#include <QDialog>

#include "ui/presenter/source_chooser.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;

namespace favpage::ui {

class SourceDialog : public QDialog, public SourceDialogView {
  Q_OBJECT
 public:
  SourceDialog(QWidget* parent, SourceChooser& chooser);

  // Runs the dialog modally; true when it was confirmed. While a DialogRecord is set the
  // dialog is not shown: the record's next list answer picks a source row (none: cancelled),
  // its next folder answer a folder row, and the folders the tree would show are recorded.
  static bool Run(QWidget* parent, SourceChooser& chooser);

  // SourceDialogView.
  void ShowSources(const std::vector<std::string>& captions, int current) override;
  void ShowFolders(const std::vector<FolderRow>& rows, std::size_t selected, bool open) override;
  void ShowFolderError(const std::string& text) override;
  void ShowSummary(const std::string& text) override;
  std::optional<std::string> ChooseFavoritesFolder(const std::string& start) override;
  std::optional<std::string> ChooseBookmarksFile(const std::string& folder) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A source row chosen by the arrows or a click; the rows that open a dialog wait for
  // Enter, a click or a double click.
  void SourceRowChanged(int row);
  void SourceRowActivated(QListWidgetItem* item);

  SourceChooser& chooser_;
  QListWidget* sources_;
  QTreeWidget* folders_;
  QLabel* summary_;
  bool drawing_ = false;  // the view is being filled: its signals are not the user's
  std::vector<std::string> shownFolders_;  // the tree's captions, indented, for the record
};

}  // namespace favpage::ui
