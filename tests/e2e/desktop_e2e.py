#!/usr/bin/env python3
"""The real krepogor program on an X server of its own (Xvfb), driven with
xdotool as a player drives it: the main menu, the credits and their close box,
a battle with its countdown, aiming and firing by keys, the rules, the book and
the credits opened by keys and closed by their close boxes or by Esc and Enter,
the menu bar by F10, and the exit question answered No and then Yes. After
every step the window's caption, size and place are checked, the program must
still run, and a screenshot is saved. Three short runs follow: SIGTERM while
the credits show, SIGINT while the exit question waits, and the main menu's
close box; each ends the program cleanly. Then the display is lost (the
window destroyed by another program, the connection killed), and the start
fails on a display with no font and on one of 256 colours: each says why in
Russian and ends with status 1, a failed start's box by SIGTERM. Then the game
as a large screen shows it: a 2560 x 1600 screen, where the windows open at
twice their size (and `--scale 2` asks for that), the main menu's picture
matches the 1x one pixel for pixel when scaled down, and a battle starts by a
click at the scaled place of "Новая Игра", and `--scale 3`, too large for it,
is lowered to 2 with a line saying so and is not kept; filling a 1920 x 1080
screen (`--fullscreen`, under a window manager), with F11 and Alt+Enter
switching to a window and back; and a 1024 x 600 screen under the window
manager, where the battle window opens at the fraction that fits it with its
title bar, a window shrunk to 50 x 50 stops at half its size, and `--scale 8`
is lowered. Started three times in a row, with a window manager and without,
the main menu comes back to the same place each time (frame included, every
window lies whole on the screen), and one kept far off the screen comes back
whole on it. Keys chosen in settings.ini play a battle, and a key chosen
twice is refused in one line. The shell's touch test plays a battle with
fingers alone in a window on screens of 96 and 160 dots an inch and filling a
phone's screen held sideways and upright, its buttons measured on its
screenshots of the window. Last, a handheld's 1280 x 800 screen and a pad alone (the
shell's pad tests in a window): the main menu, a battle, the menu bar and a
name typed on the keyboard on the screen, their screenshots looked at and the
smallest capitals measured.

Usage: desktop_e2e.py --game PATH --out DIR
Exits 0 when every step passed, 1 on a failure, 77 (skipped) when no X server
can start here, unless KREPOGOR_E2E_REQUIRED=1, which makes that a failure.
"""
import argparse
import ctypes
import ctypes.util
import os
import shutil
import signal
import subprocess
import sys
import time

SKIPPED = 77
SCREEN = (1280, 1024)
LARGE = (2560, 1600)
FULL_HD = (1920, 1080)
NETBOOK = (1024, 600)
HANDHELD = (1280, 800)
FACE = (212, 208, 200)  # the grey of the message box's panel
SELECTION = (10, 36, 106)  # the lit item of a drop-down, the lit key, a box's title
MENU_LIGHT = (120, 34, 22)  # the main menu's light round the lit word


class Failure(Exception):
    pass


def centred(size, on_pos=(0, 0), on_size=SCREEN):
    return (on_pos[0] + (on_size[0] - size[0]) // 2, on_pos[1] + (on_size[1] - size[1]) // 2)


MENU = ("Крепогор", (659, 398))
BATTLE = ("Крепогор", (926, 658))
CREDITS = ("Создатели", (659, 351))
RULES = ("Правила", (769, 418))
BOOK = ("Рекорды", (656, 396))


def scaled(look, factor):
    caption, (w, h) = look
    return caption, (round(w * factor), round(h * factor))


def app_id():
    """The desktop entry's window class, which the game's window must carry."""
    entry = os.path.join(os.path.dirname(__file__), "..", "..", "packaging",
                         "ru.krepogor.Krepogor.desktop")
    with open(entry, encoding="utf-8") as f:
        for line in f:
            if line.startswith("StartupWMClass="):
                return line.strip().split("=", 1)[1]
    raise Failure("the desktop entry names no StartupWMClass")


def start_xvfb(screen=SCREEN, depth=24, dpi=96):
    """Starts Xvfb on a free display, its screen of `dpi` dots an inch; returns
    (process, ":N") or None.

    -noreset: by default the server resets when its last client leaves, and a
    game starting in that moment finds no display ("x11 not available")."""
    read_end, write_end = os.pipe()
    proc = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{screen[0]}x{screen[1]}x{depth}",
         "-dpi", str(dpi), "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    deadline = time.time() + 10
    os.set_blocking(read_end, False)
    while time.time() < deadline and not number.endswith(b"\n") and proc.poll() is None:
        try:
            number += os.read(read_end, 16)
        except BlockingIOError:
            time.sleep(0.05)
    os.close(read_end)
    if not number.strip().isdigit():
        proc.kill()
        proc.wait()
        return None
    return proc, ":" + number.strip().decode()


def xlib():
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return x11


class Desktop:
    def __init__(self, display, out, screen=SCREEN, shots=0):
        self.display = display
        self.out = out
        self.screen = screen
        # The settings the game remembers stay in the test's own folder, one
        # for each screen, as on three machines; so do the runs it keeps.
        self.env = dict(os.environ, DISPLAY=display,
                        XDG_CONFIG_HOME=os.path.join(out, f"config-{screen[0]}x{screen[1]}"),
                        XDG_DATA_HOME=os.path.join(out, "data"))
        self.shots = shots

    def xdo(self, *args):
        r = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True,
                           timeout=15)
        return r.stdout.decode("utf-8", "replace").strip()

    def destroy(self, window):
        """Another program destroys the window under the game."""
        x11 = xlib()
        x11.XDestroyWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        dpy = x11.XOpenDisplay(self.display.encode())
        if not dpy:
            raise Failure(f"cannot open the display {self.display}")
        x11.XDestroyWindow(dpy, window)
        x11.XSync(dpy, 0)
        x11.XCloseDisplay(dpy)

    def close_box(self, window):
        """The window manager's delete message: what the close box sends."""
        x11 = xlib()
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]

        class ClientMessage(ctypes.Structure):
            _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                        ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                        ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                        ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]

        class Event(ctypes.Union):
            _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

        x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                   ctypes.POINTER(Event)]
        x11.XFlush.argtypes = [ctypes.c_void_p]
        dpy = x11.XOpenDisplay(self.display.encode())
        if not dpy:
            raise Failure(f"cannot open the display {self.display}")
        e = Event()
        e.xclient.type = 33  # ClientMessage
        e.xclient.window = window
        e.xclient.message_type = x11.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
        e.xclient.format = 32
        e.xclient.l[0] = x11.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
        x11.XSendEvent(dpy, window, 0, 0, ctypes.byref(e))
        x11.XFlush(dpy)
        x11.XCloseDisplay(dpy)

    def client_area(self, window):
        """Where the window's client area stands on the screen and the frame the
        window manager draws around it, (top, left, bottom, right): what the
        player sees, read from the X server itself (xdotool's position counts
        a frame's offset twice)."""
        x11 = xlib()
        x11.XTranslateCoordinates.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
            ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
            ctypes.POINTER(ctypes.c_ulong)]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
            ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_long))]
        x11.XFree.argtypes = [ctypes.c_void_p]
        dpy = x11.XOpenDisplay(self.display.encode())
        if not dpy:
            raise Failure(f"cannot open the display {self.display}")
        try:
            x, y, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
            x11.XTranslateCoordinates(dpy, window, x11.XDefaultRootWindow(dpy), 0, 0,
                                      ctypes.byref(x), ctypes.byref(y), ctypes.byref(child))
            kind, form, count, after = (ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(),
                                        ctypes.c_ulong())
            data = ctypes.POINTER(ctypes.c_long)()
            frame = (0, 0, 0, 0)
            if x11.XGetWindowProperty(dpy, window, x11.XInternAtom(dpy, b"_NET_FRAME_EXTENTS", 0),
                                      0, 4, 0, 6, ctypes.byref(kind), ctypes.byref(form),
                                      ctypes.byref(count), ctypes.byref(after),
                                      ctypes.byref(data)) == 0 and data:
                if count.value == 4:
                    left, right, top, bottom = data[:4]
                    frame = (top, left, bottom, right)
                x11.XFree(data)
            return (x.value, y.value), frame
        finally:
            x11.XCloseDisplay(dpy)

    def screenshot(self, name, box):
        from PIL import ImageGrab
        self.shots += 1
        image = ImageGrab.grab(bbox=box, xdisplay=self.display)
        image.save(os.path.join(self.out, f"{self.shots:02d}-{name}.png"))
        return image


class Game:
    def __init__(self, desk, path, log, args=(), env=None):
        self.desk = desk
        env = dict(desk.env, SDL_VIDEODRIVER="x11", SDL_AUDIODRIVER="dummy", **(env or {}))
        # Under AddressSanitizer: the X11, D-Bus and GL libraries the desktop
        # loads keep allocations to the end of the process. The game's own
        # leaks are checked by the unit tests on SDL's dummy drivers.
        options = [o for o in env.get("ASAN_OPTIONS", "").split(":") if o]
        env["ASAN_OPTIONS"] = ":".join(options + ["detect_leaks=0"])
        self.log_path = log
        self.log = open(log, "wb")
        self.proc = subprocess.Popen([path, *args], env=env, stdout=self.log, stderr=self.log)
        self.window = None
        # Generous: under the sanitizers, on a machine busy with other builds,
        # a recording shown once had no window after 20 s.
        deadline = time.time() + 60
        while not self.window:
            self.alive("start")
            found = desk.xdo("search", "--onlyvisible", "--pid", self.proc.pid).split()
            if found:
                self.window = int(found[0])
            elif time.time() > deadline:
                raise Failure("start: no window within 60 s" + self.output())
            else:
                time.sleep(0.1)

    def alive(self, step):
        if self.proc.poll() is not None:
            raise Failure(f"{step}: the program ended (status {self.proc.returncode})"
                          + self.output())

    def output(self):
        """The program's last lines, for a failure's report."""
        self.log.flush()
        with open(self.log_path, "rb") as f:
            lines = f.read().decode("utf-8", "replace").splitlines()[-15:]
        return "".join("\n  | " + line for line in lines)

    def geometry(self):
        g = dict(line.split("=", 1) for line in
                 self.desk.xdo("getwindowgeometry", "--shell", self.window).splitlines()
                 if "=" in line)
        at, _ = self.desk.client_area(self.window)
        return at, (int(g.get("WIDTH", 0)), int(g.get("HEIGHT", 0)))

    def whole_on_screen(self, step, screen):
        """Checks that the window, its frame included, lies whole on the screen;
        returns its client area's place and size and its frame."""
        (x, y), size = self.geometry()
        _, (top, left, bottom, right) = self.desk.client_area(self.window)
        if (x - left < 0 or y - top < 0 or x + size[0] + right > screen[0]
                or y + size[1] + bottom > screen[1]):
            raise Failure(f"{step}: {size[0]}x{size[1]} at {x},{y} with its frame "
                          f"{(top, left, bottom, right)} is not whole on the "
                          f"{screen[0]} x {screen[1]} screen")
        print(f"ok   {step}: {size[0]}x{size[1]} at {x},{y}, frame (top, left, bottom, "
              f"right) {(top, left, bottom, right)}, whole on the screen", flush=True)
        return (x, y), size, (top, left, bottom, right)

    def expect(self, step, look, pos=None):
        """Waits until the window shows `look` (caption, size; None: any) at `pos`;
        saves a screenshot."""
        caption, size = look
        deadline = time.time() + 8
        while True:
            self.alive(step)
            name = self.desk.xdo("getwindowname", self.window)
            at, got = self.geometry()
            if name == caption and size in (None, got) and (pos is None or at == pos):
                break
            if time.time() > deadline:
                raise Failure(f"{step}: wanted {caption!r} {size} at {pos}, "
                              f"found {name!r} {got} at {at}")
            time.sleep(0.1)
        time.sleep(0.4)  # a frame or two to draw it
        self.alive(step)
        size = got
        image = self.desk.screenshot(step, (at[0], at[1], at[0] + size[0], at[1] + size[1]))
        print(f"ok   {step}: {caption} {size[0]}x{size[1]} at {at[0]},{at[1]}", flush=True)
        return at, image

    def key(self, *keys, pause=0.15):
        self.desk.xdo("windowfocus", self.window)
        time.sleep(0.1)
        for k in keys:
            self.desk.xdo("key", k)
            time.sleep(pause)

    def hold(self, key, seconds):
        self.desk.xdo("windowfocus", self.window)
        time.sleep(0.1)
        self.desk.xdo("keydown", key)
        time.sleep(seconds)
        self.desk.xdo("keyup", key)
        time.sleep(0.15)

    def click(self, x, y):
        self.desk.xdo("mousemove", "--window", self.window, x, y)
        time.sleep(0.1)
        self.desk.xdo("click", 1)

    def close_box(self):
        self.desk.close_box(self.window)

    def move(self, x, y):
        self.desk.xdo("windowmove", self.window, x, y)

    def ended(self, step, timeout=5):
        try:
            status = self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"{step}: the program did not end")
        if status != 0:
            raise Failure(f"{step}: the program ended with status {status}" + self.output())
        print(f"ok   {step}: the program ended with status 0", flush=True)

    def stop(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self.log.close()


def box_shows(image):
    """Whether the message box's grey panel covers the middle of the window."""
    w, h = image.size
    middle = image.crop((w // 2 - 40, h // 2 - 10, w // 2 + 40, h // 2 + 10)).convert("RGB")
    return sum(1 for p in middle.getdata() if p == FACE) > 800


def lit_item_shows(image):
    """Whether a drop-down of the menu bar shows a lit item under the titles."""
    top = image.crop((0, 20, 300, 50)).convert("RGB")
    return sum(1 for p in top.getdata() if p == SELECTION) > 500


def pixels_differ(a, b):
    """How many pixels of two pictures of one size differ."""
    a, b = a.convert("RGB"), b.convert("RGB")
    return sum(1 for p, q in zip(a.getdata(), b.getdata()) if p != q)


def mean_difference(a, b):
    """The mean difference of two pictures of one size, per channel, 0 to 255."""
    a, b = a.convert("RGB"), b.convert("RGB")
    total = sum(abs(x - y) for p, q in zip(a.getdata(), b.getdata()) for x, y in zip(p, q))
    return total / (3 * a.size[0] * a.size[1])


def window_manager(desk):
    """Openbox on the desktop's display, as a player's desktop has one."""
    wm = subprocess.Popen(["openbox"], env=desk.env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
    time.sleep(1)
    return wm


def settings(desk):
    """The settings the game kept for this screen."""
    path = os.path.join(desk.env["XDG_CONFIG_HOME"], "krepogor", "settings.ini")
    with open(path, encoding="utf-8") as f:
        return path, f.read()


def start_and_close(desk, path, step, look=None, args=()):
    """One start to the main menu, which the player closes at once; returns the
    menu's place and size and what the game said."""
    game = Game(desk, path, os.path.join(desk.out, f"{step}.log"), args)
    try:
        game.expect(step, look or (MENU[0], None))
        at, size, _ = game.whole_on_screen(step, desk.screen)
        game.close_box()
        game.ended(f"{step}-closed")
        return at, size, game.output()
    finally:
        game.stop()


def same_place(desk, path, step):
    """Started three times, the main menu comes back each time where the first
    start left it, whole on the screen; kept far off the screen, it comes back
    whole on it."""
    places = [start_and_close(desk, path, f"{step}-start-{run}")[:2] for run in (1, 2, 3)]
    if len(set(places)) != 1:
        raise Failure(f"{step}: the main menu moved from start to start: {places}")
    kept, text = settings(desk)
    with open(kept, "w", encoding="utf-8") as f:
        f.write("".join(line + "\n" for line in text.splitlines()
                        if not line.startswith("place.frm_menu="))
                + "place.frm_menu=5000,5000\n")
    start_and_close(desk, path, f"{step}-kept-off-the-screen")


def play(desk, path):
    game = Game(desk, path, os.path.join(desk.out, "play.log"))
    try:
        _, menu_image = game.expect("menu", MENU, centred(MENU[1]))
        classes = desk.xdo("search", "--class", app_id()).split()
        if str(game.window) not in classes:
            raise Failure(f"menu: the window's class is not {app_id()}")
        game.click(304 + 64, 176 + 16)  # "Создатели"
        game.expect("credits-from-menu", CREDITS, centred(CREDITS[1]))
        game.close_box()
        game.expect("credits-closed-by-close-box", MENU, centred(MENU[1]))
        game.click(232 + 68, 136 + 16)  # "Новая Игра"
        game.expect("battle-countdown", BATTLE, centred(BATTLE[1]))
        time.sleep(5.5)
        game.key("Up", "Up", "space")
        game.expect("battle-fired", BATTLE)
        game.move(60, 40)  # the player moves the battle window
        battle_at = (60, 40)
        game.expect("battle-moved", BATTLE, battle_at)

        game.key("F1")
        game.expect("rules-by-F1", RULES, centred(RULES[1], battle_at, BATTLE[1]))
        game.close_box()
        game.expect("rules-closed-by-close-box", BATTLE, battle_at)
        game.key("F1")
        game.expect("rules-by-F1-again", RULES)
        game.key("Escape")
        game.expect("rules-closed-by-Esc", BATTLE, battle_at)
        game.key("F1")
        game.expect("rules-for-a-held-Esc", RULES)
        game.hold("Escape", 1.2)  # closes the rules; its repeats must not ask to leave
        _, image = game.expect("rules-closed-by-held-Esc", BATTLE, battle_at)
        if box_shows(image):
            raise Failure("rules-closed-by-held-Esc: the held Esc asked to leave")
        game.key("F10", "Right")  # "О программе", its first item lit
        _, image = game.expect("menu-bar-by-F10", BATTLE, battle_at)
        if not lit_item_shows(image):
            raise Failure("menu-bar-by-F10: no drop-down with a lit item")
        game.key("Return")  # "Правила игры"
        game.expect("rules-by-menu-bar-keys", RULES)
        game.key("Return")
        game.expect("rules-closed-by-Enter", BATTLE, battle_at)

        game.key("F5")
        game.expect("book-by-F5", BOOK, centred(BOOK[1], battle_at, BATTLE[1]))
        game.close_box()
        game.expect("book-closed-by-close-box", BATTLE, battle_at)
        game.key("F5")
        game.expect("book-by-F5-again", BOOK)
        game.key("Escape")
        game.expect("book-closed-by-Esc", BATTLE, battle_at)

        game.key("F7")
        game.expect("credits-by-F7", CREDITS)
        game.close_box()
        game.expect("credits-closed-to-battle", BATTLE, battle_at)

        game.key("Escape")
        _, image = game.expect("exit-question", BATTLE, battle_at)
        if not box_shows(image):
            raise Failure("exit-question: no message box in the window")
        game.key("Escape")  # No
        _, image = game.expect("exit-answered-no", BATTLE, battle_at)
        if box_shows(image):
            raise Failure("exit-answered-no: the message box is still there")
        game.key("Escape")
        _, image = game.expect("exit-question-again", BATTLE, battle_at)
        if not box_shows(image):
            raise Failure("exit-question-again: no message box in the window")
        game.key("Return")  # Yes, the default button
        game.ended("exit-answered-yes")
    finally:
        game.stop()
    return menu_image


def large(desk, path, menu_image):
    """A 2560 x 1600 screen: every window at twice its size."""
    game = Game(desk, path, os.path.join(desk.out, "large-default.log"))
    try:
        menu = scaled(MENU, 2)
        game.expect("large-menu-by-default", menu, centred(menu[1], on_size=LARGE))
        game.close_box()
        game.ended("large-menu-closed")
    finally:
        game.stop()
    # Three times the size does not fit: twice, and the player is told.
    _, _, said = start_and_close(desk, path, "scale-3-lowered", scaled(MENU, 2), ["--scale", "3"])
    if LOWERED.format(3, 2) not in said:
        raise Failure("scale-3-lowered: the game did not say the factor was lowered" + said)
    if "scale=" in settings(desk)[1]:
        raise Failure("scale-3-lowered: a factor that did not fit was kept as the player's")
    game = Game(desk, path, os.path.join(desk.out, "large.log"), ["--scale", "2"])
    try:
        _, image = game.expect("scale-2-menu", scaled(MENU, 2))
        down = image.resize(MENU[1], resample=0)  # nearest: one pixel of each 2 x 2
        if pixels_differ(down, menu_image):
            raise Failure("scale-2-menu: scaled down, the picture differs from the 1x one")
        game.click(2 * (232 + 68), 2 * (136 + 16))  # "Новая Игра" at its scaled place
        game.expect("scale-2-battle", scaled(BATTLE, 2))
        time.sleep(5.5)
        game.key("Up", "space")
        game.key("F10", "Right")
        _, image = game.expect("scale-2-menu-bar", scaled(BATTLE, 2))
        top = image.crop((0, 40, 600, 100)).convert("RGB")
        if sum(1 for p in top.getdata() if p == SELECTION) < 2000:
            raise Failure("scale-2-menu-bar: no drop-down with a lit item at twice the size")
        game.key("Return")
        game.expect("scale-2-rules", scaled(RULES, 2))
        game.key("Escape")
        game.expect("scale-2-battle-again", scaled(BATTLE, 2))
        game.key("Escape")
        _, image = game.expect("scale-2-exit-question", scaled(BATTLE, 2))
        if not box_shows(image):
            raise Failure("scale-2-exit-question: no message box in the window")
        game.key("Return")
        game.ended("scale-2-exit-answered-yes")
    finally:
        game.stop()


def filled(desk, path, menu_image):
    """A 1920 x 1080 screen under a window manager, filled by the game."""
    wm = window_manager(desk)
    game = Game(desk, path, os.path.join(desk.out, "fullscreen.log"), ["--fullscreen"])
    screen = ("Крепогор", FULL_HD)
    try:
        _, image = game.expect("fullscreen-menu", screen, (0, 0))
        f = FULL_HD[1] / MENU[1][1]  # the menu's height fills the screen's
        left = round((FULL_HD[0] - MENU[1][0] * f) / 2)
        bar = image.crop((0, 0, left - 1, FULL_HD[1])).convert("RGB")
        if any(p != (0, 0, 0) for p in bar.getdata()):
            raise Failure("fullscreen-menu: the bar left of the picture is not black")
        picture = image.crop((left, 0, FULL_HD[0] - left, FULL_HD[1])).resize(MENU[1], resample=2)
        if mean_difference(picture, menu_image) > 6:
            raise Failure("fullscreen-menu: scaled down, the picture is not the 1x one")
        game.click(left + round((232 + 68) * f), round((136 + 16) * f))
        game.expect("fullscreen-battle", screen, (0, 0))
        time.sleep(5.5)
        game.key("Up", "space")
        game.expect("fullscreen-fired", screen, (0, 0))
        game.key("F11")
        game.expect("window-by-F11", BATTLE)
        game.key("alt+Return")
        game.expect("fullscreen-by-Alt-Enter", screen, (0, 0))
        game.key("Escape")
        _, image = game.expect("fullscreen-exit-question", screen, (0, 0))
        if not box_shows(image):
            raise Failure("fullscreen-exit-question: no message box on the screen")
        game.key("alt+Return")  # switches to a window; the box keeps waiting
        _, image = game.expect("box-in-a-window-by-Alt-Enter", BATTLE)
        if not box_shows(image):
            raise Failure("box-in-a-window-by-Alt-Enter: the box went")
        game.key("alt+Return")
        game.expect("box-fullscreen-again", screen, (0, 0))
        game.key("Return")
        game.ended("fullscreen-exit-answered-yes")
        game.stop()
        # The next run remembers the full screen.
        game = Game(desk, path, os.path.join(desk.out, "remembered.log"))
        game.expect("fullscreen-remembered", screen, (0, 0))
        game.key("F11")
        game.expect("menu-in-a-window-by-F11", MENU)
        game.close_box()
        game.ended("remembered-menu-closed")
        game.stop()
        same_place(desk, path, "framed")
    finally:
        game.stop()
        wm.terminate()
        wm.wait()


def netbook(desk, path, menu_image):
    """A 1024 x 600 screen under a window manager: the windows open at the
    fraction whose battle window fits with its title bar, which shows; a window
    shrunk to 50 x 50 stops at half its size, which the next start keeps; a
    factor too large for the screen is lowered and said to be."""
    wm = window_manager(desk)
    game = Game(desk, path, os.path.join(desk.out, "netbook.log"))
    try:
        game.expect("netbook-menu", (MENU[0], None))
        _, (top, left, bottom, right) = desk.client_area(game.window)
        f = min((desk.screen[0] - left - right) / BATTLE[1][0],
                (desk.screen[1] - top - bottom) / BATTLE[1][1])
        menu = scaled(MENU, f)
        game.expect("netbook-menu", menu)
        game.whole_on_screen("netbook-menu", desk.screen)
        game.click(round((232 + 68) * f), round((136 + 16) * f))  # "Новая Игра"
        game.expect("netbook-battle", scaled(BATTLE, f))
        (x, y), size, (top, left, bottom, right) = game.whole_on_screen("netbook-battle",
                                                                        desk.screen)
        if top == 0 or y + size[1] + bottom < desk.screen[1] - 1:
            raise Failure("netbook-battle: no title bar, or not the largest window that fits")
        desk.screenshot("netbook-screen", (0, 0, *desk.screen))
        game.key("Escape")
        game.key("Return")
        game.ended("netbook-battle-left")
        game.stop()
        game = Game(desk, path, os.path.join(desk.out, "shrunk.log"))
        game.expect("shrink-menu", (MENU[0], None))
        # The game takes no size for the player's in the first half second of
        # a window, while the window manager may still pass through others.
        time.sleep(1)
        game.desk.xdo("windowsize", game.window, 50, 50)
        time.sleep(1)
        half = scaled(MENU, 0.5)[1]
        at, size = game.geometry()
        if size[0] < half[0] or size[1] < half[1]:
            raise Failure(f"shrink-menu: shrunk to {size}, below half the main menu's size")
        print(f"ok   shrink-menu: shrunk to 50 x 50, it stops at {size[0]}x{size[1]}", flush=True)
        game.close_box()
        game.ended("shrunk-menu-closed")
        game.stop()
        start_and_close(desk, path, "shrunk-menu-kept", scaled(MENU, 0.5))
        _, size, said = start_and_close(desk, path, "netbook-scale-8", None, ["--scale", "8"])
        if size != menu[1] or "в масштабе 8 окно битвы" not in said:
            raise Failure(f"netbook-scale-8: {size}, not lowered to {menu[1]} and said" + said)
    finally:
        game.stop()
        wm.terminate()
        wm.wait()


def quits(desk, path):
    game = Game(desk, path, os.path.join(desk.out, "sigterm.log"))
    try:
        game.expect("sigterm-menu", MENU)
        game.click(304 + 64, 176 + 16)
        game.expect("sigterm-credits", CREDITS)
        game.proc.send_signal(signal.SIGTERM)
        game.ended("sigterm-over-credits")
    finally:
        game.stop()
    game = Game(desk, path, os.path.join(desk.out, "sigint.log"))
    try:
        game.expect("sigint-menu", MENU)
        game.click(232 + 68, 136 + 16)
        game.expect("sigint-battle", BATTLE)
        game.key("Escape")
        _, image = game.expect("sigint-exit-question", BATTLE)
        if not box_shows(image):
            raise Failure("sigint-exit-question: no message box in the window")
        game.proc.send_signal(signal.SIGINT)
        game.ended("sigint-during-exit-question")
    finally:
        game.stop()
    game = Game(desk, path, os.path.join(desk.out, "menu-close.log"))
    try:
        game.expect("close-menu", MENU)
        game.close_box()
        game.ended("menu-closed-by-close-box")
    finally:
        game.stop()


LOST_DISPLAY = "связь с экраном потеряна"
FEW_COLOURS = "экран работает с палитрой или с малым числом цветов"
NO_FONT = "шрифт «Liberation Sans» не загружается"
LOWERED = "в масштабе {} окно битвы не помещается на экране; окна открываются в масштабе {}"


def lost_display(desk, path):
    """The game's window destroyed by another program, the game's connection
    to the display killed: each ends the game with a Russian line, status 1."""
    for how in ("window-destroyed", "connection-killed"):
        game = Game(desk, path, os.path.join(desk.out, f"{how}.log"))
        try:
            game.expect(f"{how}-menu", MENU)
            if how == "window-destroyed":
                desk.destroy(game.window)
            else:
                desk.xdo("windowkill", game.window)
            try:
                status = game.proc.wait(5)
            except subprocess.TimeoutExpired:
                raise Failure(f"{how}: the program did not end")
            if status != 1 or LOST_DISPLAY not in game.output():
                raise Failure(f"{how}: status {status}, no Russian line" + game.output())
            print(f"ok   {how}: the program ended with status 1 and said why", flush=True)
        finally:
            game.stop()


def failed_start(desk, path, step, reason, env=None, shot=True):
    """A start that fails on a display: the reason on standard error and in a
    box that waits for the player; SIGTERM ends it with status 1."""
    log_path = os.path.join(desk.out, f"{step}.log")
    with open(log_path, "wb") as log:
        proc = subprocess.Popen(
            [path], stdout=log, stderr=log,
            env=dict(desk.env, SDL_VIDEODRIVER="x11", SDL_AUDIODRIVER="dummy", **(env or {})))
        try:
            deadline = time.time() + 15
            said = ""
            while reason not in said and proc.poll() is None and time.time() < deadline:
                time.sleep(0.2)
                with open(log_path, "rb") as f:
                    said = f.read().decode("utf-8", "replace")
            time.sleep(1)  # the box opens after the line
            if proc.poll() is not None or reason not in said:
                raise Failure(f"{step}: wanted a box saying {reason!r}, status {proc.poll()}:"
                              f"\n{said}")
            # The box may take a while on a loaded machine (under the sanitizers).
            deadline = time.time() + 30
            while shot:
                image = desk.screenshot(step, (0, 0, SCREEN[0], SCREEN[1]))
                middle = image.crop((SCREEN[0] // 2 - 100, SCREEN[1] // 2 - 200,
                                     SCREEN[0] // 2 + 100, SCREEN[1] // 2 + 200))
                if middle.convert("L").getextrema()[1] > 0:
                    break
                if time.time() > deadline:
                    raise Failure(f"{step}: no box on the screen")
                time.sleep(0.2)
            proc.send_signal(signal.SIGTERM)
            try:
                status = proc.wait(5)
            except subprocess.TimeoutExpired:
                raise Failure(f"{step}: SIGTERM did not end the program while its box showed")
            if status != 1:
                raise Failure(f"{step}: status {status} after SIGTERM, expected 1")
            print(f"ok   {step}: said why, ended by SIGTERM with status 1", flush=True)
        finally:
            if proc.poll() is None:
                proc.kill()
                proc.wait()


def no_fonts(desk, path):
    """Without a single font the game's own box cannot write: the system's box
    says why."""
    conf = os.path.join(desk.out, "no-fonts.conf")
    with open(conf, "w") as f:
        f.write(f"<fontconfig><cachedir>{desk.out}/fc</cachedir></fontconfig>\n")
    failed_start(desk, path, "no-fonts", NO_FONT, {"FONTCONFIG_FILE": conf})


def glyph_heights(image, box):
    """The heights in pixels of the letters in `box` of the picture, left to
    right, on the box's background colour (its commonest): for each run of
    columns with ink, the rows where a pixel stands at least half way from
    the background to the text's colour."""
    crop = image.crop(box).convert("RGB")
    w, h = crop.size
    px = crop.load()
    counts = {}
    for p in crop.getdata():
        counts[p] = counts.get(p, 0) + 1
    background = max(counts, key=counts.get)

    def distance(p):
        return sum(abs(a - b) for a, b in zip(p, background))

    far = max(distance(p) for p in crop.getdata())
    ink = [[distance(px[x, y]) * 2 >= far > 0 for y in range(h)] for x in range(w)]
    heights = []
    x = 0
    while x < w:
        start = x
        while x < w and any(ink[x]):
            x += 1
        if x > start:
            rows = [y for y in range(h) if any(ink[c][y] for c in range(start, x))]
            heights.append(rows[-1] - rows[0] + 1)
        x += 1
    if not heights:
        raise Failure(f"no letter in {box}")
    return heights


def handheld(desk, tests):
    """A handheld's 1280 x 800 screen under a window manager, where the game
    opens at 1x, and only a pad: the pad test of the shell's tests (the main
    menu, the battle, the menu bar) and its name typed on the keyboard on the
    screen, in a window on the X server rather than on SDL's dummy video
    driver. Their screenshots are looked at: the main menu's lit word, the
    menu bar the held Back opened, the keyboard (Cyrillic and Latin, a lit
    key), and the capitals of the menu bar and of the name box's text, the
    smallest letters the game sets, at least 9 pixels tall."""
    wm = window_manager(desk)
    env = dict(desk.env, SDL_VIDEODRIVER="x11", SDL_AUDIODRIVER="dummy", KREPOGOR_SHOTS=desk.out)
    options = [o for o in env.get("ASAN_OPTIONS", "").split(":") if o]
    env["ASAN_OPTIONS"] = ":".join(options + ["detect_leaks=0"])
    try:
        run = subprocess.run(
            [tests, "--gtest_filter=Gamepad.*:NameBox.TakesANameFromThePadAlone"], env=env,
            capture_output=True, timeout=120)
    finally:
        wm.terminate()
        wm.wait()
    if run.returncode != 0 or b"[  PASSED  ] 2 tests" not in run.stdout:
        raise Failure("handheld: the battle and the name through the virtual controller failed\n"
                      + run.stdout.decode("utf-8", "replace")[-2000:])
    from PIL import Image
    shots = {}
    for name in ("main-menu-lit-by-pad", "menu-bar-by-held-back", "name-box-keyboard",
                 "name-box-keyboard-latin", "name-box-typed"):
        shots[name] = Image.open(os.path.join(desk.out, name + ".png")).convert("RGB")
    if shots["menu-bar-by-held-back"].size != BATTLE[1]:
        raise Failure(f"handheld: the battle window is {shots['menu-bar-by-held-back'].size}, "
                      f"not {BATTLE[1]} (1x) on a 1280 x 800 screen")
    lit = shots["main-menu-lit-by-pad"].crop((220, 130, 380, 175))
    if sum(1 for p in lit.getdata() if p == MENU_LIGHT) < 300:
        raise Failure("handheld: no light round \"Новая Игра\" in the main menu")
    if not lit_item_shows(shots["menu-bar-by-held-back"]):
        raise Failure("handheld: the held Back opened no drop-down")
    for name in ("name-box-keyboard", "name-box-keyboard-latin", "name-box-typed"):
        if sum(1 for p in shots[name].crop((0, 200, 926, 560)).getdata() if p == SELECTION) < 1500:
            raise Failure(f"handheld: {name}: no lit key on the keyboard")
    if pixels_differ(shots["name-box-keyboard"], shots["name-box-keyboard-latin"]) < 5000:
        raise Failure("handheld: the shoulder turned no page of the keyboard")
    # The letters of the menu bar's "Игра" and the name box's "Вы п" (its
    # title bar's top left is the first pixel of the title blue from the top):
    # a capital and the small letters, the smallest the game sets.
    menu = glyph_heights(shots["menu-bar-by-held-back"], (2, 0, 60, 20))
    box = shots["name-box-keyboard"]
    top = next((x, y) for y in range(box.size[1]) for x in range(box.size[0])
               if box.getpixel((x, y)) == SELECTION)
    panel = (top[0] - 2, top[1] - 2)
    prompt = glyph_heights(box, (panel[0] + 12, panel[1] + 34, panel[0] + 50, panel[1] + 56))
    for where, heights in (("the menu bar's Игра", menu), ("the name box's Вы п", prompt)):
        if len(heights) < 3 or min(heights) < 9:
            raise Failure(f"handheld: {where}: letters {heights} pixels tall at 1x, one under 9")
    print(f"ok   handheld: 1280 x 800, the game at 1x: the main menu, a battle, the menu bar and "
          f"a name typed with the pad alone; capitals {menu[0]} px and small letters "
          f"{min(menu)} px (menu bar), {prompt[0]} and {min(prompt)} px (name box)", flush=True)


def touch(desk, tests, name, dpi, fullscreen):
    """The touch test of the shell's tests in a window, or filling the screen,
    on this X server under a window manager: a battle played with SDL's
    finger events alone. Its screenshots of the window note where the
    controls stand; they are measured on them (what changed when a key hid
    them) and must be at least 9 mm across at the screen's `dpi`."""
    shots = os.path.join(desk.out, f"touch-{name}")
    shutil.rmtree(shots, ignore_errors=True)
    os.makedirs(shots)
    # SDL reads the screen's size in millimetres from the X server's core
    # protocol; Xvfb's RandR output states none.
    env = dict(desk.env, SDL_VIDEODRIVER="x11", SDL_AUDIODRIVER="dummy", SDL_VIDEO_X11_XRANDR="0",
               KREPOGOR_SHOTS=shots)
    if fullscreen:
        env["KREPOGOR_TOUCH_FULLSCREEN"] = "1"
    options = [o for o in env.get("ASAN_OPTIONS", "").split(":") if o]
    env["ASAN_OPTIONS"] = ":".join(options + ["detect_leaks=0"])
    wm = window_manager(desk)
    try:
        run = subprocess.run([tests, "--gtest_filter=Touch.*"], env=env, capture_output=True,
                             timeout=120)
    finally:
        wm.terminate()
        wm.wait()
    output = run.stdout.decode("utf-8", "replace")
    if run.returncode != 0 or "[  PASSED  ] 1 test" not in output:
        raise Failure(f"touch-{name}: the battle played with fingers failed\n" + output[-3000:])
    from PIL import Image
    taken = {}
    for step in ("shown", "held", "battle", "hidden"):
        path = os.path.join(shots, f"touch-{step}")
        if not os.path.exists(path + ".png"):
            raise Failure(f"touch-{name}: no screenshot {step}")
        with open(path + ".txt") as f:
            lines = f.read().split("\n")
        side, where = lines[0].split()
        buttons = [tuple(map(int, line.split())) for line in lines[1:] if line]
        taken[step] = (Image.open(path + ".png").convert("RGB"), int(side), where, buttons)
    shown, side, where, buttons = taken["shown"]
    hidden = taken["hidden"][0]
    size = desk.screen if fullscreen else BATTLE[1]
    if shown.size != tuple(size):
        raise Failure(f"touch-{name}: the window is {shown.size}, not {size}")
    sizes = []
    for bx, by, bw, bh in buttons:
        # The button as drawn: the pixels around its place that the key changed.
        around = side // 4
        changed = [(px, py) for py in range(by - around, by + bh + around)
                   for px in range(bx - around, bx + bw + around)
                   if 0 <= px < shown.size[0] and 0 <= py < shown.size[1]
                   and shown.getpixel((px, py)) != hidden.getpixel((px, py))]
        if not changed:
            raise Failure(f"touch-{name}: no button drawn at {bx},{by}")
        w = max(p[0] for p in changed) - min(p[0] for p in changed) + 1
        h = max(p[1] for p in changed) - min(p[1] for p in changed) + 1
        sizes.append((w, h))
        mm = min(w, h) * 25.4 / dpi
        if (w, h) != (bw, bh) or mm < 9:
            raise Failure(f"touch-{name}: a button drawn {w} x {h} pixels ({mm:.1f} mm), "
                          f"laid out {bw} x {bh}")
        under = [hidden.getpixel((bx + i, by + bh // 2)) for i in range(bw)]
        if (where == "bars") != all(p == (0, 0, 0) for p in under):
            raise Failure(f"touch-{name}: a button {where} stands over "
                          + ("the battle" if where == "bars" else "the black bars"))
    w, h = sizes[0]
    print(f"ok   touch-{name}: a battle played with fingers alone; 5 buttons in the {where}, "
          f"each {w} x {h} pixels, {w * 25.4 / dpi:.1f} mm across at {dpi} dpi", flush=True)


def touch_screens(tests, out):
    """The touch controls at 1x in a window (on screens of 96 and 160 dots an
    inch) and filling a phone's screen held sideways and upright (400)."""
    for screen, dpi, name, fullscreen in (((1280, 1024), 96, "window-96dpi", False),
                                          ((1280, 1024), 160, "window-160dpi", False),
                                          ((2400, 1080), 400, "sideways-400dpi", True),
                                          ((1080, 2400), 400, "upright-400dpi", True)):
        server = start_xvfb(screen, dpi=dpi)
        if not server:
            raise Failure(f"Xvfb could not start a {screen[0]} x {screen[1]} screen")
        xvfb, display = server
        try:
            touch(Desktop(display, out, screen), tests, name, dpi, fullscreen)
        finally:
            xvfb.terminate()
            xvfb.wait()


def chosen_keys(desk, path):
    """Keys chosen in settings.ini: F fires and W aims up in a battle played
    by keys (the recording says so with the battle's own keys), and the
    choices stay in the file the game saves; a key chosen twice is refused in
    one Russian line, the usual keys kept."""
    config = os.path.join(desk.out, "config-keys")
    shutil.rmtree(config, ignore_errors=True)
    os.makedirs(os.path.join(config, "krepogor"))
    ini = os.path.join(config, "krepogor", "settings.ini")
    with open(ini, "w", encoding="utf-8") as f:
        f.write("key.fire=F\nkey.up=w\n")
    record = os.path.join(desk.out, "keys.krs")
    game = Game(desk, path, os.path.join(desk.out, "keys.log"), ["--record", record],
                env={"XDG_CONFIG_HOME": config})
    try:
        game.expect("keys-menu", MENU)
        game.click(232 + 68, 136 + 16)  # "Новая Игра"
        game.expect("keys-battle", BATTLE)
        game.key("w", "f", "Up", "space")
        game.key("Escape")
        game.key("Return")
        game.ended("keys-battle-left")
    finally:
        game.stop()
    with open(record, encoding="utf-8") as f:
        keys = [line.strip() for line in f if line.startswith("key ")]
    if keys != ["key vk:38", "key vk:32", "key vk:27"]:
        raise Failure(f"keys: W, F, Up, Space and Esc were recorded as {keys}")
    with open(ini, encoding="utf-8") as f:
        kept = f.read()
    if "key.fire=F\n" not in kept or "key.up=w\n" not in kept:
        raise Failure("keys: the saved settings lost the chosen keys:\n" + kept)
    with open(ini, "w", encoding="utf-8") as f:
        f.write("key.fire=F\nkey.pause=f\n")
    game = Game(desk, path, os.path.join(desk.out, "keys-refused.log"),
                env={"XDG_CONFIG_HOME": config})
    try:
        game.expect("keys-refused-menu", MENU)
        game.close_box()
        game.ended("keys-refused-closed")
    finally:
        game.stop()
    with open(os.path.join(desk.out, "keys-refused.log"), encoding="utf-8") as f:
        said = f.read().splitlines()
    if len(said) != 1 or "клавиши боя не приняты" not in said[0]:
        raise Failure(f"keys: a key chosen twice was said as {said}")
    print("ok   keys: F and W chosen play as Space and Up, the old keys do nothing, the choices "
          "are kept; a key chosen twice is refused in one line: " + said[0], flush=True)


def few_colours(path, out):
    """A display of 256 colours: the reason, in the system's box (which no
    screenshot tool here can read)."""
    server = start_xvfb(depth=8)
    if not server:
        raise Failure("an 8-bit Xvfb could not start")
    xvfb, display = server
    try:
        failed_start(Desktop(display, out), path, "eight-bit-display", FEW_COLOURS, shot=False)
    finally:
        xvfb.terminate()
        xvfb.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--pad-test",
                        help="the shell's tests, whose pad and touch tests run here too")
    args = parser.parse_args()
    required = os.environ.get("KREPOGOR_E2E_REQUIRED") == "1"

    def skip(why):
        print(("FAILED: " if required else "skipped: ") + why, flush=True)
        return 1 if required else SKIPPED

    for tool in ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            return skip(f"{tool} is not installed (scripts/install-deps.sh installs it)")
    try:
        from PIL import ImageGrab  # noqa: F401
    except ImportError:
        return skip("Pillow is not installed")
    server = start_xvfb()
    if not server:
        return skip("Xvfb could not start")
    xvfb, display = server
    os.makedirs(args.out, exist_ok=True)
    for old in os.listdir(args.out):
        if old.startswith("config-") or old == "data":
            shutil.rmtree(os.path.join(args.out, old), ignore_errors=True)
    for old in os.listdir(args.out):
        # Pictures and recordings of an earlier run: a recording left there
        # (cut short, say) is no file this run's --record may replace.
        if old.endswith((".png", ".krs")):
            os.remove(os.path.join(args.out, old))
    desk = Desktop(display, args.out)
    started = time.time()
    try:
        try:
            menu_image = play(desk, args.game)
            quits(desk, args.game)
            same_place(desk, args.game, "unframed")
            lost_display(desk, args.game)
            no_fonts(desk, args.game)
            chosen_keys(desk, args.game)
        finally:
            xvfb.terminate()
            xvfb.wait()
        few_colours(args.game, args.out)
        if args.pad_test and shutil.which("openbox"):
            touch_screens(args.pad_test, args.out)
        elif args.pad_test and required:
            raise Failure("openbox is not installed (scripts/install-deps.sh installs it)")
        runs = [(LARGE, large), (FULL_HD, filled), (NETBOOK, netbook)]
        if args.pad_test:
            runs.append((HANDHELD, lambda desk, game, _: handheld(desk, args.pad_test)))
        for screen, run in runs:
            if run is not large and not shutil.which("openbox"):
                # The full screen and the frames are the window manager's to give.
                if required:
                    raise Failure("openbox is not installed (scripts/install-deps.sh installs it)")
                print(f"skipped: {screen[0]} x {screen[1]} (openbox is not installed)", flush=True)
                continue
            server = start_xvfb(screen)
            if not server:
                raise Failure(f"Xvfb could not start a {screen[0]} x {screen[1]} screen")
            xvfb, display = server
            desk = Desktop(display, args.out, screen, desk.shots)
            try:
                run(desk, args.game, menu_image)
            finally:
                xvfb.terminate()
                xvfb.wait()
    except Failure as f:
        print(f"FAILED {f}\nscreenshots and the program's output: {args.out}", flush=True)
        return 1
    print(f"all steps passed in {time.time() - started:.0f} s; screenshots in {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
