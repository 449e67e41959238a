#include "ui/win32/modal_loop.h"

namespace favpage::ui::win32 {
namespace {

// Keeps the owner from taking input while the box is up, and gives it back with the
// activation before the box goes, also when the `shown` callback throws.
class OwnerDisabled {
 public:
  OwnerDisabled(HWND owner, HWND box)
      : owner_(owner != nullptr && IsWindowEnabled(owner) ? owner : nullptr), box_(box) {
    if (owner_ != nullptr) EnableWindow(owner_, FALSE);
  }
  ~OwnerDisabled() {
    if (owner_ == nullptr) return;
    EnableWindow(owner_, TRUE);
    if (GetActiveWindow() == box_) SetActiveWindow(owner_);
  }
  OwnerDisabled(const OwnerDisabled&) = delete;
  OwnerDisabled& operator=(const OwnerDisabled&) = delete;

 private:
  HWND owner_;
  HWND box_;
};

}  // namespace

void RunModalLoop(HWND box, HWND owner, HWND focus, const bool& done,
                  const std::function<void()>& shown) {
  const OwnerDisabled ownerDisabled(owner, box);
  ShowWindow(box, SW_SHOW);
  SetFocus(focus);
  if (shown) shown();

  MSG message{};
  while (!done) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      // A quit request taken by this loop belongs to the program's own loop: hand it back.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got == -1) break;
    if (!IsDialogMessageW(box, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

}  // namespace favpage::ui::win32
