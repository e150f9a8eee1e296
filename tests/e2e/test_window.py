"""End-to-end tests of the real Zerowik window.

The program runs as a user has it: typed into and clicked with real X input
events (xdotool), its texts read back through the accessibility interface
(AT-SPI) as a screen reader reads them, and its chart read from screenshots.
"""

import os
import signal
import subprocess
import time
import unittest

import pyatspi

PROGRAM = os.environ["ZEROWIK"]
TITLE = "Funkcja  kwadratowa"
PIXELS_PER_MM = 96 / 25.4

# Places of the result lines in the client area, in pixels at 96 DPI.
RESULT_LINES = {"LblDelta": (16, 176), "LblX1": (16, 208), "LblX2": (16, 240)}
BANNER = (16, 40)

RED, BLUE, BLACK = (255, 0, 0), (0, 0, 255), (0, 0, 0)

BANNER_TEXT = "     Program wyznacza miejsca zerowe funkcji kwadratowej     "


def wait_for(condition, what, seconds=30.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def click(accessible):
    x, y, width, height = extents(accessible)
    xdotool("mousemove", x + width // 2, y + height // 2, "click", "1")


def descendants(root):
    for i in range(root.childCount):
        child = root.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find_all(root, role, name=None):
    return [
        accessible
        for accessible in descendants(root)
        if accessible.getRoleName() == role and (name is None or accessible.name == name)
    ]


def find(root, role, name=None):
    found = find_all(root, role, name)
    if len(found) != 1:
        raise AssertionError(f"{len(found)} {role} named {name!r}")
    return found[0]


def screenshot():
    """The whole screen as (width, height, rgb bytes)."""
    ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], check=True,
                         capture_output=True).stdout
    fields = ppm.split(maxsplit=4)
    width, height = int(fields[1]), int(fields[2])
    return width, height, fields[4]


class Picture:
    def __init__(self, origin):
        self.origin = origin
        self.width, self.height, self.pixels = screenshot()

    def at(self, x, y):
        offset = 3 * (y * self.width + x)
        return tuple(self.pixels[offset:offset + 3])

    def near_mm(self, x_mm, y_mm, colour):
        """Whether the colour is within a pixel of a chart point in millimetres."""
        x = self.origin[0] + int(x_mm * PIXELS_PER_MM)
        y = self.origin[1] + int(y_mm * PIXELS_PER_MM)
        return any(self.at(x + dx, y + dy) == colour
                   for dx in (-1, 0, 1) for dy in (-1, 0, 1))

    def count_in_chart(self, colour):
        left, top = self.origin[0] + int(68 * PIXELS_PER_MM), self.origin[1] + int(25 * PIXELS_PER_MM)
        right, bottom = self.origin[0] + int(152 * PIXELS_PER_MM), self.origin[1] + int(108 * PIXELS_PER_MM)
        return sum(self.at(x, y) == colour for y in range(top, bottom) for x in range(left, right))


class Zerowik:
    """One run of the program, found on the accessibility bus."""

    def __init__(self):
        self.process = subprocess.Popen([PROGRAM])
        self.frame = wait_for(self._frame, "the window on the accessibility bus")
        # The client area is the frame's own filler; the chart's sheet is another, inside it.
        self.client = next(child for child in self.frame if child.getRoleName() == "filler")
        # Managed: the window manager lists it among its clients; only then
        # can it be asked anything about the window.
        wait_for(self._managed, "the window in the window manager's client list")
        # Placed by the window manager, and known there to the program: the
        # positions it reports are then those of the screen.
        wait_for(self._placed, "the window placed where the program says it is")

    @staticmethod
    def _managed():
        clients = subprocess.run(["wmctrl", "-l"], capture_output=True, text=True)
        return clients.returncode == 0 and any(line.endswith(" " + TITLE)
                                               for line in clients.stdout.splitlines())

    def _placed(self):
        info = subprocess.run(["xwininfo", "-name", TITLE], capture_output=True, text=True)
        if info.returncode != 0 or "IsViewable" not in info.stdout:
            return False
        absolute = dict(line.strip().split(":  ", 1) for line in info.stdout.splitlines()
                        if line.strip().startswith("Absolute upper-left"))
        return extents(self.frame)[:2] == (int(absolute["Absolute upper-left X"]),
                                           int(absolute["Absolute upper-left Y"]))

    def _frame(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for application in desktop:
            if application is None or application.name != "Zerowik":
                continue
            if application.get_process_id() != self.process.pid:
                continue
            frames = [child for child in application if child and child.name == TITLE]
            if frames:
                return frames[0]
        return None

    @property
    def origin(self):
        return extents(self.client)[:2]

    def label_at(self, place):
        x, y = self.origin[0] + place[0], self.origin[1] + place[1]
        for label in find_all(self.client, "label"):
            if extents(label)[:2] == (x, y):
                return label
        raise AssertionError(f"no label at {place}")

    def line(self, name):
        return self.label_at(RESULT_LINES[name]).name

    def banner(self):
        """The banner line's pixels: its name is always the whole sentence,
        so what it shows is read from the screen."""
        x, y = self.origin[0] + BANNER[0], self.origin[1] + BANNER[1]
        picture = Picture(self.origin)
        return tuple(picture.at(x + dx, y + dy) for dy in range(2, 23) for dx in range(2, 559))

    def box(self, caption):
        return find(self.client, "text", caption)

    def type_into(self, caption, text):
        box = self.box(caption)
        click(box)
        wait_for(lambda: box.getState().contains(pyatspi.STATE_FOCUSED), f"the focus in {caption!r}")
        xdotool("key", "ctrl+a", "BackSpace")
        if text:
            xdotool("type", "--delay", "10", "--", text)
        wait_for(lambda: box.queryText().getText(0, -1) == text, f"{text!r} in {caption!r}")

    def enter(self, a, b, c):
        self.type_into("Podaj parametr a", a)
        self.type_into("Podaj parametr b", b)
        self.type_into("Podaj parametr c ", c)

    def button(self, name):
        buttons = [button for button in find_all(self.client, "push button", name)
                   if button.parent.getRoleName() != "tool bar"]
        assert len(buttons) == 1, name
        return buttons[0]

    def toolbar_button(self, name):
        return find(find(self.client, "tool bar"), "push button", name)

    def pick_menu(self, menu, item):
        title = find(find(self.frame, "menu bar"), "menu item", menu)
        click(title)
        entry = find(title, "menu item", item)
        wait_for(lambda: extents(entry)[2] > 0 and entry.getState().contains(pyatspi.STATE_SHOWING),
                 f"the menu item {item}")
        click(entry)

    def dialog(self, title):
        def find_dialog():
            for application in pyatspi.Registry.getDesktop(0):
                if application is None or application.get_process_id() != self.process.pid:
                    continue
                for child in application:
                    if child and child.name == title and child.getRoleName() in ("dialog", "alert"):
                        return child
            return None
        return wait_for(find_dialog, f"the message box {title!r}")

    def picture(self):
        return Picture(self.origin)

    def ended(self, seconds=5.0):
        try:
            return self.process.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            self.process.wait(timeout=5)


class WindowTest(unittest.TestCase):
    def setUp(self):
        self.program = Zerowik()

    def tearDown(self):
        self.program.stop()

    def test_start_up(self):
        p = self.program
        name = subprocess.run(["xdotool", "search", "--name", TITLE, "getwindowname"],
                              capture_output=True, text=True, check=True).stdout.strip()
        self.assertEqual(name, TITLE)
        for caption in ("Podaj parametr a", "Podaj parametr b", "Podaj parametr c "):
            self.assertEqual(p.box(caption).queryText().getText(0, -1), "")
        for line in RESULT_LINES:
            self.assertEqual(p.line(line), "")
        frame = ((90, 65), (110, 45), (74, 100), (130, 29), (130, 101))
        wait_for(lambda: all(p.picture().near_mm(x, y, BLACK) for x, y in frame), "the chart frame")
        # The banner scrolls under a name that stays its whole sentence.
        self.assertEqual(p.label_at(BANNER).name, BANNER_TEXT.strip())
        shown = p.banner()
        wait_for(lambda: p.banner() != shown, "the banner to move")
        self.assertEqual(p.label_at(BANNER).name, BANNER_TEXT.strip())

    def test_screen_reader_names(self):
        p = self.program
        for caption in ("Podaj parametr a", "Podaj parametr b", "Podaj parametr c "):
            self.assertTrue(p.box(caption))
        for name in ("Oblicz", "Nowa funkcja", "Koniec", "Pokaż na wykresie", "Wyczyść wykres"):
            self.assertTrue(p.button(name))
        for name in ("Oblicz", "Nowa funkcja", "Pokaż miejsca zerowe na wykresie",
                     "Zakończ program", "Wyczyść wykres"):
            self.assertTrue(p.toolbar_button(name))

    def test_calculate_from_the_button(self):
        p = self.program
        # The middle button pastes the selection (here -3), not the clipboard (1).
        p.type_into("Podaj parametr a", "1")
        xdotool("key", "ctrl+a", "ctrl+c")
        p.type_into("Podaj parametr b", "-3")
        xdotool("key", "ctrl+a")
        box_c = p.box("Podaj parametr c ")
        x, y, width, height = extents(box_c)
        xdotool("mousemove", x + width // 2, y + height // 2, "click", "2")
        wait_for(lambda: box_c.queryText().getText(0, -1) == "-3", "-3 pasted into the box of c")
        p.type_into("Podaj parametr c ", "2")
        click(p.button("Oblicz"))
        wait_for(lambda: p.line("LblDelta"), "the result lines")
        self.assertEqual(p.line("LblDelta"), "Delta wynosi  1")
        self.assertEqual(p.line("LblX1"), "X1 =  1")
        self.assertEqual(p.line("LblX2"), "X2 =  2")
        # Ctrl+R opens the worked solution, whose text a screen reader reads.
        xdotool("key", "ctrl+r")
        dialog = p.dialog("Rozwiązanie krok po kroku")
        text = find(dialog, "text", "Rozwiązanie krok po kroku")
        # As it is heard: no-break spaces are spaces, word joiners nothing.
        lines = text.queryText().getText(0, -1).replace("\u00a0", " ").replace("\u2060", "").split("\n")
        self.assertEqual(lines[0], "f(x) = x² − 3x + 2")
        self.assertIn("x₂ = (−b + √Δ)/(2a) = (3 + 1)/2 = 2", lines)
        # Its chart says in words what it shows: the text's last line.
        charts = [a for a in descendants(dialog) if a.name == "Wykres funkcji"]
        self.assertEqual(len(charts), 1)
        self.assertEqual(charts[0].getRoleName(), "image")
        self.assertEqual("Opis wykresu: " + charts[0].description, lines[-1])

    def test_decimal_comma_and_exact_delta_from_the_menu(self):
        p = self.program
        p.enter("1", "1,4", "0.49")
        p.pick_menu("Plik", "Oblicz")
        wait_for(lambda: p.line("LblX2"), "the result lines")
        self.assertEqual(p.line("LblDelta"), "Delta wynosi  0")
        self.assertEqual(p.line("LblX1"), "Funkcja posiada jedno miejsce zerowe")
        self.assertEqual(p.line("LblX2"), "Xo = -0.7")

    def test_show_from_the_menu_and_clear_from_the_toolbar(self):
        p = self.program
        p.enter("1", "0", "-4")
        click(p.toolbar_button("Oblicz"))
        p.pick_menu("Wykres", "Pokaż na wykresie")
        picture = wait_for(lambda: (lambda shot: shot.near_mm(118, 65, BLUE) and shot)(p.picture()),
                           "the zeros on the chart")
        self.assertTrue(picture.near_mm(102, 65, BLUE))
        self.assertTrue(picture.near_mm(110, 65 + 16, RED))  # the vertex (0, -4)
        self.assertGreater(picture.count_in_chart(RED), 500)

        click(p.toolbar_button("Wyczyść wykres"))
        picture = wait_for(lambda: (lambda shot: not shot.near_mm(118, 65, BLUE) and shot)(p.picture()),
                           "the chart cleared")
        self.assertEqual(picture.count_in_chart(RED), 0)
        self.assertEqual(picture.count_in_chart(BLUE), 0)
        self.assertTrue(picture.near_mm(90, 65, BLACK))
        self.assertTrue(picture.near_mm(130, 30, BLACK))

    def test_missing_a_is_answered_with_a_message(self):
        p = self.program
        p.enter("", "1", "1")
        click(p.button("Oblicz"))
        box = p.dialog("Zerowik")
        self.assertTrue(find_all(box, "label", "Podaj parametr a funkcji"))
        click(find(box, "push button", "OK"))
        wait_for(lambda: p.box("Podaj parametr a").getState().contains(pyatspi.STATE_FOCUSED),
                 "the focus in the box of a")
        self.assertEqual(p.line("LblDelta"), "")

    def test_exit_answered_no_then_yes(self):
        p = self.program
        click(p.button("Koniec"))
        box = p.dialog("Koniec programu")
        self.assertTrue(find_all(box, "label", "Czy napewno chcesz zakończyć program ?"))
        click(find(box, "push button", "Nie"))
        self.assertIsNone(p.ended(seconds=1))
        before = p.banner()
        wait_for(lambda: p.banner() != before, "the banner to go on")

        click(p.toolbar_button("Zakończ program"))
        p.dialog("Koniec programu")
        xdotool("key", "Return")  # Yes is the default
        self.assertEqual(p.ended(), 0)

    def test_close_request_ends_without_a_question(self):
        p = self.program
        subprocess.run(["wmctrl", "-c", TITLE], check=True)
        self.assertEqual(p.ended(), 0)


if __name__ == "__main__":
    unittest.main()
