#include "standin/win32/StandinThread.h"

#include <future>
#include <stdexcept>

#include "standin/win32/StandinWindow.h"

namespace wendox::standin {

namespace {

// The window belongs to the thread that creates it, so it is created here
// and its messages are pumped here until WM_DESTROY posts WM_QUIT.
void RunWindow(ServerCore& core, std::promise<HWND> created) {
    HWND window = CreateStandinWindow(core);
    created.set_value(window);
    if (window == nullptr) return;

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

StandinThread::StandinThread(ServerCore& core) {
    std::promise<HWND> created;
    std::future<HWND> window = created.get_future();
    // The promise moves to the thread, so it is never destroyed here while
    // the thread is still inside set_value.
    thread_ = std::thread(RunWindow, std::ref(core), std::move(created));
    window_ = window.get();
    if (window_ == nullptr) {
        thread_.join();
        throw std::runtime_error("the stand-in simulator's window could not be created");
    }
}

StandinThread::~StandinThread() {
    // The window may already be gone (closed by hand); its thread then
    // ended by itself.
    PostMessageA(window_, WM_CLOSE, 0, 0);
    thread_.join();
}

}  // namespace wendox::standin
