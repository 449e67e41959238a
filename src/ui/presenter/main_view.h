// What the main window's logic asks of a window face (Qt widgets, native Win32, or a
// recorder in tests): set and read what the controls show, and run the few modal and
// host operations. Every text crossing this interface is host text (UTF-8, host paths);
// the presenter converts to and from the core's Shift_JIS dialect.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/run_host.h"
#include "settings/settings_file.h"

namespace favpage::ui {

class SourceChooser;

// The controls the logic sets, named as the layout names them; a face maps each to its
// widget. A new control is one more name here and one more row in the face's map.
enum class Control {
  FavoriteDir,   // label: the favorites folder's path
  RadioButton1,  // output type: one page
  RadioButton2,  // output type: one page per folder
  Edit2,         // the output file's path
  CheckBox1,     // whether the return link is written
  PanelEx1,      // the panel holding the return link's caption and URL
  Edit1,         // the return link's caption
  Edit3,         // the return link's URL
  Button3,       // the create button
  HTTP1,         // the create menu item
  ComboBox1,     // the style list
  CheckBox2,     // links open in a new window
  CheckBox3,     // pages are written in UTF-8
  StatusBar1,    // what the last run did
  Browser1,      // the menu item that opens the top page in the browser
  HTML5Pages1,   // menu item: pages are written as HTML5
};

// A part of the screen a window may take (a monitor without its task bars), in the
// coordinates of WindowPlace's left and top.
struct ScreenArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class MainView {
 public:
  virtual ~MainView() = default;

  // Shows `text` in an edit (from its start) or a label.
  virtual void SetControlText(Control control, const std::string& text) = 0;
  // Ticks a check box or a checkable menu item, or selects a radio button (selecting never
  // unselects the other).
  virtual void SetChecked(Control control, bool checked) = 0;
  virtual void SetEnabled(Control control, bool enabled) = 0;
  // Selects the item at `index` of a list; -1 selects none.
  virtual void SetSelectedIndex(Control control, int index) = 0;
  // Shows a label's text in the error colour (true) or in its own colour again.
  virtual void SetAlert(Control control, bool alert) = 0;

  // The title edit: its display lines as wrapped at its width, a last empty line not
  // counted; its whole text with the typed or loaded line breaks as "\n"; replacing it.
  virtual int TitleLineCount() = 0;
  virtual std::string TitleLine(int index) = 0;
  virtual std::string TitleText() = 0;
  virtual void SetTitleText(const std::string& text) = 0;

  // A modal message with one "OK" button.
  virtual void ShowMessage(const std::string& text, const std::string& caption,
                           MessageKind kind) = 0;
  // The default error display: the application's title as caption, stop icon, "OK".
  virtual void ShowError(const std::string& text) = 0;
  // The modal file-save dialog opening in `folder`; the chosen path, or nothing when
  // cancelled.
  virtual std::optional<std::string> ChooseOutputFile(const std::string& folder) = 0;
  // The modal source chooser: the face's dialog is opened by `chooser.Open` and forwards
  // the user's choices to it. True when the user confirmed the choice.
  virtual bool RunSourceChooser(SourceChooser& chooser) = 0;
  // The modal About box; returns when it is dismissed.
  virtual void ShowAbout() = 0;
  // Shows the local file `path` in the preview.
  virtual void Navigate(const std::string& path) = 0;
  // Hands the local file `path` to the user's web browser; false when the host could not.
  virtual bool OpenInBrowser(const std::string& path) = 0;

  // The window's place when it is neither maximised nor minimised, and putting it there;
  // the areas of the screens there are now.
  virtual WindowPlace Placement() = 0;
  virtual void Place(const WindowPlace& place) = 0;
  virtual std::vector<ScreenArea> Screens() = 0;

  // The "Working" window of a run.
  virtual void ShowProgress() = 0;
  virtual void SetProgressText(const std::string& text) = 0;
  virtual void HideProgress() = 0;
  virtual void ProcessEvents() = 0;

  // Asks the window to close, as its close box does; the face asks the presenter's
  // CloseQuery whether it may. CloseSoon does the same once the current event is done.
  virtual void Close() = 0;
  virtual void CloseSoon() = 0;
};

}  // namespace favpage::ui
