// The thread's message queue, kept by the layer and fed while Qt's event loop runs.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <deque>

#include "platform/qt/window_records.h"

namespace {

struct ThreadQueue {
    std::deque<MSG> messages;
    bool quit_posted = false;
    int quit_code = 0;
};

ThreadQueue& queue() {
    thread_local ThreadQueue thread_queue;
    return thread_queue;
}

DWORD milliseconds_since_start() {
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return static_cast<DWORD>(clock.elapsed());
}

bool is_window_or_descendant(HWND candidate, HWND window) {
    for (HWND w = candidate; w != nullptr; w = w->parent) {
        if (w == window) {
            return true;
        }
    }
    return false;
}

bool passes(const MSG& msg, HWND window, UINT filter_min, UINT filter_max) {
    if (window != nullptr && !is_window_or_descendant(msg.hwnd, window)) {
        return false;
    }
    return (filter_min == 0 && filter_max == 0) ||
           (msg.message >= filter_min && msg.message <= filter_max);
}

// Posted messages first; the quit message only once the queue holds nothing else for the
// caller, as on Windows.
bool take_message(MSG* msg, HWND window, UINT filter_min, UINT filter_max, bool remove) {
    ThreadQueue& q = queue();
    for (auto it = q.messages.begin(); it != q.messages.end(); ++it) {
        if (passes(*it, window, filter_min, filter_max)) {
            *msg = *it;
            if (remove) {
                q.messages.erase(it);
            }
            return true;
        }
    }
    if (q.quit_posted) {
        *msg = MSG{
            nullptr,    WM_QUIT, static_cast<WPARAM>(q.quit_code), 0, milliseconds_since_start(),
            POINT{0, 0}};
        if (remove) {
            q.quit_posted = false;
        }
        return true;
    }
    return false;
}

void wake_event_loop() {
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        dispatcher->wakeUp();
    }
}

}  // namespace

BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (window != nullptr && live_window(window) == nullptr) {
        return FALSE;
    }
    const QPoint cursor = QCursor::pos();
    queue().messages.push_back(MSG{window, message, wparam, lparam, milliseconds_since_start(),
                                   POINT{cursor.x(), cursor.y()}});
    wake_event_loop();
    return TRUE;
}

void WINAPI PostQuitMessage(int exit_code) {
    queue().quit_posted = true;
    queue().quit_code = exit_code;
    wake_event_loop();
}

// Blocks in Qt's event loop until a message is queued; 0 for WM_QUIT, -1 without a buffer.
BOOL WINAPI GetMessageA(MSG* msg, HWND window, UINT filter_min, UINT filter_max) {
    if (msg == nullptr) {
        return -1;
    }
    while (!take_message(msg, window, filter_min, filter_max, true)) {
        if (QCoreApplication::instance() == nullptr) {
            return -1;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return msg->message == WM_QUIT ? 0 : 1;
}

BOOL WINAPI PeekMessageA(MSG* msg, HWND window, UINT filter_min, UINT filter_max, UINT remove) {
    if (msg == nullptr) {
        return FALSE;
    }
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return take_message(msg, window, filter_min, filter_max, (remove & PM_REMOVE) != 0) ? TRUE
                                                                                        : FALSE;
}

BOOL WINAPI TranslateMessage(const MSG*) {
    return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
    if (msg == nullptr || live_window(msg->hwnd) == nullptr) {
        return 0;
    }
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}
