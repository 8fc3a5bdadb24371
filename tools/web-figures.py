#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Measures the web build (README, "Play it in a browser"): the folder's size, its size
compressed, the time from opening the page to the first frame on a local server, and the
frame rate and CPU share while nobody plays, on the title and on the empty board, in
headless Chromium; then the first frame in each browser engine the tests run in (Chromium,
Firefox, WebKitGTK).

    python3 tools/web-figures.py [SITE_DIR] [--loads N] [--seconds S] [--no-engines]

SITE_DIR defaults to build-web/site (bash scripts/build-web.sh makes it). The folder is
served on 127.0.0.1 by Python's own server in this process; Chromium is driven through
the DevTools protocol on a pipe (--remote-debugging-pipe). The first frame is the first
putImageData on the game's canvas, timed by the page's own clock from the start of the
navigation; the frame rate counts putImageData calls; the CPU share is the CPU time of
all of Chromium's processes (/proc) over the wall time, in one core's worth. In each
engine, the first frame is timed the same way, with a fresh browser for each load, started
by the tests' launcher (tests/e2e/web/browser-launcher.js), which serves the folder itself
and is asked through its control socket.
"""
import argparse
import functools
import gzip
import http.server
import json
import os
import socket
import statistics
import subprocess
import tempfile
import threading
import time
from pathlib import Path

CHROMIUM = "/usr/lib/chromium/chromium"
LAUNCHER = Path(__file__).resolve().parent.parent / "tests/e2e/web/browser-launcher.js"
ENGINES = ("chromium", "firefox", "webkit")
# Counts the canvas's frames and notes when the first one came.
FRAME_COUNTER = """
(() => {
  const put = CanvasRenderingContext2D.prototype.putImageData;
  window.noughtsFrames = { count: 0, first: null };
  CanvasRenderingContext2D.prototype.putImageData = function (...args) {
    if (window.noughtsFrames.first === null) window.noughtsFrames.first = performance.now();
    window.noughtsFrames.count++;
    return put.apply(this, args);
  };
})();
"""


class Chromium:
    """Headless Chromium with one page, spoken to over the DevTools pipe (fds 3 and 4)."""

    def __init__(self):
        to_browser, self._in = os.pipe()
        self._out, from_browser = os.pipe()

        def pipes_as_3_and_4():
            read_end, write_end = os.dup(to_browser), os.dup(from_browser)
            os.dup2(read_end, 3)
            os.dup2(write_end, 4)

        self.process = subprocess.Popen(
            [CHROMIUM, "--headless=new", "--no-sandbox", "--disable-gpu",
             "--remote-debugging-pipe", "--window-size=800,600", "about:blank"],
            preexec_fn=pipes_as_3_and_4, close_fds=False,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser)
        os.close(from_browser)
        self._buffer = b""
        self._id = 0
        targets = self.call("Target.getTargets")["targetInfos"]
        page = next(t for t in targets if t["type"] == "page")
        self.session = self.call("Target.attachToTarget", targetId=page["targetId"],
                                 flatten=True)["sessionId"]
        self.page("Page.enable")
        self.page("Network.enable")
        self.page("Network.setCacheDisabled", cacheDisabled=True)
        self.page("Page.addScriptToEvaluateOnNewDocument", source=FRAME_COUNTER)

    def call(self, method, session=None, **params):
        self._id += 1
        message = {"id": self._id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        os.write(self._in, json.dumps(message).encode() + b"\0")
        while True:
            while b"\0" not in self._buffer:
                chunk = os.read(self._out, 1 << 20)
                if not chunk:
                    raise RuntimeError("Chromium closed its DevTools pipe")
                self._buffer += chunk
            reply, self._buffer = self._buffer.split(b"\0", 1)
            reply = json.loads(reply)
            if reply.get("id") == self._id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply["result"]

    def page(self, method, **params):
        return self.call(method, session=self.session, **params)

    def evaluate(self, expression):
        result = self.page("Runtime.evaluate", expression=expression, returnByValue=True)
        return result["result"].get("value")

    def await_true(self, expression, timeout=30.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.evaluate(expression):
                return
            time.sleep(0.02)
        raise TimeoutError(expression)

    def press(self, key, code, key_code):
        for kind in ("keyDown", "keyUp"):
            self.page("Input.dispatchKeyEvent", type=kind, key=key, code=code,
                      windowsVirtualKeyCode=key_code)

    def cpu_seconds(self):
        """CPU time of the browser and every process under it."""
        ticks = os.sysconf("SC_CLK_TCK")
        children = {}
        for entry in Path("/proc").iterdir():
            if entry.name.isdigit():
                try:
                    fields = (entry / "stat").read_text().rsplit(")", 1)[1].split()
                except OSError:
                    continue
                children.setdefault(int(fields[1]), []).append(
                    (int(entry.name), int(fields[11]) + int(fields[12])))
        total, todo = 0, [self.process.pid]
        own = (Path(f"/proc/{self.process.pid}/stat").read_text().rsplit(")", 1)[1].split())
        total += int(own[11]) + int(own[12])
        while todo:
            for pid, used in children.get(todo.pop(), []):
                total += used
                todo.append(pid)
        return total / ticks

    def close(self):
        try:
            self.call("Browser.close")
        except (RuntimeError, OSError):
            pass
        self.process.wait(timeout=20)


def first_frame_through_launcher(site, engine):
    """The first frame's time in one fresh browser of the engine, through the launcher."""
    # The browser's last processes may still write its profile as it goes.
    with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as run_dir:
        probe = Path(run_dir) / "probe.js"
        probe.write_text(FRAME_COUNTER)
        environment = dict(os.environ, NOUGHTS_E2E_BROWSER=engine, NOUGHTS_E2E_WEB_RUN_DIR=run_dir,
                           NOUGHTS_E2E_WEB_SCRIPT=str(probe))
        launcher = subprocess.Popen(["node", str(LAUNCHER), str(site / "index.html")],
                                    cwd=site, env=environment, stdout=subprocess.DEVNULL)
        try:
            control = socket.socket(socket.AF_UNIX)
            deadline = time.monotonic() + 60
            while control.connect_ex(str(Path(run_dir) / "control")) != 0:
                if time.monotonic() > deadline or launcher.poll() is not None:
                    raise TimeoutError(f"no launcher for {engine}")
                time.sleep(0.05)
            answers = control.makefile("r")

            def ask(request):
                control.sendall(request.encode() + b"\n")
                return answers.readline().strip()

            while time.monotonic() < deadline:
                answer = ask("evaluate window.noughtsFrames ? window.noughtsFrames.first : null")
                if answer.startswith("ok ") and answer[3:] not in ("null", "undefined"):
                    ask("key Escape")
                    return float(answer[3:])
                time.sleep(0.05)
            raise TimeoutError(f"no frame in {engine}")
        finally:
            try:
                launcher.wait(timeout=20)
            except subprocess.TimeoutExpired:
                launcher.kill()
                launcher.wait()


def serve(folder):
    handler = functools.partial(QuietHandler, directory=str(folder))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def idle(browser, where, seconds):
    """The frames shown and the whole browser's CPU share while nobody plays: in the
    first SECONDS after the last input (after one to settle), then in the next SECONDS,
    once the page has stopped looking for a newly connected gamepad (5 s after input)."""
    time.sleep(1.0)
    for when in ("from 1 s after the last input", "then"):
        frames = browser.evaluate("window.noughtsFrames.count")
        cpu, start = browser.cpu_seconds(), time.monotonic()
        time.sleep(seconds)
        frames = browser.evaluate("window.noughtsFrames.count") - frames
        cpu, wall = browser.cpu_seconds() - cpu, time.monotonic() - start
        print(f"idle {where}, {when}, for {wall:.1f} s: {frames / wall:.1f} frames/s, "
              f"Chromium's CPU {100 * cpu / wall:.1f}% of one core")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("site", nargs="?", default="build-web/site")
    parser.add_argument("--loads", type=int, default=5, help="page loads timed")
    parser.add_argument("--seconds", type=float, default=10.0, help="time idle on each screen")
    parser.add_argument("--no-engines", action="store_true",
                        help="Chromium's figures only, not the first frame in each engine")
    options = parser.parse_args()
    site = Path(options.site)
    files = sorted(p for p in site.iterdir() if p.is_file())
    size = sum(p.stat().st_size for p in files)
    packed = sum(len(gzip.compress(p.read_bytes(), 9)) for p in files)
    print(f"folder: {len(files)} files, {size} bytes; each file gzip -9: {packed} bytes")

    server, url = serve(site)
    browser = Chromium()
    try:
        firsts = []
        for _ in range(options.loads):
            browser.page("Page.navigate", url=url)
            browser.await_true("window.noughtsFrames && window.noughtsFrames.first !== null")
            firsts.append(browser.evaluate("window.noughtsFrames.first"))
        print(f"first frame after opening the page (ms, {options.loads} loads): median "
              f"{statistics.median(firsts):.0f}, range {min(firsts):.0f} to {max(firsts):.0f}")

        idle(browser, "on the title", options.seconds)
        for _ in range(2):  # the menu, then the board
            frames = browser.evaluate("window.noughtsFrames.count")
            browser.press(" ", "Space", 32)
            browser.await_true(f"window.noughtsFrames.count > {frames}")
        idle(browser, "on the empty board", options.seconds)
    finally:
        browser.close()
        server.shutdown()
    if options.no_engines:
        return
    for engine in ENGINES:
        firsts = [first_frame_through_launcher(site.resolve(), engine) for _ in range(options.loads)]
        print(f"{engine}: first frame after opening the page (ms, {options.loads} fresh browsers): "
              f"median {statistics.median(firsts):.0f}, range {min(firsts):.0f} to {max(firsts):.0f}")


if __name__ == "__main__":
    main()
