// The few Win32 user-interface types and constants that the toolkit's API
// speaks in. On Windows they are the real ones; natively they have the same
// values, so that forms and pages compile unchanged against the headless
// backend. The window-procedure types live in the toolkit's namespace so
// that they never collide with definitions of the ports.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

// The calling convention of a window procedure (stdcall on 32-bit Windows).
#ifdef _WIN32
#define TOOLKIT_WINDOW_PROCEDURE CALLBACK
#else
#define TOOLKIT_WINDOW_PROCEDURE
#endif

namespace toolkit {

#ifdef _WIN32
using WParam = WPARAM;
using LParam = LPARAM;
using LResult = LRESULT;
using WindowProcedure = WNDPROC;
using DeviceContext = HDC;
#else
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;
using WindowProcedure = LResult(TOOLKIT_WINDOW_PROCEDURE*)(HWND, UINT, WParam, LParam);
struct DeviceContext__;
using DeviceContext = DeviceContext__*;
#endif

// WM_ERASEBKGND: the message that a workspace handler paints on.
constexpr UINT kEraseBackgroundMessage = 0x0014;
// MB_ICONERROR (also called MB_ICONHAND and MB_ICONSTOP).
constexpr UINT kErrorIcon = 0x00000010;

}  // namespace toolkit
