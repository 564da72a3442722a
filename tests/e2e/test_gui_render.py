"""A fixture GUI file with a widget of several kinds (themed window, image
button, text, text button, frame animation) drawn through the real renderer
under Xvfb: the picture shows each widget where the file puts it, in its
colours."""

import os
import shutil
import subprocess
import tempfile

import harness


def fixture(game):
    g = os.path.abspath(game)
    return f"""FONT big {{
    SIZE = 30
    URL = {g}/gfx/fonts/bluehigh.ttf
}}
THEME STANDARD {{
    URL = {g}/gfx/gui/window/temat1.txt
}}
WINDOW panel {{
    POSITION = "40 40 400 300"
    THEME = STANDARD
}}
BUTTON card {{
    TYP = SIMPLE_BUTTON
    POSITION = "700 200"
    GFX = {g}/gfx/cards/card-revers-1.png
}}
TEXT title {{
    POSITION = "60 400"
    TXT = "HELLO"
    FONT = big
    RGB = "255 0 0"
}}
BUTTON go {{
    TYP = TEXT_BUTTON
    POSITION = "700 500"
    TXT = "PLAY"
    FONT = big
    RGB = "0 255 0"
    OUTLINE = NONE
}}
ANIM ball {{
    POSITION = "850 600"
    SCHEMAT = "[NORMAL 1] 0"
    GFX = {g}/gfx/gui/mainGame/pilka.png
}}
"""


def region(img, x0, y0, x1, y1):
    return [img.getpixel((x, y)) for y in range(y0, y1) for x in range(x0, x1)]


def render_fixture(args, display):
    from PIL import Image
    work = tempfile.mkdtemp(prefix="fieldstack-gui-render-")
    try:
        gui = os.path.join(work, "fixture.gui")
        with open(gui, "w") as f:
            f.write(fixture(args.game_dir))
        out = os.path.join(work, "out.png")
        env = dict(os.environ, DISPLAY=display.name, LIBGL_ALWAYS_SOFTWARE="1",
                   FIELDSTACK_VIRTUAL_CLOCK="1")
        r = subprocess.run([os.path.join(args.tools_dir, "gui_render_check"), gui, out, "10"],
                           env=env, capture_output=True, text=True, timeout=60)
        assert r.returncode == 0, r.stderr
        assert "BLAD" not in r.stderr, "the fixture reported problems:\n" + r.stderr
        img = Image.open(out).convert("RGB")
        assert img.size == (1024, 768), img.size

        assert img.getpixel((1000, 20)) == (0, 0, 0), "background not cleared"
        glass = img.getpixel((240, 190))
        assert glass[2] > glass[0] and glass[2] >= 20, f"window glass {glass}"
        back = region(img, 680, 170, 720, 230)
        assert sum(p[2] for p in back) > sum(p[0] for p in back) * 1.5, "card back not blue"
        assert any(p[0] > 150 and p[1] < 80 and p[2] < 80 for p in region(img, 60, 400, 200, 440)), \
            "red text missing"
        assert any(p[1] > 150 and p[0] < 100 for p in region(img, 630, 475, 770, 525)), \
            "green text button missing"
        # A frame animation keeps the pen's colour, which the text button
        # before it in the file left green.
        ball = region(img, 850, 600, 898, 648)
        assert any(p[1] > 200 for p in ball), "ball animation missing"
        assert not any(p[0] > 200 for p in ball), "ball animation not drawn in the pen's colour"
        assert img.getpixel((600, 700)) == (0, 0, 0), "something drawn where nothing should be"
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    harness.run([("fixture GUI file renders", render_fixture)])
