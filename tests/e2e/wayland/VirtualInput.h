// SPDX-License-Identifier: MIT
#pragma once

#include <X11/X.h>

#include <cstdint>
#include <string>

struct wl_display;
struct wl_seat;
struct xkb_context;
struct xkb_keymap;
struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;
struct zwlr_virtual_pointer_manager_v1;
struct zwlr_virtual_pointer_v1;

// A keyboard and a mouse for a Wayland compositor with no input devices: the test's own
// client, which makes them through the compositor's virtual keyboard and virtual pointer
// protocols. The keyboard uploads the keymap a real one would have, xkbcommon's default
// (its rules, model and layout from the environment or built in), and sends the evdev
// codes of that keymap's keys. Owns its connection and devices; every call returns once
// the compositor has handled it.
namespace e2e {

class VirtualInput {
public:
    // Connects to the compositor listening on socketPath, whose outputs span width x
    // height pixels. Throws std::runtime_error naming what the compositor lacks.
    VirtualInput(const std::string& socketPath, int width, int height);
    ~VirtualInput();
    VirtualInput(const VirtualInput&) = delete;
    VirtualInput& operator=(const VirtualInput&) = delete;

    // Moves the pointer to (x, y) of the compositor's output layout.
    void MoveTo(int x, int y);
    // Presses and releases the left button where the pointer is.
    void Click();
    // Presses and releases the key that gives keysym on the keymap's first level. Throws
    // std::runtime_error if no key does.
    void PressKey(KeySym keysym);

    // The globals the connection found; public for the registry's C callback.
    struct Globals {
        wl_seat* seat = nullptr;
        zwp_virtual_keyboard_manager_v1* keyboards = nullptr;
        zwlr_virtual_pointer_manager_v1* pointers = nullptr;
    };

private:
    void UploadKeymap();
    // Waits until the compositor has handled every request so far; throws if it has gone.
    void Roundtrip();

    int m_width;
    int m_height;
    wl_display* m_display = nullptr;
    Globals m_globals;
    zwp_virtual_keyboard_v1* m_keyboard = nullptr;
    zwlr_virtual_pointer_v1* m_pointer = nullptr;
    xkb_context* m_xkb = nullptr;
    xkb_keymap* m_keymap = nullptr;
};

}  // namespace e2e
