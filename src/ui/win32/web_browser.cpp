#include "ui/win32/web_browser.h"
#include "ui/win32/window_class.h"

#include <exdisp.h>
#include <ole2.h>
#include <oleauto.h>

#include <utility>

#include "platform/win32/owned.h"
#include "ui/presenter/window_texts.h"
#include "ui/win32/com.h"
#include "ui/win32/errors.h"
#include "ui/win32/wide.h"

namespace favpage::ui::win32 {
namespace {

RECT ClientRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return rect;
}

// The timer that makes a control put off until the first paint.
constexpr UINT_PTR kStartTimer = 1;

bool NavigateTo(IWebBrowser2* browser, const std::wstring& path) {
  const Bstr url(path);
  VARIANT none;
  VariantInit(&none);
  return SUCCEEDED(browser->Navigate(url.Get(), &none, &none, &none, &none));
}

}  // namespace

struct WebBrowser::Impl {
  class Site;

  platform::win32::OwnedWindow pane;  // from its creation until the system destroys it
  HFONT font = nullptr;               // the parent's, set by WM_SETFONT; not ours to delete
  bool activating = false;
  // The control is still to come: made after the first paint; `pending` is what it is to
  // show then.
  bool deferred = false;
  bool startScheduled = false;
  std::wstring pending;
  ComPtr<Site> site;
  ComPtr<IOleObject> object;
  ComPtr<IOleInPlaceObject> inPlace;
  ComPtr<IWebBrowser2> browser;

  void CreateBrowser();
  void Start();
  void ScheduleStart();
  void CloseBrowser();
  void Resize();
  void Activate();
  void Paint(HDC dc) const;

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// The container's side of the control: client site, in-place site and frame in one object,
// as a control expects of a simple host. It reaches the pane through `impl_`, which the pane
// clears before it lets go, since the control may keep its own references a little longer.
class WebBrowser::Impl::Site final : public IOleClientSite,
                                     public IOleInPlaceSite,
                                     public IOleInPlaceFrame {
 public:
  explicit Site(Impl* impl) : impl_(impl) {}
  void Detach() { impl_ = nullptr; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
      *out = static_cast<IOleClientSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite)) {
      *out = static_cast<IOleInPlaceSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame)) {
      *out = static_cast<IOleInPlaceFrame*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** out) override {
    if (out) *out = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** out) override {
    if (out) *out = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(WINBOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow (shared by the in-place site and the frame)
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override {
    if (!out) return E_POINTER;
    *out = impl_ ? impl_->pane.Get() : nullptr;
    return *out ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(WINBOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return impl_ ? S_OK : S_FALSE; }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                             LPRECT position, LPRECT clip,
                                             LPOLEINPLACEFRAMEINFO info) override {
    if (!frame || !doc || !position || !clip || !info) return E_POINTER;
    *frame = nullptr;
    *doc = nullptr;
    if (!impl_) return E_FAIL;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *position = ClientRect(impl_->pane.Get());
    *clip = *position;
    info->cb = sizeof(OLEINPLACEFRAMEINFO);
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(impl_->pane.Get(), GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(WINBOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT rect) override {
    // The pane decides the control's size: whatever it asks for, it gets the client area.
    if (!rect) return E_POINTER;
    if (impl_) impl_->Resize();
    return S_OK;
  }

  // IOleInPlaceUIWindow: the pane has no tool space to lend.
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override {
    return INPLACE_E_NOTOOLSPACE;
  }
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override {
    return S_OK;
  }

  // IOleInPlaceFrame: no menus, status line or accelerators are merged.
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(WINBOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 private:
  ~Site() = default;

  Impl* impl_;
  ULONG refs_ = 1;
};

void WebBrowser::Impl::CreateBrowser() {
  // The control lives in a single-threaded apartment (OleInitialize). From any other
  // apartment COM would hand out a proxy that cannot be in-place active in our window, so
  // the note stands in, as it does when the control is missing.
  APTTYPE apartment{};
  APTTYPEQUALIFIER qualifier{};
  if (FAILED(CoGetApartmentType(&apartment, &qualifier)) ||
      (apartment != APTTYPE_STA && apartment != APTTYPE_MAINSTA)) {
    return;
  }
  ComPtr<IOleObject> created;
  if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              reinterpret_cast<void**>(created.Put())))) {
    return;
  }
  site = ComPtr<Site>::Adopt(new Site(this));
  object = std::move(created);
  RECT rect = ClientRect(pane.Get());
  if (FAILED(object->SetClientSite(static_cast<IOleClientSite*>(site.Get()))) ||
      FAILED(OleSetContainedObject(object.Get(), TRUE)) ||
      FAILED(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr,
                            static_cast<IOleClientSite*>(site.Get()), 0, pane.Get(), &rect))) {
    CloseBrowser();
    return;
  }
  inPlace = object.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
  browser = object.As<IWebBrowser2>(IID_IWebBrowser2);
  if (!inPlace || !browser) {
    CloseBrowser();
    return;
  }
  Resize();
}

// Makes the control that was put off, showing what it was given meanwhile; without it the
// note stands in.
void WebBrowser::Impl::Start() {
  if (!deferred) return;
  deferred = false;
  if (!pane.Get()) return;  // gone with its window before its time
  KillTimer(pane.Get(), kStartTimer);
  CreateBrowser();
  if (!browser) {
    CloseBrowser();
    return;
  }
  if (!pending.empty()) NavigateTo(browser.Get(), pending);
  pending.clear();
  // The pane may have been given the focus meanwhile: the keyboard goes to the page.
  if (GetFocus() == pane.Get()) Activate();
}

// A timer is the last message a window gets: it comes once every window painted by the
// same update has been painted, so the whole window is on the screen before the control.
void WebBrowser::Impl::ScheduleStart() {
  if (!deferred || startScheduled) return;
  startScheduled = true;
  SetTimer(pane.Get(), kStartTimer, USER_TIMER_MINIMUM, nullptr);
}

// Takes the control down in the order it expects: out of place, closed, cut from its site.
// Safe to call twice and with a half-made control.
void WebBrowser::Impl::CloseBrowser() {
  browser.Reset();
  if (inPlace) inPlace->InPlaceDeactivate();
  inPlace.Reset();
  if (object) {
    object->Close(OLECLOSE_NOSAVE);
    object->SetClientSite(nullptr);
    object.Reset();
  }
  if (site) site->Detach();
  site.Reset();
  // The note is the window's text too, so that a screen reader says what the pane shows.
  if (pane.Get()) {
    SetWindowTextW(pane.Get(), W(str::kPreviewUnavailable));
    InvalidateRect(pane.Get(), nullptr, TRUE);
  }
}

void WebBrowser::Impl::Resize() {
  if (!inPlace) return;
  const RECT rect = ClientRect(pane.Get());
  inPlace->SetObjectRects(&rect, &rect);
}

void WebBrowser::Impl::Activate() {
  if (!object || !site || activating) return;
  activating = true;
  RECT rect = ClientRect(pane.Get());
  object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, static_cast<IOleClientSite*>(site.Get()), 0,
                 pane.Get(), &rect);
  // A control that went UI-active without taking the keyboard (one without a document
  // yet) gets it on its own window, or the tab stop would swallow the focus.
  if (GetFocus() == pane.Get()) {
    if (const HWND control = GetWindow(pane.Get(), GW_CHILD)) SetFocus(control);
  }
  activating = false;
}

void WebBrowser::Impl::Paint(HDC dc) const {
  RECT rect = ClientRect(pane.Get());
  FillRect(dc, &rect, GetSysColorBrush(COLOR_WINDOW));
  if (browser || deferred) return;
  const HGDIOBJ oldFont =
      SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, W(str::kPreviewUnavailable), -1, &rect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, oldFont);
}

LRESULT CALLBACK WebBrowser::Impl::WindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* impl = static_cast<Impl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    impl->pane.Reset(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(impl));
  }
  auto* impl = reinterpret_cast<Impl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!impl) return DefWindowProcW(window, message, wParam, lParam);

  switch (message) {
    case WM_SIZE:
      impl->Resize();
      return 0;
    case WM_SETFOCUS:
      // The pane is the tab stop; the keyboard belongs to the page inside it.
      impl->Activate();
      return 0;
    case WM_SETFONT:
      impl->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(impl->font);
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole client area
    case WM_PAINT: {
      PAINTSTRUCT paint;
      if (HDC dc = BeginPaint(window, &paint)) {
        impl->Paint(dc);
        EndPaint(window, &paint);
      }
      impl->ScheduleStart();
      return 0;
    }
    case WM_TIMER:
      if (wParam != kStartTimer) break;
      impl->Start();
      return 0;
    case WM_PRINTCLIENT:
      impl->Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_DESTROY:
      // The control's own window goes with ours, so it is closed while both still exist.
      impl->CloseBrowser();
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      (void)impl->pane.Release();
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::unique_ptr<WebBrowser> WebBrowser::Create(HWND parent, int id, const RECT& bounds,
                                               BrowserStart start) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  // The pane paints its own background: the browser covers it, or the note is drawn.
  RegisterWindowClass(kPreviewPane.windowClass, &Impl::WindowProc, nullptr);

  auto impl = std::make_unique<Impl>();
  const HWND window = CreateWindowExW(
      0, kPreviewPane.windowClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN,
      bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, impl.get());
  if (!window) {
    throw WindowsError("CreateWindowExW", GetLastError());
  }
  impl->deferred = true;
  if (start == BrowserStart::kAtOnce) impl->Start();  // the note when it fails
  return std::unique_ptr<WebBrowser>(new WebBrowser(std::move(impl)));
}

WebBrowser::WebBrowser(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

WebBrowser::~WebBrowser() {
  impl_->pane.Reset();
  impl_->CloseBrowser();
}

HWND WebBrowser::Window() const { return impl_->pane.Get(); }

bool WebBrowser::HasBrowser() const { return static_cast<bool>(impl_->browser); }

void WebBrowser::StartBrowser() { impl_->Start(); }

std::wstring WebBrowser::Location() const {
  if (!impl_->browser) return {};
  BSTR location = nullptr;
  if (FAILED(impl_->browser->get_LocationURL(&location)) || location == nullptr) return {};
  std::wstring text(location, SysStringLen(location));
  SysFreeString(location);
  return text;
}

bool WebBrowser::Navigate(const std::wstring& path) {
  if (path.empty()) return false;
  if (impl_->deferred && impl_->pane.Get()) {
    impl_->pending = path;
    return true;
  }
  if (!impl_->browser) return false;
  return NavigateTo(impl_->browser.Get(), path);
}

}  // namespace favpage::ui::win32
