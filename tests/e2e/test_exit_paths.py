"""Left Alt + F4 and the window's close button end the game at once with
status 0, from the title card."""

import time

import harness


def alt_f4(args, display):
    game = harness.Game(args, display)
    try:
        game.wait_line("WHERE : MAIN-MENU")
        wid = game.window_id()
        game.focus(wid)
        time.sleep(0.3)
        game.key("alt+F4")
        assert game.wait_exit(15) == 0
        assert "WHERE : END" not in game.lines, "left through the menu, not the quit keys"
    finally:
        game.cleanup()


def close_button(args, display):
    game = harness.Game(args, display)
    try:
        game.wait_line("WHERE : MAIN-MENU")
        wid = game.window_id()
        game.helper("close", wid).wait(10)
        assert game.wait_exit(15) == 0
    finally:
        game.cleanup()


def escape(args, display):
    game = harness.Game(args, display)
    try:
        game.wait_line("WHERE : MAIN-MENU")
        wid = game.window_id()
        game.focus(wid)
        time.sleep(0.3)
        game.key("Escape")
        game.wait_line("WHERE : END", 15)
        assert game.wait_exit(15) == 0
    finally:
        game.cleanup()


if __name__ == "__main__":
    harness.run([("Alt+F4", alt_f4), ("close button", close_button), ("Escape", escape)])
