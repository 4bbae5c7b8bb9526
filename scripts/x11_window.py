#!/usr/bin/env python3
"""Asks a top-level X window's client something only its event loop answers.

x11_window.py ping WINDOW [SECONDS]   exit 0 when the client answers _NET_WM_PING in time
x11_window.py close WINDOW            sends WM_DELETE_WINDOW (as a window manager's close)
"""
import ctypes
import sys
import time

CLIENT_MESSAGE = 33
SUBSTRUCTURE_NOTIFY = 1 << 19
SUBSTRUCTURE_REDIRECT = 1 << 20
STRUCTURE_NOTIFY = 1 << 17


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


def main():
    x = ctypes.cdll.LoadLibrary("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(Event)]
    x.XPending.argtypes = [ctypes.c_void_p]
    x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(Event)]
    x.XFlush.argtypes = [ctypes.c_void_p]

    what, window = sys.argv[1], int(sys.argv[2], 0)
    limit = float(sys.argv[3]) if len(sys.argv) > 3 else 10.0
    display = x.XOpenDisplay(None)
    if not display:
        print("x11_window: no display", file=sys.stderr)
        return 2
    protocols = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
    atom = x.XInternAtom(display, b"_NET_WM_PING" if what == "ping" else b"WM_DELETE_WINDOW", 0)
    root = x.XDefaultRootWindow(display)
    x.XSelectInput(display, root, SUBSTRUCTURE_NOTIFY | STRUCTURE_NOTIFY)
    stamp = int(time.time() * 1000) & 0x7FFFFFFF
    event = Event()
    event.xclient.type = CLIENT_MESSAGE
    event.xclient.window = window
    event.xclient.message_type = protocols
    event.xclient.format = 32
    event.xclient.l[0] = atom
    event.xclient.l[1] = stamp
    event.xclient.l[2] = window
    x.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x.XFlush(display)
    if what != "ping":
        return 0
    deadline = time.monotonic() + limit
    reply = Event()
    while time.monotonic() < deadline:
        while x.XPending(display):
            x.XNextEvent(display, ctypes.byref(reply))
            if reply.type == CLIENT_MESSAGE and reply.xclient.l[0] == atom and reply.xclient.l[1] == stamp:
                return 0
        time.sleep(0.02)
    return 1


sys.exit(main())
