# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""One user's session with the built program: a private X server, the program started on it
with a fresh home directory and a fixed locale, and the person's hands and eyes. The hands
are xdotool (pointer and keyboard through the X server); the eyes are what the X server
reports (xdotool, xwininfo) and the files the program writes. Nothing reaches inside it.

Every wait is on a condition with a time limit. When a step fails, a screenshot of the
screen at that moment is kept under the artifacts directory."""

import os
import re
import shutil
import subprocess
import tempfile
import time

import layout
import xlib
from virtual_screen import VirtualScreen

WAIT_SECONDS = 10
EXIT_SECONDS = 5
KEY_DELAY_MS = "15"
MAIN_TITLE = "^Tagwright$"
# The characters beyond the keyboard layout that cases type; each gets a key of its own.
EXTRA_CHARACTERS = "\u00e9\u20ac\u65e5\u672c\U0001F600\u00f6\u00df\u0141\u00f3\u017a\u00a9\u00ef"
SAVE_DIALOG_TITLE = "^Save As$"


class CaseFailed(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise CaseFailed(message)


def wait_until(condition, what, seconds=WAIT_SECONDS):
    """Polls the condition until it gives a true value, which is returned."""
    deadline = time.monotonic() + seconds
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise CaseFailed(f"gave up after {seconds} s waiting for {what}")
        time.sleep(0.02)


class Session:
    def __init__(self, binary, case_name, artifacts, locale):
        self._binary = os.path.abspath(binary)
        self._case_name = case_name
        self._artifacts = os.path.join(os.path.abspath(artifacts), case_name)
        self._locale = locale
        self._steps = 0
        self._step = "start"
        self._screen = None
        self._program = None

    # ---- setting up and tearing down -------------------------------------------------------

    def __enter__(self):
        shutil.rmtree(self._artifacts, ignore_errors=True)
        self._root = tempfile.mkdtemp(prefix=f"tagwright-e2e-{self._case_name}-")
        self.home = self._make_directory("home")
        self.work = self._make_directory("work")
        runtime = self._make_directory("runtime")
        os.chmod(runtime, 0o700)
        try:
            self.step("start an X server")
            self._screen = VirtualScreen(os.path.join(self._root, "xvfb.log"))
            xlib.bind_keys(self._screen.name, EXTRA_CHARACTERS)
            self.step("start the program and wait for its window")
            self._program_log = open(os.path.join(self._root, "program.log"), "wb")
            environment = {
                "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
                "HOME": self.home,
                "LANG": self._locale,
                "LC_ALL": self._locale,
                "DISPLAY": self._screen.name,
                "XDG_RUNTIME_DIR": runtime,
                "QT_QPA_PLATFORM": "xcb",
                # A sanitizer build's settings (suppressions among them) and the test's
                # font set-up reach the program.
                **{name: value for name, value in os.environ.items()
                   if name.endswith("SAN_OPTIONS") or name == "FONTCONFIG_FILE"},
            }
            self._program = subprocess.Popen([self._binary], cwd=self.work, env=environment,
                                             stdin=subprocess.DEVNULL, stdout=self._program_log,
                                             stderr=subprocess.STDOUT)
            self.main_window = wait_until(self._main_window_shown, "the main window to be shown")
            self.scale = int(self.window_info(self.main_window)["Width"]) / layout.CLIENT_WIDTH
        except BaseException as error:
            self.__exit__(type(error), error, None)
            raise
        return self

    def __exit__(self, kind, error, trace):
        if kind is not None:
            self._report_failure(error)
        if self._program is not None and self._program.poll() is None:
            self._program.kill()
            self._program.wait()
        if self._program is not None:
            self._program_log.close()
        if self._screen is not None:
            self._screen.stop()
        shutil.rmtree(self._root, ignore_errors=True)
        return False

    def _make_directory(self, name):
        path = os.path.join(self._root, name)
        os.mkdir(path)
        return path

    def _main_window_shown(self):
        self.check_running()
        return self._only(self.windows(MAIN_TITLE))

    def _only(self, windows):
        return windows[0] if len(windows) == 1 else None

    def _report_failure(self, error):
        print(f"FAILED at step {self._steps} ({self._step}): {error}")
        if self._screen is not None:
            os.makedirs(self._artifacts, exist_ok=True)
            slug = re.sub(r"[^A-Za-z0-9]+", "-", self._step).strip("-")[:60]
            shot = os.path.join(self._artifacts, f"{self._steps:02d}-{slug}.png")
            try:
                subprocess.run(["import", "-display", self._screen.name, "-window", "root", shot],
                               check=True, capture_output=True, timeout=WAIT_SECONDS)
                print(f"screenshot of the failing step: {shot}")
            except (OSError, subprocess.SubprocessError) as shot_error:
                print(f"no screenshot of the failing step: {shot_error}")
        if self._program is not None:
            self._program_log.flush()
            with open(self._program_log.name, "rb") as log:
                print("program output:", log.read().decode(errors="replace").strip() or "(none)")

    # ---- what the X server shows -----------------------------------------------------------

    def step(self, description):
        """Names what the case does next; a failure report and its screenshot carry the name."""
        self._steps += 1
        self._step = description
        print(f"step {self._steps}: {description}", flush=True)

    def xdotool(self, *arguments, allowed_codes=(0,)):
        # xdotool reads the text to type in the locale's multibyte encoding.
        environment = {**os.environ, "DISPLAY": self._screen.name, "LC_ALL": "C.UTF-8"}
        try:
            done = subprocess.run(["xdotool", *arguments], env=environment, capture_output=True,
                                  text=True, timeout=WAIT_SECONDS)
        except subprocess.TimeoutExpired:
            raise CaseFailed(f"xdotool {' '.join(arguments)} took over {WAIT_SECONDS} s") from None
        if done.returncode not in allowed_codes:
            raise CaseFailed(f"xdotool {' '.join(arguments)} failed: {done.stderr.strip()}")
        return done.stdout

    def windows(self, title):
        """The ids of the shown windows whose title matches the regular expression."""
        found = self.xdotool("search", "--onlyvisible", "--name", title, allowed_codes=(0, 1))
        return [int(line) for line in found.split()]

    def window_info(self, window):
        """xwininfo's report of a window as a dict, or None once the window is gone."""
        done = subprocess.run(["xwininfo", "-display", self._screen.name, "-id", str(window)],
                              capture_output=True, text=True, timeout=WAIT_SECONDS)
        if done.returncode != 0:
            return None
        return dict(re.findall(r"^\s*([A-Za-z][A-Za-z -]*):\s*(.*)$", done.stdout, re.M))

    def is_shown(self, window):
        info = self.window_info(window)
        return info is not None and info.get("Map State") == "IsViewable"

    def title(self, window):
        return self.xdotool("getwindowname", str(window)).rstrip("\n")

    def wait_for_new_window(self, title, what, besides=()):
        """Waits for a shown window with a matching title that is none of `besides`."""
        return wait_until(lambda: self._only([w for w in self.windows(title)
                                              if w not in besides]), what)

    def wait_until_gone(self, window, what):
        wait_until(lambda: not self.is_shown(window), what)

    # ---- hands -----------------------------------------------------------------------------

    def click(self, name, index=-1, where=layout.CENTRE):
        """Clicks a control's place in the main window, by default at its centre."""
        # The X server takes the pointer move and the click in order, so no wait between
        # them is needed (xdotool's --sync would wait forever if the pointer is already there).
        x, y = layout.point(name, index, where, self.scale)
        self.xdotool("mousemove", "--window", str(self.main_window), str(x), str(y), "click",
                     "1")

    def focus(self, window):
        # Under a bare X server no window manager hands the keyboard to the window a person
        # works in, so the case does it, as a window manager would on activation.
        current = self.xdotool("getwindowfocus", allowed_codes=(0, 1)).strip()
        if current != str(window):
            self.xdotool("windowfocus", "--sync", str(window))

    def keys(self, window, *keys):
        self.focus(window)
        self.xdotool("key", "--delay", KEY_DELAY_MS, *keys)

    def type(self, window, text):
        """Types ASCII with xdotool type and each extra character on its own key."""
        self.focus(window)
        for run in re.findall(r"[\x20-\x7e]+|[^\x20-\x7e]", text):
            if run.isascii():
                self.xdotool("type", "--delay", KEY_DELAY_MS, run)
            elif run in EXTRA_CHARACTERS:
                self.xdotool("key", f"U{ord(run):04X}")
            else:
                raise CaseFailed(f"{run!r} has no key: add it to EXTRA_CHARACTERS")

    # ---- the save dialog -------------------------------------------------------------------

    def wait_for_save_dialog(self):
        return self.wait_for_new_window(SAVE_DIALOG_TITLE, "the save dialog")

    def click_save(self):
        return self.click_save_at(layout.CENTRE)

    def click_save_at(self, where):
        self.click("cmdSave", where=where)
        return self.wait_for_save_dialog()

    def enter_file_name(self, dialog, path, replace=False):
        """Replaces the dialog's file name by typing, then Return; answers Yes when asked
        to replace an existing file, which `replace` says must happen."""
        self.keys(dialog, "ctrl+a")
        self.type(dialog, path)
        self.keys(dialog, "Return")
        if replace:
            question = self.wait_for_new_window(SAVE_DIALOG_TITLE, "the question whether to "
                                                "replace the existing file", besides=[dialog])
            self.keys(question, "y")
            self.wait_until_gone(question, "the replace question to close")
        self.wait_until_gone(dialog, "the save dialog to close")

    def save_as(self, path, replace=False):
        self.enter_file_name(self.click_save(), path, replace)

    # ---- the program as a process and its files ---------------------------------------------

    def check_running(self):
        check(self._program.poll() is None,
              f"the program ended (exit status {self._program.poll()})")

    def wait_for_exit(self):
        try:
            return self._program.wait(timeout=EXIT_SECONDS)
        except subprocess.TimeoutExpired:
            raise CaseFailed(f"the program was still running {EXIT_SECONDS} s after its window "
                             "was closed") from None

    def close_main_window(self):
        xlib.request_close(self._screen.name, self.main_window)

    def path(self, name):
        return os.path.join(self.work, name)

    def expect_file(self, path, expected):
        """Waits until the file holds exactly the expected bytes."""
        def holds_expected():
            self.check_running()
            try:
                with open(path, "rb") as file:
                    return file.read() == expected
            except FileNotFoundError:
                return False

        try:
            wait_until(holds_expected, f"{path} to hold {expected!r}")
        except CaseFailed:
            try:
                with open(path, "rb") as file:
                    found = repr(file.read())
            except OSError as error:
                found = str(error)
            raise CaseFailed(f"{path} should hold\n  {expected!r}\nbut holds\n  {found}") from None
