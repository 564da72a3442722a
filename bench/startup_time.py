"""Start-up time of the real game: milliseconds from exec to the line
"WHERE : MAIN-MENU", median of several runs, each with a fresh HOME, on a
private Xvfb display with Mesa's software renderer.

    /usr/bin/python3 bench/startup_time.py --game-dir build/game [--runs 5]
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
import harness  # noqa: E402


def one_run(game_dir, display):
    home = tempfile.mkdtemp(prefix="fieldstack-bench-home-")
    env = dict(os.environ, DISPLAY=display.name, HOME=home, LIBGL_ALWAYS_SOFTWARE="1",
               ALSOFT_DRIVERS="null")
    start = time.monotonic()
    proc = subprocess.Popen(["./fieldstack"], cwd=game_dir, env=env, stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, text=True)
    elapsed = None
    for line in proc.stdout:
        if line.strip() == "WHERE : MAIN-MENU":
            elapsed = (time.monotonic() - start) * 1000.0
            break
    proc.kill()
    proc.wait()
    shutil.rmtree(home, ignore_errors=True)
    return elapsed


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--game-dir", required=True)
    ap.add_argument("--runs", type=int, default=5)
    args = ap.parse_args()
    display = harness.Display()
    try:
        times = [one_run(args.game_dir, display) for _ in range(args.runs)]
    finally:
        display.close()
    print("runs (ms):", ", ".join(f"{t:.0f}" for t in times))
    print(f"median: {statistics.median(times):.0f} ms")


if __name__ == "__main__":
    main()
