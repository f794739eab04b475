# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private X server (Xvfb) for one case. It picks a free display number itself, so cases
can run side by side; if it cannot start, the case fails with the reason."""

import os
import select
import shutil
import subprocess
import time

START_SECONDS = 15


class VirtualScreen:
    def __init__(self, log_path):
        if shutil.which("Xvfb") is None:
            raise RuntimeError("Xvfb is not installed (Debian package xvfb, which "
                               "tools/install-deps installs): no X server to test the window on")
        self._log_path = log_path
        self._log = open(log_path, "wb")
        read_end, write_end = os.pipe()
        self._process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-dpi", "96",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdin=subprocess.DEVNULL, stdout=self._log,
            stderr=subprocess.STDOUT)
        os.close(write_end)
        try:
            self.name = ":" + self._read_display_number(read_end)
        except Exception:
            self.stop()
            raise
        finally:
            os.close(read_end)

    def _read_display_number(self, read_end):
        # Xvfb writes the display number and a newline once it accepts connections.
        deadline = time.monotonic() + START_SECONDS
        received = b""
        while not received.endswith(b"\n"):
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([read_end], [], [], left)[0]:
                raise RuntimeError(f"Xvfb did not start within {START_SECONDS} s; "
                                   f"its log: {self.log_text()}")
            chunk = os.read(read_end, 64)
            if not chunk:
                raise RuntimeError(f"Xvfb could not start a display; its log: {self.log_text()}")
            received += chunk
        return received.decode().strip()

    def log_text(self):
        self._log.flush()
        with open(self._log_path, "rb") as log:
            return log.read().decode(errors="replace").strip()

    def stop(self):
        if self._process.poll() is None:
            self._process.terminate()
            try:
                self._process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()
        self._log.close()
