// The stand-in simulator's window on a thread of its own, for tests that
// run the link client and the server in one process.
#pragma once

#include <windows.h>

#include <thread>

#include "standin/core/ServerCore.h"

namespace wendox::standin {

class StandinThread {
public:
    // Returns once the window exists (not shown; a hidden window serves the
    // link just the same); throws std::runtime_error when it cannot be
    // created. `core` must outlive this object.
    explicit StandinThread(ServerCore& core);
    // Closes the window and waits for its thread to end.
    ~StandinThread();

    StandinThread(const StandinThread&) = delete;
    StandinThread& operator=(const StandinThread&) = delete;

    HWND Window() const { return window_; }

private:
    HWND window_ = nullptr;
    std::thread thread_;
};

}  // namespace wendox::standin
