// <windows.h> without the macros that rename the framework's own members
// (TCanvas::TextOut and DrawText, TApplication::MessageBox); the system functions are
// called by their W names.
#pragma once

#include <windows.h>

#undef TextOut
#undef DrawText
#undef MessageBox
