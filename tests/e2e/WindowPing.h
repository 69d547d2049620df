#pragma once
// Asks a program's window whether its program is alive, as a window manager does: a
// _NET_WM_PING message to the window, which the program's event loop sends back to the root
// window. A program whose main thread is stuck does not answer, so the time to the answer is
// how long a user's click or key would wait.

#include <QString>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <poll.h>

class WindowPing {
public:
    explicit WindowPing(const QString& display) {
        connection_ = xcb_connect(display.toLocal8Bit().constData(), nullptr);
        if (xcb_connection_has_error(connection_))
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        // The answer is sent to the root window for those who listen to its structure.
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        protocols_ = Atom("WM_PROTOCOLS");
        ping_ = Atom("_NET_WM_PING");
    }
    ~WindowPing() { xcb_disconnect(connection_); }
    WindowPing(const WindowPing&) = delete;
    WindowPing& operator=(const WindowPing&) = delete;

    // Milliseconds until `window` (an X window id, as xdotool prints it) answered, or -1 when it
    // did not answer within `timeoutMs`.
    int Milliseconds(const QString& window, int timeoutMs) {
        if (xcb_connection_has_error(connection_) || !ping_)
            return -1;
        const uint32_t stamp = ++serial_;
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window.toUInt();
        message.type = protocols_;
        message.data.data32[0] = ping_;
        message.data.data32[1] = stamp;
        message.data.data32[2] = message.window;
        const auto start = std::chrono::steady_clock::now();
        xcb_send_event(connection_, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const bool answer = Answers(event, stamp);
                free(event);
                if (answer)
                    return int(std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now() - start)
                                   .count());
            }
            const int left = timeoutMs - int(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                 std::chrono::steady_clock::now() - start)
                                                 .count());
            if (left <= 0)
                return -1;
            pollfd wait{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&wait, 1, left);
        }
    }

private:
    xcb_atom_t Atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : 0;
        free(reply);
        return atom;
    }

    bool Answers(const xcb_generic_event_t* event, uint32_t stamp) const {
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
        return message->window == root_ && message->data.data32[0] == ping_ &&
               message->data.data32[1] == stamp;
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t protocols_ = 0;
    xcb_atom_t ping_ = 0;
    uint32_t serial_ = 0;
};
