#include <windows.h>

#include "ui/win32/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return favpage::ui::win32::RunProgram(); }
