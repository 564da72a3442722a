"""A second window taking the focus shows the pause picture (the last picture
dimmed, with the pause text); giving the focus back resumes the screen."""

import os
import shutil
import tempfile
import time

import harness


def pause_and_resume(args, display):
    game = harness.Game(args, display)
    shots = tempfile.mkdtemp(prefix="fieldstack-pause-")
    try:
        game.wait_line("WHERE : MAIN-MENU")
        wid = game.window_id()
        game.focus(wid)
        time.sleep(1.0)  # the title card has faded in
        before = game.screenshot(os.path.join(shots, "before.png"))
        thief = game.helper("steal-focus", "2.5")
        assert thief.stdout.readline().strip() == "focus-taken"
        time.sleep(1.0)
        during = game.screenshot(os.path.join(shots, "during.png"))
        assert thief.stdout.readline().strip() == "focus-returned"
        thief.wait(5)
        game.focus(wid)
        time.sleep(0.5)
        after = game.screenshot(os.path.join(shots, "after.png"))

        mean_before, _ = harness.picture_stats(before)
        mean_during, _ = harness.picture_stats(during)
        mean_after, _ = harness.picture_stats(after)
        assert mean_during < mean_before * 0.8, \
            f"not dimmed while paused ({mean_during:.1f} vs {mean_before:.1f})"
        assert abs(mean_after - mean_before) < 3, \
            f"picture not back after the pause ({mean_after:.1f} vs {mean_before:.1f})"

        game.key("Escape")  # the screen runs again and takes keys
        game.wait_line("WHERE : END", 15)
        assert game.wait_exit(15) == 0
    finally:
        game.cleanup()
        shutil.rmtree(shots, ignore_errors=True)


if __name__ == "__main__":
    harness.run([("pause on focus loss", pause_and_resume)])
