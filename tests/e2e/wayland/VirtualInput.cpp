// SPDX-License-Identifier: MIT
#include "tests/e2e/wayland/VirtualInput.h"

#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>

namespace e2e {
namespace {

// xkbcommon numbers keys as X does, the evdev code plus 8.
constexpr uint32_t kEvdevOffset = 8;

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
              uint32_t /*version*/)
{
    auto& globals = *static_cast<VirtualInput::Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals.seat == nullptr) {
        globals.seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        globals.keyboards = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        globals.pointers = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    }
}

void OnGlobalRemoved(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemoved};

// Input events carry milliseconds of a clock that only has to go forward.
uint32_t Now()
{
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}

}  // namespace

VirtualInput::VirtualInput(const std::string& socketPath, int width, int height)
    : m_width(width), m_height(height)
{
    m_display = wl_display_connect(socketPath.c_str());
    if (m_display == nullptr) {
        throw std::runtime_error("cannot connect to the Wayland compositor at " + socketPath);
    }
    wl_registry* registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(registry, &kRegistryListener, &m_globals);
    Roundtrip();
    wl_registry_destroy(registry);
    if (m_globals.seat == nullptr || m_globals.keyboards == nullptr ||
        m_globals.pointers == nullptr) {
        throw std::runtime_error(
            "the Wayland compositor lacks a seat, zwp_virtual_keyboard_manager_v1 or "
            "zwlr_virtual_pointer_manager_v1");
    }
    m_keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(m_globals.keyboards,
                                                                         m_globals.seat);
    m_pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(m_globals.pointers, m_globals.seat);
    UploadKeymap();
    Roundtrip();
}

VirtualInput::~VirtualInput()
{
    if (m_keyboard != nullptr) {
        zwp_virtual_keyboard_v1_destroy(m_keyboard);
    }
    if (m_pointer != nullptr) {
        zwlr_virtual_pointer_v1_destroy(m_pointer);
    }
    if (m_globals.keyboards != nullptr) {
        zwp_virtual_keyboard_manager_v1_destroy(m_globals.keyboards);
    }
    if (m_globals.pointers != nullptr) {
        zwlr_virtual_pointer_manager_v1_destroy(m_globals.pointers);
    }
    if (m_globals.seat != nullptr) {
        wl_seat_destroy(m_globals.seat);
    }
    wl_display_disconnect(m_display);
    xkb_keymap_unref(m_keymap);
    xkb_context_unref(m_xkb);
}

void VirtualInput::UploadKeymap()
{
    m_xkb = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names defaults{};  // every name null: xkbcommon's defaults
    m_keymap = m_xkb == nullptr
                   ? nullptr
                   : xkb_keymap_new_from_names(m_xkb, &defaults, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (m_keymap == nullptr) {
        throw std::runtime_error("xkbcommon cannot make its default keymap (xkb-data missing?)");
    }
    char* text = xkb_keymap_get_as_string(m_keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const size_t size = std::strlen(text) + 1;  // the compositor reads a terminated string
    const int fd = memfd_create("noughts-keymap", MFD_CLOEXEC);
    const bool written = fd >= 0 && write(fd, text, size) == static_cast<ssize_t>(size);
    std::free(text);
    if (!written) {
        const int error = errno;
        if (fd >= 0) {
            close(fd);
        }
        throw std::runtime_error(std::string("cannot pass the keymap on: ") + std::strerror(error));
    }
    zwp_virtual_keyboard_v1_keymap(m_keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                   static_cast<uint32_t>(size));
    close(fd);  // the request has sent a copy of the descriptor
}

void VirtualInput::Roundtrip()
{
    if (wl_display_roundtrip(m_display) < 0) {
        throw std::runtime_error("the Wayland compositor has gone");
    }
}

void VirtualInput::MoveTo(int x, int y)
{
    // To the middle of the pixel, in half pixels: the compositor scales the position to
    // its layout in floating point, and a pixel's left edge can come out a hair short of
    // it, which the game's integer coordinates then truncate to the pixel before.
    zwlr_virtual_pointer_v1_motion_absolute(
        m_pointer, Now(), static_cast<uint32_t>(2 * x + 1), static_cast<uint32_t>(2 * y + 1),
        static_cast<uint32_t>(2 * m_width), static_cast<uint32_t>(2 * m_height));
    zwlr_virtual_pointer_v1_frame(m_pointer);
    Roundtrip();
}

void VirtualInput::Click()
{
    for (const auto state : {WL_POINTER_BUTTON_STATE_PRESSED, WL_POINTER_BUTTON_STATE_RELEASED}) {
        zwlr_virtual_pointer_v1_button(m_pointer, Now(), BTN_LEFT, state);
        zwlr_virtual_pointer_v1_frame(m_pointer);
    }
    Roundtrip();
}

void VirtualInput::PressKey(KeySym keysym)
{
    struct Search {
        KeySym wanted;
        xkb_keycode_t found;
    } search{keysym, XKB_KEYCODE_INVALID};
    xkb_keymap_key_for_each(
        m_keymap,
        [](xkb_keymap* keymap, xkb_keycode_t key, void* data) {
            auto& s = *static_cast<Search*>(data);
            const xkb_keysym_t* syms = nullptr;
            const int count = xkb_keymap_key_get_syms_by_level(keymap, key, 0, 0, &syms);
            if (s.found == XKB_KEYCODE_INVALID && count == 1 && syms[0] == s.wanted) {
                s.found = key;
            }
        },
        &search);
    if (search.found == XKB_KEYCODE_INVALID) {
        throw std::runtime_error("the default keymap has no key for keysym " +
                                 std::to_string(keysym));
    }
    const uint32_t code = search.found - kEvdevOffset;
    zwp_virtual_keyboard_v1_key(m_keyboard, Now(), code, WL_KEYBOARD_KEY_STATE_PRESSED);
    zwp_virtual_keyboard_v1_key(m_keyboard, Now(), code, WL_KEYBOARD_KEY_STATE_RELEASED);
    Roundtrip();
}

}  // namespace e2e
