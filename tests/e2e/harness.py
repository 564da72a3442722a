"""Shared machinery of the end-to-end tests: a private Xvfb display, a fresh
HOME, the real game started from its game folder, its output collected line
by line, and the X tools to act on its window."""

import argparse
import os
import queue
import shutil
import subprocess
import sys
import tempfile
import threading
import time


def parse_args():
    ap = argparse.ArgumentParser()
    ap.add_argument("--game-dir", required=True)
    ap.add_argument("--tools-dir", required=True)
    return ap.parse_args()


class Display:
    """An Xvfb server on a free display number."""

    def __init__(self, width=1024, height=768):
        read_fd, write_fd = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        number = b""
        with os.fdopen(read_fd, "rb") as f:
            while not number.endswith(b"\n"):
                chunk = f.read(1)
                if not chunk:
                    break
                number += chunk
        if not number.strip():
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number.decode().strip()

    def close(self):
        self.proc.terminate()
        try:
            self.proc.wait(5)
        except subprocess.TimeoutExpired:
            self.proc.kill()


class Game:
    """The real program with a fresh HOME on a display."""

    def __init__(self, args, display, extra_env=None, home=None):
        self.args = args
        self.home = home or tempfile.mkdtemp(prefix="fieldstack-home-")
        env = dict(os.environ)
        env.update({
            "DISPLAY": display.name,
            "HOME": self.home,
            "LIBGL_ALWAYS_SOFTWARE": "1",
            "ALSOFT_DRIVERS": "null",
            "SDL_AUDIODRIVER": "dummy",
        })
        env.pop("FIELDSTACK_SCRIPT", None)
        env.pop("FIELDSTACK_VIRTUAL_CLOCK", None)
        if extra_env:
            env.update(extra_env)
        self.env = env
        self.display = display
        self.lines = []
        self.err_lines = []
        self._queue = queue.Queue()
        self.started = time.monotonic()
        self.proc = subprocess.Popen(
            ["./fieldstack"], cwd=args.game_dir, env=env,
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, errors="replace")
        threading.Thread(target=self._pump, args=(self.proc.stdout, self.lines, True),
                         daemon=True).start()
        threading.Thread(target=self._pump, args=(self.proc.stderr, self.err_lines, False),
                         daemon=True).start()

    def _pump(self, stream, store, to_queue):
        for line in stream:
            line = line.rstrip("\n")
            store.append(line)
            if to_queue:
                self._queue.put((time.monotonic(), line))

    def wait_line(self, text, timeout=30.0):
        """Waits for a standard-output line equal to (or starting with) text;
        returns the seconds since start when it came."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            try:
                when, line = self._queue.get(timeout=0.1)
            except queue.Empty:
                if self.proc.poll() is not None and self._queue.empty():
                    break
                continue
            if line == text or line.startswith(text):
                return when - self.started
        raise AssertionError(f"no line {text!r} within {timeout}s; output so far:\n"
                             + "\n".join(self.lines) + "\nstderr:\n" + "\n".join(self.err_lines))

    def wait_exit(self, timeout=30.0):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            raise AssertionError("the game did not end; output:\n" + "\n".join(self.lines))

    def x(self, *cmd, check=True):
        return subprocess.run(list(cmd), env=self.env, check=check, capture_output=True, text=True)

    def window_id(self, timeout=15.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            r = self.x("xdotool", "search", "--name", "^Fieldstack$", check=False)
            ids = r.stdout.split()
            if ids:
                return ids[0]
            time.sleep(0.1)
        raise AssertionError("no Fieldstack window appeared")

    def focus(self, wid):
        self.x("xdotool", "windowfocus", "--sync", wid, check=False)

    def key(self, keys):
        self.x("xdotool", "key", "--delay", "50", keys)

    def screenshot(self, path):
        self.x("/usr/bin/import", "-display", self.display.name, "-window", "root", path)
        return path

    def helper(self, *args):
        return subprocess.Popen([os.path.join(self.args.tools_dir, "x11_helper"), *args],
                                env=self.env, stdout=subprocess.PIPE, text=True)

    def cleanup(self):
        if self.proc.poll() is None:
            self.proc.kill()
        shutil.rmtree(self.home, ignore_errors=True)


def picture_stats(path):
    """Mean brightness (0..255) and the number of distinct colours of a PNG."""
    from PIL import Image, ImageStat
    img = Image.open(path).convert("RGB")
    stat = ImageStat.Stat(img.convert("L"))
    colours = img.getcolors(maxcolors=1 << 20)
    return stat.mean[0], (len(colours) if colours else 1 << 20)


def run(tests):
    """Runs test functions (name, function(args, display)) and reports."""
    args = parse_args()
    failed = 0
    for name, fn in tests:
        display = Display()
        try:
            fn(args, display)
            print(f"PASS {name}")
        except Exception as e:  # noqa: BLE001 - report every failure and go on
            failed += 1
            print(f"FAIL {name}: {e}")
        finally:
            display.close()
    sys.exit(1 if failed else 0)
