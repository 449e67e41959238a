// One owner per kind of Windows handle: the handle is released exactly once, when its owner
// goes or is reset, however the scope is left. Nothing else releases a handle by hand.
#pragma once

#include <windows.h>

#include <utility>

namespace favpage::platform::win32 {

// `Traits` names the empty value (`Empty()`) and the release (`Release(handle)`, true on
// success).
template <typename Handle, typename Traits>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  ~Owned() { Reset(); }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(other.Release()) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Empty(); }
  // Releases what is held and takes `handle`. The old handle stays readable while it is
  // released: a window's procedure still finds its window while the window is destroyed.
  void Reset(Handle handle = Traits::Empty()) {
    if (handle_ != Traits::Empty() && handle_ != handle) Traits::Release(handle_);
    handle_ = handle;
  }
  // Hands the handle over to the caller, who releases it.
  [[nodiscard]] Handle Release() { return std::exchange(handle_, Traits::Empty()); }
  // Releases the handle now: false when the release itself failed (a close that could not
  // write what was buffered). It is gone either way.
  [[nodiscard]] bool Close() {
    const Handle old = std::exchange(handle_, Traits::Empty());
    return old == Traits::Empty() || Traits::Release(old);
  }
  // For a call that hands out a new handle through a pointer: what was held is released.
  Handle* Put() {
    Reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::Empty();
};

namespace owned {

// A file or other kernel object of CreateFileW and its kind.
struct FileTraits {
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
  static bool Release(HANDLE handle) { return CloseHandle(handle) != 0; }
};
struct FindTraits {
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
  static bool Release(HANDLE search) { return FindClose(search) != 0; }
};
template <typename T>
struct LocalTraits {
  static T Empty() { return nullptr; }
  static bool Release(T memory) { return LocalFree(memory) == nullptr; }
};
template <typename T>
struct TaskMemoryTraits {
  static T Empty() { return nullptr; }
  static bool Release(T memory) {
    CoTaskMemFree(memory);
    return true;
  }
};
template <typename T>
struct GdiTraits {
  static T Empty() { return nullptr; }
  static bool Release(T object) { return DeleteObject(object) != 0; }
};
struct IconTraits {
  static HICON Empty() { return nullptr; }
  static bool Release(HICON icon) { return DestroyIcon(icon) != 0; }
};
struct WindowTraits {
  static HWND Empty() { return nullptr; }
  static bool Release(HWND window) { return DestroyWindow(window) != 0; }
};
struct MenuTraits {
  static HMENU Empty() { return nullptr; }
  static bool Release(HMENU menu) { return DestroyMenu(menu) != 0; }
};
struct AcceleratorTraits {
  static HACCEL Empty() { return nullptr; }
  static bool Release(HACCEL table) { return DestroyAcceleratorTable(table) != 0; }
};
struct HookTraits {
  static HHOOK Empty() { return nullptr; }
  static bool Release(HHOOK hook) { return UnhookWindowsHookEx(hook) != 0; }
};
struct MemoryDcTraits {
  static HDC Empty() { return nullptr; }
  static bool Release(HDC dc) { return DeleteDC(dc) != 0; }
};
struct ModuleTraits {
  static HMODULE Empty() { return nullptr; }
  static bool Release(HMODULE module) { return FreeLibrary(module) != 0; }
};

}  // namespace owned

using OwnedHandle = Owned<HANDLE, owned::FileTraits>;
using OwnedFind = Owned<HANDLE, owned::FindTraits>;
// Memory the system allocated with LocalAlloc for the caller (FormatMessageW's buffer).
template <typename T>
using OwnedLocal = Owned<T, owned::LocalTraits<T>>;
// Memory a COM or shell call allocated for the caller (SHGetKnownFolderPath's path).
template <typename T>
using OwnedTaskMemory = Owned<T, owned::TaskMemoryTraits<T>>;
// A GDI object: a font, a bitmap, a brush.
template <typename T>
using OwnedGdi = Owned<T, owned::GdiTraits<T>>;
using OwnedIcon = Owned<HICON, owned::IconTraits>;
using OwnedWindow = Owned<HWND, owned::WindowTraits>;
using OwnedMenu = Owned<HMENU, owned::MenuTraits>;
using OwnedAccelerators = Owned<HACCEL, owned::AcceleratorTraits>;
using OwnedHook = Owned<HHOOK, owned::HookTraits>;
using OwnedMemoryDc = Owned<HDC, owned::MemoryDcTraits>;
using OwnedModule = Owned<HMODULE, owned::ModuleTraits>;

// A window's device context for drawing or measuring, given back to the window with the
// scope (GetDC / ReleaseDC); a null window stands for the screen.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a device context, the previous one selected back with the scope.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selected() { SelectObject(dc_, previous_); }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace favpage::platform::win32
