# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives Chromium, Firefox ESR and WebKitGTK for tools/check-browsers and
tools/scan-browser-tables: each engine opens a URL, waits for the page to load, evaluates a
JavaScript expression in it and gives back its value, a string.

    engine = Chromium(scratch)          # or Firefox, WebKit; scratch: a temporary folder
    text = engine.evaluate(url, "JSON.stringify(...)")
    engine.close()

An engine that cannot load the page, or whose expression fails, raises RuntimeError. Each
engine runs with a fresh profile in the scratch folder and reaches nothing but 127.0.0.1:
- Chromium, headless, through the DevTools protocol on a pipe (--remote-debugging-pipe);
- Firefox ESR, headless, through WebDriver BiDi on a WebSocket, with no geckodriver;
- WebKitGTK, through PyGObject in a window on a virtual X server (xvfb-run), in a worker that
  runs this file under Debian's Python.
Every wait is bounded: `seconds` (LOAD_SECONDS unless given) for a page to load and for the
expression's value.
"""
import base64
import fcntl
import json
import os
import re
import select
import socket
import struct
import subprocess
import sys
import tempfile
import threading

LOAD_SECONDS = 30
# PyGObject is Debian's python3-gi, for Debian's Python, whichever python3 runs the tools.
DEBIAN_PYTHON = "/usr/bin/python3"


# --- Chromium ---------------------------------------------------------------------------------

class Chromium:
    """Headless Chromium, one process for every page, driven through the DevTools protocol on
    the pipe --remote-debugging-pipe opens: JSON messages, each ended by a NUL byte, that
    Chromium reads on its file descriptor 3 and writes on 4."""

    name = "chromium"

    @staticmethod
    def version():
        return subprocess.run(["chromium", "--version"], capture_output=True,
                              text=True).stdout.strip()

    def __init__(self, scratch, seconds=LOAD_SECONDS):
        self.seconds = seconds
        to_chromium, self.to_chromium = os.pipe()
        self.from_chromium, from_chromium_end = os.pipe()

        def pipes_as_3_and_4():
            # Copied above 4 first: a pipe that is already 3 or 4 would otherwise keep its
            # close-on-exec flag (dup2 onto itself changes nothing) or be overwritten.
            reading = fcntl.fcntl(to_chromium, fcntl.F_DUPFD, 10)
            writing = fcntl.fcntl(from_chromium_end, fcntl.F_DUPFD, 10)
            os.dup2(reading, 3)
            os.dup2(writing, 4)

        command = ["chromium", "--headless", "--disable-gpu", "--disable-quic", "--no-first-run",
                   "--disable-background-networking", "--disable-component-update",
                   "--disable-sync", "--user-data-dir=" + tempfile.mkdtemp(dir=scratch),
                   "--remote-debugging-pipe", "about:blank"]
        if os.geteuid() == 0:
            command.insert(1, "--no-sandbox")  # Chromium's sandbox refuses to run as root
        self.process = subprocess.Popen(command, preexec_fn=pipes_as_3_and_4, close_fds=False,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_chromium)
        os.close(from_chromium_end)
        self.pending = b""
        self.next_id = 0
        target = self.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        self.session = self.call("Target.attachToTarget",
                                 {"targetId": target, "flatten": True})["sessionId"]
        self.call("Page.enable", session=self.session)

    def receive(self):
        while b"\0" not in self.pending:
            if not select.select([self.from_chromium], [], [], self.seconds)[0]:
                raise RuntimeError("no answer from Chromium in %d s" % self.seconds)
            chunk = os.read(self.from_chromium, 1 << 16)
            if not chunk:
                raise RuntimeError("Chromium closed its pipe")
            self.pending += chunk
        message, self.pending = self.pending.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, params=None, session=None, until_event=None):
        """Sends a command and returns its result; with until_event, waits for that event of the
        session too."""
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.to_chromium, json.dumps(message).encode() + b"\0")
        result = None
        while result is None or until_event:
            reply = self.receive()
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError("%s: %s" % (method, reply["error"].get("message")))
                result = reply["result"]
            elif until_event and reply.get("method") == until_event \
                    and reply.get("sessionId") == session:
                until_event = None
        return result

    def evaluate(self, url, expression):
        self.call("Page.navigate", {"url": url}, session=self.session,
                  until_event="Page.loadEventFired")
        answer = self.call("Runtime.evaluate", {"expression": expression, "returnByValue": True},
                           session=self.session)
        if "exceptionDetails" in answer:
            raise RuntimeError("script failed: %s" % answer["exceptionDetails"].get("text"))
        return answer["result"]["value"]

    def close(self):
        try:
            self.call("Browser.close")
        except (OSError, RuntimeError):
            pass
        self.process.wait(timeout=30)


# --- Firefox ----------------------------------------------------------------------------------

class WebSocket:
    """The client side of a WebSocket (RFC 6455) over a TCP connection: text frames out, masked
    as a client's must be; the server's frames in, unmasked, fragments joined, pings answered."""

    def __init__(self, host, port, path, seconds=LOAD_SECONDS):
        self.socket = socket.create_connection((host, port), timeout=seconds * 2)
        key = base64.b64encode(os.urandom(16)).decode()
        self.socket.sendall(("GET %s HTTP/1.1\r\nHost: %s:%d\r\nUpgrade: websocket\r\n"
                             "Connection: Upgrade\r\nSec-WebSocket-Key: %s\r\n"
                             "Sec-WebSocket-Version: 13\r\n\r\n" % (path, host, port, key)).encode())
        self.pending = b""
        while b"\r\n\r\n" not in self.pending:
            self.pending += self.read_some()
        head, self.pending = self.pending.split(b"\r\n\r\n", 1)
        if not head.startswith(b"HTTP/1.1 101"):
            raise RuntimeError("WebSocket refused: " + head.decode(errors="replace"))

    def read_some(self):
        chunk = self.socket.recv(1 << 16)
        if not chunk:
            raise RuntimeError("the WebSocket closed")
        return chunk

    def read_exactly(self, size):
        while len(self.pending) < size:
            self.pending += self.read_some()
        taken, self.pending = self.pending[:size], self.pending[size:]
        return taken

    def send_frame(self, opcode, payload):
        head = bytes([0x80 | opcode])
        if len(payload) < 126:
            head += bytes([0x80 | len(payload)])
        elif len(payload) < 1 << 16:
            head += bytes([0x80 | 126]) + struct.pack("!H", len(payload))
        else:
            head += bytes([0x80 | 127]) + struct.pack("!Q", len(payload))
        mask = os.urandom(4)
        self.socket.sendall(head + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(payload)))

    def send(self, text):
        self.send_frame(0x1, text.encode())

    def receive(self):
        message = b""
        while True:
            first, second = self.read_exactly(2)
            size = second & 0x7F
            if size == 126:
                size = struct.unpack("!H", self.read_exactly(2))[0]
            elif size == 127:
                size = struct.unpack("!Q", self.read_exactly(8))[0]
            mask = self.read_exactly(4) if second & 0x80 else None
            payload = self.read_exactly(size)
            if mask:
                payload = bytes(b ^ mask[i % 4] for i, b in enumerate(payload))
            opcode = first & 0x0F
            if opcode == 0x8:
                raise RuntimeError("the WebSocket closed")
            if opcode == 0x9:
                self.send_frame(0xA, payload)
                continue
            if opcode in (0x0, 0x1, 0x2):
                message += payload
                if first & 0x80:
                    return message.decode()

    def close(self):
        self.socket.close()


# Preferences that keep Firefox off the network and quiet in a fresh profile.
FIREFOX_PREFS = {
    "app.update.auto": False,
    "app.update.enabled": False,
    "app.normandy.enabled": False,
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "browser.safebrowsing.malware.enabled": False,
    "browser.safebrowsing.phishing.enabled": False,
    "browser.safebrowsing.downloads.enabled": False,
    "browser.safebrowsing.blockedURIs.enabled": False,
    "browser.safebrowsing.provider.mozilla.updateURL": "",
    "browser.safebrowsing.provider.google4.updateURL": "",
    "browser.newtabpage.enabled": False,
    "datareporting.healthreport.uploadEnabled": False,
    "datareporting.policy.dataSubmissionEnabled": False,
    "extensions.update.enabled": False,
    "extensions.getAddons.cache.enabled": False,
    "network.captive-portal-service.enabled": False,
    "network.connectivity-service.enabled": False,
    "network.dns.disablePrefetch": True,
    "network.prefetch-next": False,
    "toolkit.telemetry.enabled": False,
    "toolkit.telemetry.unified": False,
    "toolkit.telemetry.server": "",
    "services.settings.server": "",
    "remote.log.level": "Warn",
}


class Firefox:
    """Headless Firefox ESR, one process for every page, driven through WebDriver BiDi: a
    WebSocket to ws://127.0.0.1:PORT/session, session.new, then browsingContext.navigate and
    script.evaluate in the one tab it opens with."""

    name = "firefox"

    @staticmethod
    def version():
        return subprocess.run(["firefox-esr", "--version"], capture_output=True,
                              text=True).stdout.strip()

    def __init__(self, scratch, seconds=LOAD_SECONDS):
        profile = tempfile.mkdtemp(dir=scratch)
        with open(os.path.join(profile, "user.js"), "w") as prefs:
            for name, value in FIREFOX_PREFS.items():
                prefs.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--no-remote", "--remote-debugging-port", "0",
             "--profile", profile, "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
            env=dict(os.environ, MESA_SHADER_CACHE_DISABLE="true"))
        # Firefox says on its error output which port it chose.
        port = None
        for line in self.process.stderr:
            found = re.search(r"WebDriver BiDi listening on ws://127\.0\.0\.1:(\d+)", line)
            if found:
                port = int(found.group(1))
                break
        if port is None:
            raise RuntimeError("Firefox did not start its WebDriver BiDi server")
        threading.Thread(target=self.process.stderr.read, daemon=True).start()
        self.socket = WebSocket("127.0.0.1", port, "/session", seconds)
        self.next_id = 0
        self.call("session.new", {"capabilities": {}})
        self.context = self.call("browsingContext.getTree", {})["contexts"][0]["context"]

    def call(self, method, params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            reply = json.loads(self.socket.receive())
            if reply.get("id") == self.next_id:
                if reply.get("type") == "error":
                    raise RuntimeError("%s: %s" % (method, reply.get("message")))
                return reply["result"]

    def evaluate(self, url, expression):
        self.call("browsingContext.navigate",
                  {"context": self.context, "url": url, "wait": "complete"})
        answer = self.call("script.evaluate", {"expression": expression,
                                               "target": {"context": self.context},
                                               "awaitPromise": False})
        if answer.get("type") != "success":
            raise RuntimeError("script failed: %s" % answer.get("exceptionDetails"))
        return answer["result"]["value"]

    def close(self):
        try:
            self.call("browser.close", {})  # ends the session too
        except (OSError, RuntimeError):
            pass
        self.socket.close()
        try:
            self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


# --- WebKitGTK --------------------------------------------------------------------------------

class WebKit:
    """WebKitGTK, through PyGObject, in one window on a virtual X server: this file runs under
    xvfb-run and Debian's Python as a worker, reads a URL and an expression as a line of JSON on
    its standard input, and answers each with a line of JSON."""

    name = "webkit"

    @staticmethod
    def version():
        done = subprocess.run([DEBIAN_PYTHON, "-c", "import gi\n"
                               "gi.require_version('WebKit2', '4.1')\n"
                               "from gi.repository import WebKit2\n"
                               "print(WebKit2.get_major_version(), WebKit2.get_minor_version(),"
                               " WebKit2.get_micro_version(), sep='.')"],
                              capture_output=True, text=True)
        return "WebKitGTK " + done.stdout.strip()

    def __init__(self, scratch, seconds=LOAD_SECONDS):
        environment = dict(os.environ, MESA_SHADER_CACHE_DISABLE="true",
                           XDG_RUNTIME_DIR=tempfile.mkdtemp(dir=scratch),
                           XDG_CACHE_HOME=tempfile.mkdtemp(dir=scratch),
                           XDG_DATA_HOME=tempfile.mkdtemp(dir=scratch))
        self.process = subprocess.Popen(
            ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", DEBIAN_PYTHON,
             os.path.abspath(__file__), "--webkit-worker", str(seconds)],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, env=environment)

    def evaluate(self, url, expression):
        self.process.stdin.write(json.dumps({"url": url, "expression": expression}) + "\n")
        self.process.stdin.flush()
        line = self.process.stdout.readline()
        if not line:
            raise RuntimeError("the WebKitGTK worker stopped")
        answer = json.loads(line)
        if answer.get("failure"):
            raise RuntimeError(answer["failure"])
        return answer["value"]

    def close(self):
        self.process.stdin.close()
        self.process.wait(timeout=60)


def webkit_worker(seconds):
    """The WebKitGTK side: loads each URL read from standard input in one web view and writes
    what its expression gives, or why it gave nothing, as a line of JSON."""
    import gi
    gi.require_version("Gtk", "3.0")
    gi.require_version("WebKit2", "4.1")
    from gi.repository import GLib, Gtk, WebKit2

    view = WebKit2.WebView()
    window = Gtk.Window()
    window.set_default_size(800, 600)
    window.add(view)
    window.show_all()
    state = {}

    def on_load_changed(_view, event):
        if event == WebKit2.LoadEvent.FINISHED:
            state.setdefault("loaded", True)

    def on_load_failed(_view, _event, _uri, error):
        state["failure"] = "load failed: " + error.message
        return False

    view.connect("load-changed", on_load_changed)
    view.connect("load-failed", on_load_failed)
    context = GLib.MainContext.default()

    def wait(key):
        expired = []
        timer = GLib.timeout_add_seconds(seconds, lambda: expired.append(True))
        while key not in state and "failure" not in state and not expired:
            context.iteration(True)
        if not expired:
            GLib.source_remove(timer)
        return not expired

    def evaluated(_view, result):
        try:
            # evaluate_javascript is WebKitGTK 2.40's name; run_javascript the older one.
            if hasattr(view, "evaluate_javascript_finish"):
                state["value"] = view.evaluate_javascript_finish(result).to_string()
            else:
                state["value"] = view.run_javascript_finish(result).get_js_value().to_string()
        except GLib.Error as error:
            state["failure"] = "script failed: " + error.message

    for line in sys.stdin:
        request = json.loads(line)
        state.clear()
        view.load_uri(request["url"])
        if not wait("loaded"):
            state["failure"] = "not loaded in %d s" % seconds
        if "failure" not in state:
            if hasattr(view, "evaluate_javascript"):
                view.evaluate_javascript(request["expression"], -1, None, None, None, evaluated)
            else:
                view.run_javascript(request["expression"], None, evaluated)
            if not wait("value"):
                state["failure"] = "no answer from the page in %d s" % seconds
        print(json.dumps({"value": state.get("value"), "failure": state.get("failure")}),
              flush=True)


ENGINES = [Chromium, Firefox, WebKit]


if __name__ == "__main__":
    if sys.argv[1:2] == ["--webkit-worker"]:
        webkit_worker(int(sys.argv[2]))
