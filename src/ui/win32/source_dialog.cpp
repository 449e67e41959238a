#include "ui/win32/source_dialog.h"

#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "platform/win32/owned.h"
#include "ui/presenter/dialog_record.h"
#include "ui/presenter/window_texts.h"
#include "ui/win32/dialogs.h"
#include "ui/win32/fonts.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/wide.h"
#include "ui/win32/window_class.h"

namespace favpage::ui::win32 {
namespace {

using platform::win32::OwnedWindow;

constexpr int kSourceListId = 100;
constexpr int kFolderTreeId = 101;
constexpr int kSummaryId = 102;
constexpr SIZE kClient{420, 460};

HWND MakeChild(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, int id,
               RECT at, DWORD exStyle = 0) {
  HWND child = CreateWindowExW(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, at.left,
                               at.top, at.right - at.left, at.bottom - at.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(WindowFont()), FALSE);
  return child;
}

// The folder dialog's first folder, set once it is up.
int CALLBACK StartAt(HWND dialog, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, start);
  return 0;
}

class SourceDialog : public SourceDialogView {
 public:
  explicit SourceDialog(SourceChooser& chooser) : chooser_(chooser) {}
  SourceDialog(const SourceDialog&) = delete;
  SourceDialog& operator=(const SourceDialog&) = delete;
  // The box's controls notify as they go (a tree view's selection among them): none of
  // that reaches the chooser once the dialog is done.
  ~SourceDialog() override {
    if (box_.Get() != nullptr) SetWindowLongPtrW(box_.Get(), GWLP_USERDATA, 0);
  }

  void Build(HWND owner) {
    RegisterWindowClass(kSourceChooser.windowClass, Procedure);
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    RECT frame{0, 0, kClient.cx, kClient.cy};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    box_.Reset(CreateWindowExW(
        WS_EX_DLGMODALFRAME, kSourceChooser.windowClass, W(str::kSourceCaption), style,
        (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
        width, height, owner, nullptr, GetModuleHandleW(nullptr), nullptr));
    HWND box = box_.Get();
    MakeChild(box, WC_STATICW, W(str::kSourceListLabel), 0, -1, {8, 8, kClient.cx - 8, 24});
    sources_ = MakeChild(box, WC_LISTBOXW, L"", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP, kSourceListId,
                         {8, 26, kClient.cx - 8, 150}, WS_EX_CLIENTEDGE);
    MakeChild(box, WC_STATICW, W(str::kFolderTreeLabel), 0, -1, {8, 158, kClient.cx - 8, 174});
    folders_ =
        MakeChild(box, WC_TREEVIEWW, L"",
                  TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_TABSTOP,
                  kFolderTreeId, {8, 176, kClient.cx - 8, 380}, WS_EX_CLIENTEDGE);
    summary_ =
        MakeChild(box, WC_STATICW, L"", SS_NOPREFIX, kSummaryId, {8, 388, kClient.cx - 8, 420});
    MakeChild(box, WC_BUTTONW, W(str::kOk), BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK,
              {kClient.cx - 168, kClient.cy - 32, kClient.cx - 88, kClient.cy - 8});
    MakeChild(box, WC_BUTTONW, W(str::kCancel), BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL,
              {kClient.cx - 80, kClient.cy - 32, kClient.cx - 8, kClient.cy - 8});
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }

  bool Run(HWND owner) {
    RunModalLoop(box_.Get(), owner, sources_, done_);
    return accepted_;
  }

  // What a test's record answers in place of the user.
  bool Answer(DialogRecord& record) {
    const std::optional<int> pick = record.NextChoice();
    if (pick) {
      SendMessageW(sources_, LB_SETCURSEL, static_cast<WPARAM>(*pick), 0);
      chooser_.SourceSelected(*pick);
      if (!record.folderAnswers.empty()) {
        chooser_.FolderSelected(record.folderAnswers.front());
        record.folderAnswers.pop_front();
      }
    }
    record.folderRows = shownFolders_;
    return pick.has_value();
  }

  // SourceDialogView.
  void ShowSources(const std::vector<std::string>& captions, int current) override {
    drawing_ = true;
    SendMessageW(sources_, LB_RESETCONTENT, 0, 0);
    for (const std::string& caption : captions) {
      const std::wstring text = Wide(caption);
      SendMessageW(sources_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(sources_, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    drawing_ = false;
  }
  void ShowFolders(const std::vector<FolderRow>& rows, std::size_t selected, bool open) override {
    drawing_ = true;
    TreeView_DeleteAllItems(folders_);
    shownFolders_.clear();
    std::vector<HTREEITEM> items;
    items.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      std::wstring text = Wide(rows[i].caption);
      TVINSERTSTRUCTW insert{};
      insert.hParent = i == 0 ? TVI_ROOT : items[rows[i].parent];
      insert.hInsertAfter = TVI_LAST;
      insert.item.mask = TVIF_TEXT | TVIF_PARAM;
      insert.item.pszText = text.data();
      insert.item.lParam = static_cast<LPARAM>(i);
      items.push_back(TreeView_InsertItem(folders_, &insert));
      shownFolders_.push_back(std::string(rows[i].depth * 2, ' ') + rows[i].caption);
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (open || i == 0) TreeView_Expand(folders_, items[i], TVE_EXPAND);
    }
    if (selected < items.size()) TreeView_SelectItem(folders_, items[selected]);
    drawing_ = false;
    // A browser's tree takes the focus: the next keys choose its folder.
    if (open) SetFocus(folders_);
  }
  void ShowFolderError(const std::string& text) override {
    drawing_ = true;
    TreeView_DeleteAllItems(folders_);
    std::wstring shown = Wide(text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = shown.data();
    insert.item.lParam = static_cast<LPARAM>(kNoFolderRow);
    TreeView_InsertItem(folders_, &insert);
    shownFolders_ = {text};
    drawing_ = false;
  }
  void ShowSummary(const std::string& text) override {
    SetWindowTextW(summary_, Wide(text).c_str());
  }
  std::optional<std::string> ChooseFavoritesFolder(const std::string& start) override {
    if (DialogRecord* record = DialogRecording()) return record->NextFile(start);
    const std::wstring first = Wide(start);
    std::wstring title = W(str::kFavoritesFolderCaption);
    BROWSEINFOW browse{};
    browse.hwndOwner = box_.Get();
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    browse.lpfn = StartAt;
    browse.lParam = reinterpret_cast<LPARAM>(first.c_str());
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (chosen == nullptr) return std::nullopt;
    std::wstring path(32768, L'\0');
    const bool named = SHGetPathFromIDListEx(chosen, path.data(), static_cast<DWORD>(path.size()),
                                             GPFIDL_DEFAULT) != FALSE;
    CoTaskMemFree(chosen);
    if (!named) return std::nullopt;
    path.resize(path.find(L'\0'));
    return Utf8(path);
  }
  std::optional<std::string> ChooseBookmarksFile(const std::string& folder) override {
    const std::optional<std::wstring> chosen = ChooseOpenFile(box_.Get(), Wide(folder));
    if (!chosen) return std::nullopt;
    return Utf8(*chosen);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = reinterpret_cast<SourceDialog*>(GetWindowLongPtrW(box, GWLP_USERDATA));
    if (dialog != nullptr) {
      if (message == WM_COMMAND) return dialog->Command(LOWORD(wParam), HIWORD(wParam)), 0;
      if (message == WM_NOTIFY) return dialog->Notify(*reinterpret_cast<NMHDR*>(lParam)), 0;
      if (message == WM_CLOSE) return dialog->Finish(false), 0;
    }
    return DefWindowProcW(box, message, wParam, lParam);
  }

  int CurrentSource() const { return static_cast<int>(SendMessageW(sources_, LB_GETCURSEL, 0, 0)); }

  void Command(int id, int code) {
    if (id == kSourceListId && !drawing_) {
      const int row = CurrentSource();
      // A row that opens a dialog waits for a double click or Enter; the arrows pass it.
      if (code == LBN_SELCHANGE && !chooser_.AsksForMore(row)) chooser_.SourceSelected(row);
      if (code == LBN_DBLCLK && chooser_.AsksForMore(row)) chooser_.SourceSelected(row);
      return;
    }
    if (id == IDOK) {
      // Enter in the source list goes on to the folder tree (or opens the row's dialog)
      // rather than confirming at once: the folder is chosen knowingly.
      if (GetFocus() == sources_) {
        const int row = CurrentSource();
        if (chooser_.AsksForMore(row)) {
          chooser_.SourceSelected(row);
        } else {
          SetFocus(folders_);
        }
        return;
      }
      Finish(true);
    }
    if (id == IDCANCEL) Finish(false);
  }

  void Notify(const NMHDR& header) {
    if (header.idFrom != kFolderTreeId || header.code != TVN_SELCHANGEDW || drawing_ || done_) {
      return;
    }
    const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
    const auto row = static_cast<std::size_t>(change.itemNew.lParam);
    if (row != kNoFolderRow) chooser_.FolderSelected(row);
  }

  void Finish(bool accepted) {
    accepted_ = accepted;
    done_ = true;
  }

  SourceChooser& chooser_;
  OwnedWindow box_;
  HWND sources_ = nullptr;
  HWND folders_ = nullptr;
  HWND summary_ = nullptr;
  bool drawing_ = false;
  bool done_ = false;
  bool accepted_ = false;
  std::vector<std::string> shownFolders_;
};

}  // namespace

bool RunSourceDialog(HWND owner, SourceChooser& chooser) {
  SourceDialog dialog(chooser);  // outlives the box, whose procedure reads it
  dialog.Build(owner);
  chooser.Open(dialog);
  if (DialogRecord* record = DialogRecording()) return dialog.Answer(*record);
  return dialog.Run(owner);
}

}  // namespace favpage::ui::win32
