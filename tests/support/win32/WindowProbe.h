// Looking into another program's windows from a test: texts, list view
// cells read through memory in the other process, waiting by polling with a
// bound, and screenshots.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace wendox::testing {

std::string WindowText(HWND window);
std::string ItemText(HWND parent, int id);

// A cell of a list view in any process; text of column `column` of `row`
// (both from 0), and the row's image index.
std::string ListViewCell(HWND list, int row, int column);
int ListViewImage(HWND list, int row);

// Polls `done` every 50 ms until it holds or `timeoutMs` passes.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);

// A top-level window of the class (any caption when nullptr) owned by the
// process `processId`, or nullptr.
HWND FindProcessWindow(DWORD processId, const char* className, const char* caption);

// A real key stroke, to whichever window has the keyboard focus.
void Key(WORD key, bool down);
// Holds the keys down until `done` or the time is up, then lets go. Like a
// keyboard held down, the presses repeat.
bool HoldKeys(std::initializer_list<WORD> keys, const std::function<bool()>& done, DWORD timeoutMs);

// Saves what the screen shows of the window as a bitmap file.
bool SaveWindowBitmap(HWND window, const std::string& path);

}  // namespace wendox::testing
