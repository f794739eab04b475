"""What the command-line X tools cannot do, done through libX11 with ctypes: giving
characters beyond the keyboard layout keys of their own, asking a window to close the way a
window manager does, and a PNG of the whole screen."""

import ctypes
import ctypes.util
import functools
import struct
import zlib

_CLIENT_MESSAGE = 33
_Z_PIXMAP = 2
_ALL_PLANES = ctypes.c_ulong(-1).value


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


class _Image(ctypes.Structure):
    # The leading fields of Xlib's XImage; only these are read.
    _fields_ = [
        ("width", ctypes.c_int),
        ("height", ctypes.c_int),
        ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int),
        ("data", ctypes.c_void_p),
        ("byte_order", ctypes.c_int),
        ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int),
        ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int),
        ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int),
        ("red_mask", ctypes.c_ulong),
        ("green_mask", ctypes.c_ulong),
        ("blue_mask", ctypes.c_ulong),
    ]


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
    library.XDefaultScreen.argtypes = [ctypes.c_void_p]
    library.XRootWindow.restype = ctypes.c_ulong
    library.XRootWindow.argtypes = [ctypes.c_void_p, ctypes.c_int]
    library.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
    library.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
    library.XGetImage.restype = ctypes.POINTER(_Image)
    library.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                  ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
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


def _png(width, height, rgb_rows):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    raw = b"".join(b"\x00" + row for row in rgb_rows)  # filter type 0 on every row
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 6))
            + chunk(b"IEND", b""))


def save_screen(display_name, path):
    """Writes the whole screen as a PNG; handles the 24-bit TrueColor screen the tests set up."""
    with _Connection(display_name) as display:
        screen = _x11().XDefaultScreen(display)
        width = _x11().XDisplayWidth(display, screen)
        height = _x11().XDisplayHeight(display, screen)
        image_pointer = _x11().XGetImage(display, _x11().XRootWindow(display, screen), 0, 0, width,
                                       height, _ALL_PLANES, _Z_PIXMAP)
        if not image_pointer:
            raise RuntimeError("the X server gave no image of the screen")
        image = image_pointer.contents
        try:
            layout = (image.bits_per_pixel, image.byte_order, image.red_mask, image.green_mask,
                      image.blue_mask)
            if layout != (32, 0, 0xFF0000, 0x00FF00, 0x0000FF):
                raise RuntimeError(f"unexpected screen pixel layout {layout}")
            pixels = ctypes.string_at(image.data, image.bytes_per_line * height)
        finally:
            _x11().XFree(image.data)
            _x11().XFree(image_pointer)
    rows = []
    for y in range(height):
        bgrx = pixels[y * image.bytes_per_line:y * image.bytes_per_line + 4 * width]
        rgb = bytearray(3 * width)
        rgb[0::3] = bgrx[2::4]
        rgb[1::3] = bgrx[1::4]
        rgb[2::3] = bgrx[0::4]
        rows.append(bytes(rgb))
    with open(path, "wb") as output:
        output.write(_png(width, height, rows))
