// The style preview's pane: a child window that hosts the system's WebBrowser control
// (IWebBrowser2, in-place active, no ATL) over its whole client area. When the control
// cannot be created the pane shows a plain note instead and the window goes on without it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace favpage::ui::win32 {

class WebBrowser {
 public:
  // Creates the pane as a child of `parent` at `bounds` (the parent's client coordinates),
  // with control id `id` and a tab stop; the browser control is created inside it at once.
  // Needs COM initialised as single-threaded apartment (OleInitialize) on this thread.
  static std::unique_ptr<WebBrowser> Create(HWND parent, int id, const RECT& bounds);
  ~WebBrowser();
  WebBrowser(const WebBrowser&) = delete;
  WebBrowser& operator=(const WebBrowser&) = delete;

  // The pane's own window, which the layout moves and sizes.
  HWND Window() const;
  // Whether the browser control is there (false: the pane shows the note).
  bool HasBrowser() const;
  // Shows the local file `path`; false when there is no browser or it refused.
  bool Navigate(const std::wstring& path);

 private:
  struct Impl;
  explicit WebBrowser(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace favpage::ui::win32
