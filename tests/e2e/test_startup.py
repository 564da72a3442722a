"""The real program starts with a fresh HOME: it creates the per-user folders,
writes the default settings, shows the loading screen and the title card, and
ends with status 0 on Escape. Driven by the virtual clock and an input script,
so the frames are the same on every run."""

import os
import shutil
import tempfile

import harness

EXPECTED_SETTINGS = (b"settings {\n\tfullScreen = 1\n\tmusicVolume = 0.300000012\n"
                     b"\tsoundVolume = 0.400000006\n\tcommentVolume = 1\n\tmute = 0\n}\n\n")


def scripted_run(args, display):
    shots = tempfile.mkdtemp(prefix="fieldstack-shots-")
    script = os.path.join(shots, "script.txt")
    with open(script, "w") as f:
        f.write("# loading screen, then the title card, then leave\n"
                "2 shot loading.png\n"
                "60 shot menu.png\n"
                "70 key ESCAPE\n")
    game = harness.Game(args, display, extra_env={
        "FIELDSTACK_VIRTUAL_CLOCK": "1",
        "FIELDSTACK_SEED": "7",
        "FIELDSTACK_SCRIPT": script,
        "FIELDSTACK_SCREENSHOT_DIR": shots,
    })
    try:
        game.wait_line("myDocsFolder : " + game.home + "/.Fieldstack")
        game.wait_line("WHERE : MAIN-MENU")
        game.wait_line("WHERE : END")
        assert game.wait_exit() == 0, "status not 0"
        folder = os.path.join(game.home, ".Fieldstack")
        assert os.path.isdir(os.path.join(folder, "Data")), "no Data folder"
        assert os.path.isdir(os.path.join(folder, "Profiles")), "no Profiles folder"
        with open(os.path.join(folder, "Data", "settings.dat"), "rb") as f:
            assert f.read() == EXPECTED_SETTINGS, "settings file differs from the defaults"
        for name in ("loading.png", "menu.png"):
            mean, colours = harness.picture_stats(os.path.join(shots, name))
            assert mean > 10 and colours > 50, f"{name} looks blank (mean {mean}, {colours} colours)"
        assert not [l for l in game.err_lines if "Couldn't load image file" in l], \
            "start-up content missing: " + "\n".join(game.err_lines)
    finally:
        game.cleanup()
        shutil.rmtree(shots, ignore_errors=True)


def no_window(args, display):
    """No window can be opened: a notification and a non-zero status, and no
    profile or settings written by the way out."""
    game = harness.Game(args, display, extra_env={"FIELDSTACK_NO_WINDOW_FOR_TESTS": "1"})
    try:
        status = game.wait_exit()
        assert status != 0, "status 0 without a window"
        assert any("could not open a window" in l for l in game.err_lines), game.err_lines
        assert not any(l.startswith("WHERE : ") for l in game.lines)
    finally:
        game.cleanup()


if __name__ == "__main__":
    harness.run([("scripted start-up", scripted_run), ("no window", no_window)])
