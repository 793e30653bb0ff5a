// The platform's API for the window layer. windows.h makes macros of the
// names of its ANSI and wide functions; the window layer's operations that
// bear the same names (MessageBox, GetSaveFileName, SetWindowText,
// GetDlgItemText, SetDlgItemText, WinHelp) must stay themselves, so the
// macros go and the layer calls the ANSI functions by their own names.
// "small" is a macro of the RPC headers, and a parameter's name here.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#undef MessageBox
#undef GetSaveFileName
#undef SetWindowText
#undef GetDlgItemText
#undef SetDlgItemText
#undef WinHelp
#undef small
