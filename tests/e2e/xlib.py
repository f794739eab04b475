# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the command-line X tools cannot do, done through libX11 with ctypes: giving
characters beyond the keyboard layout keys of their own, and asking a window to close the
way a window manager does."""

import ctypes
import ctypes.util
import functools

_CLIENT_MESSAGE = 33


class _ClientMessage(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class _Event(ctypes.Union):
    # Xlib's XEvent is a union padded to 24 longs.
    _fields_ = [("xclient", _ClientMessage), ("pad", ctypes.c_long * 24)]


@functools.cache
def _x11():
    library = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    library.XOpenDisplay.restype = ctypes.c_void_p
    library.XOpenDisplay.argtypes = [ctypes.c_char_p]
    library.XCloseDisplay.argtypes = [ctypes.c_void_p]
    library.XInternAtom.restype = ctypes.c_ulong
    library.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    library.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                   ctypes.POINTER(_Event)]
    library.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    library.XFree.argtypes = [ctypes.c_void_p]
    library.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                         ctypes.POINTER(ctypes.c_int)]
    library.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
    library.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int,
                                            ctypes.POINTER(ctypes.c_int)]
    library.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                               ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
    return library


class _Connection:
    def __init__(self, display_name):
        self.display = _x11().XOpenDisplay(display_name.encode())
        if not self.display:
            raise RuntimeError(f"cannot connect to X display {display_name}")

    def __enter__(self):
        return self.display

    def __exit__(self, *exception):
        _x11().XCloseDisplay(self.display)


def keysym(character):
    """The keysym that stands for a character, as Xlib's XStringToKeysym("U+hex") gives it."""
    code = ord(character)
    return code if code < 0x100 else 0x01000000 | code


def bind_keys(display_name, characters):
    """Puts each character on a key of its own that had no symbol, for good.

    Typing a character the layout lacks makes xdotool rebind a spare key for a moment; a
    program that reads the key after the rebinding is undone sees the wrong character or
    none. Keys bound before the program starts are in its keymap from the beginning."""
    with _Connection(display_name) as display:
        lowest, highest = ctypes.c_int(), ctypes.c_int()
        _x11().XDisplayKeycodes(display, ctypes.byref(lowest), ctypes.byref(highest))
        count = highest.value - lowest.value + 1
        per_key = ctypes.c_int()
        table = _x11().XGetKeyboardMapping(display, lowest.value, count, ctypes.byref(per_key))
        try:
            spare = [lowest.value + key for key in range(count)
                     if not any(table[key * per_key.value:(key + 1) * per_key.value])]
        finally:
            _x11().XFree(table)
        if len(spare) < len(characters):
            raise RuntimeError(f"only {len(spare)} spare keys for {len(characters)} characters")
        for keycode, character in zip(spare, characters):
            both_levels = (ctypes.c_ulong * 2)(keysym(character), keysym(character))
            _x11().XChangeKeyboardMapping(display, keycode, 2, both_levels, 1)
        _x11().XSync(display, False)


def request_close(display_name, window):
    """Sends WM_DELETE_WINDOW to the window, as a window manager's close button does."""
    with _Connection(display_name) as display:
        event = _Event()
        event.xclient.type = _CLIENT_MESSAGE
        event.xclient.window = window
        event.xclient.message_type = _x11().XInternAtom(display, b"WM_PROTOCOLS", False)
        event.xclient.format = 32
        event.xclient.data[0] = _x11().XInternAtom(display, b"WM_DELETE_WINDOW", False)
        event.xclient.data[1] = 0  # CurrentTime
        if not _x11().XSendEvent(display, window, False, 0, ctypes.byref(event)):
            raise RuntimeError("the X server refused the close request")
        _x11().XSync(display, False)
