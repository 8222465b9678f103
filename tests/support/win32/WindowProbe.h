// Looking into another program's windows from a test or a tool: finding
// them, reading their texts and list view cells, real key strokes, and
// waiting by polling with a bound.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace wendox::testing {

std::string WindowText(HWND window);
std::string ItemText(HWND parent, int id);

// The text of column `column` of `row` (both from 0) of a list view in any
// process, and with `image` the row's image index.
std::string ListViewCell(HWND list, int row, int column, int* image = nullptr);

// Polls `done` every 50 ms until it holds or `timeoutMs` passes.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);

// The top-level windows of the class (any caption when nullptr) owned by
// the process `processId` (any process when 0), and the first of them or
// nullptr; and the first once it shows, or nullptr after `timeoutMs`.
std::vector<HWND> FindWindows(DWORD processId, const char* className, const char* caption);
HWND FindProcessWindow(DWORD processId, const char* className, const char* caption);
HWND WaitForWindow(DWORD processId, const char* className, const char* caption, DWORD timeoutMs);

// Real key strokes, to whichever window has the keyboard focus: one press,
// or the keys held down (the presses repeat, as a keyboard's do) until
// `done` or the time is up.
void PressKey(WORD key);
bool HoldKeys(std::initializer_list<WORD> keys, const std::function<bool()>& done, DWORD timeoutMs);

}  // namespace wendox::testing
