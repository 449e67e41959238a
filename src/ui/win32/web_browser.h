// The style preview's pane: a child window that hosts the system's WebBrowser control
// (IWebBrowser2, in-place active, no ATL) over its whole client area. When the control
// cannot be created the pane shows a plain note instead and the window goes on without it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace favpage::ui::win32 {

// When the pane makes its browser control: at once, or once the window it lies in has been
// painted. The control takes longer to start than the rest of a window; made after the
// paint, it leaves the window on the screen at once and the preview follows.
enum class BrowserStart { kAtOnce, kAfterFirstPaint };

class WebBrowser {
 public:
  // Creates the pane as a child of `parent` at `bounds` (the parent's client coordinates),
  // with control id `id` and a tab stop; the browser control is created inside it at once,
  // or after the pane's first paint, once the rest of the window is painted too.
  // Needs COM initialised as single-threaded apartment (OleInitialize) on this thread.
  static std::unique_ptr<WebBrowser> Create(HWND parent, int id, const RECT& bounds,
                                            BrowserStart start = BrowserStart::kAtOnce);
  ~WebBrowser();
  WebBrowser(const WebBrowser&) = delete;
  WebBrowser& operator=(const WebBrowser&) = delete;

  // The pane's own window, which the layout moves and sizes.
  HWND Window() const;
  // Whether the browser control is there (false: the pane shows the note, or the control
  // is still to come).
  bool HasBrowser() const;
  // Makes the browser control now when it is still to come; it then shows the file last
  // given to Navigate.
  void StartBrowser();
  // The address the control shows or is loading; empty without a control.
  std::wstring Location() const;
  // Shows the local file `path`; false when there is no browser or it refused. While the
  // control is still to come, the path is kept for it and the answer is true.
  bool Navigate(const std::wstring& path);

 private:
  struct Impl;
  explicit WebBrowser(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace favpage::ui::win32
