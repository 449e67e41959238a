// favpage: the desktop window that turns the browser favorites into HTML link pages.
#include "ui/qt/program.h"

int main(int argc, char** argv) { return favpage::ui::RunProgram(argc, argv); }
