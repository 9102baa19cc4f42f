#!/usr/bin/python3
"""End-to-end tests of the built program on a real X server.

The program is driven with real input events (xdotool, through the XTEST extension) and
checked from what it shows: the accessibility tree that a screen reader reads (names,
places, states, the picture box's text) and screenshots of the screen (the bars).

Run it under Xvfb and a D-Bus session, as tests/e2e/run does. The first argument is the
program; the second, optional, a folder for the screenshots.
"""

import array
import math
import os
import shutil
import re
import subprocess
import sys
import tempfile
import threading
import time
import unittest

import pyatspi
from gi.repository import GLib

from memory_cgroup import MemoryCgroup

PROGRAM = None
SHOTS = None

# Every control: accessible role, name, and place in pixels (twips / 15). Check boxes and
# option buttons report the part they draw, which starts at their place and is no wider.
CONTROLS = [
    ("text", "Number of items:", (120, 56, 97, 19)),
    ("label", "Number of items:", (24, 56, 97, 17)),
    ("label", "Sorting Method:    (choose one)", (24, 96, 81, 33)),
    ("list", "Sorting Method", (120, 88, 97, 56)),
    ("push button", "Begin Sorting", (128, 16, 81, 25)),
    ("label", "Output", (232, 16, 505, 313)),
    ("panel", "Use Animation", (24, 280, 193, 81)),
    ("label", "Animation Delay:", (40, 304, 89, 17)),
    ("text", "Animation Delay:", (128, 304, 49, 19)),
    ("radio button", "Color", (40, 328, 57, 17)),
    ("radio button", "B/W", (144, 328, 57, 17)),
    ("radio button", "Measure Time Used", (0, 200, 25, 17)),
    ("radio button", "Verify Correctness", (0, 240, 25, 17)),
    ("radio button", "Use Animation", (0, 280, 25, 17)),
    ("panel", "Measure Time Used", (24, 200, 193, 25)),
    ("panel", "Verify Correctness", (24, 240, 193, 25)),
    ("label", "-or-", (104, 328, 25, 17)),
    ("check box", "Fix Random Seed", (24, 168, 113, 17)),
    ("text", "Random seed", (144, 168, 73, 19)),
]
INTERIOR = (232 + 2, 16 + 2, 505 - 4, 313 - 4)  # Picture1 inside its border


def xdotool(*arguments):
    subprocess.run(["xdotool", *map(str, arguments)], check=True)


class Screen:
    """A screenshot, read pixel by pixel."""

    def __init__(self, name=None):
        ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", ppm)
        self.width = int(header.group(1))
        self.pixels = ppm[header.end():]
        if name and SHOTS:
            subprocess.run(["convert", "ppm:-", "-crop", "751x376+0+0", os.path.join(SHOTS, name + ".png")],
                           input=ppm, check=True)

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])


class Program:
    def __init__(self, command=None, title="Form1", name=None, environment=None):
        """Starts the program, or `command`, which starts it, and waits for its window; `name`
        is the program's, where the command does not end with it."""
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **(environment or {}))
        env.pop("QT_QPA_PLATFORM", None)
        command = command or [PROGRAM]
        self.name = name or os.path.basename(command[-1])  # the program, last in any wrapping command
        self.process = subprocess.Popen(command, env=env)
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{title}$"], check=True,
                       capture_output=True, timeout=20)
        self.app = self._find_application()

    def _find_application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for _ in range(100):
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == self.name and app.childCount:
                    return app
            time.sleep(0.1)
        raise RuntimeError("the program did not appear to assistive technology")

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=10)

    # The accessible objects of the window, by role and name.
    def nodes(self):
        found = []

        def walk(node):
            found.append(node)
            for i in range(node.childCount):
                walk(node.getChildAtIndex(i))

        walk(self.app)
        return found

    def find(self, role, name):
        for node in self.nodes():
            if node.getRoleName() == role and node.name == name:
                return node
        raise LookupError(f"no {role} named {name!r}")

    def window(self):
        return self.find("filler", "Form1")

    @staticmethod
    def extents(node):
        e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return (e.x, e.y, e.width, e.height)

    @staticmethod
    def enabled(node):
        return node.getState().contains(pyatspi.STATE_SENSITIVE)

    @staticmethod
    def checked(node):
        return node.getState().contains(pyatspi.STATE_CHECKED)

    def click(self, node, dx=None, dy=6):
        x, y, w, h = self.extents(node)
        xdotool("mousemove", x + (w // 2 if dx is None else dx), y + min(dy, h - 1), "click", "1")
        time.sleep(0.15)

    def type_into(self, role, name, text):
        field = self.find(role, name)
        self.click(field)
        xdotool("key", "ctrl+a")
        xdotool("type", "--delay", "5", text)

    def choose_method(self, method):
        self.click(self.find("list item", method))

    def choose_mode(self, frame_caption):
        self.click(self.find("radio button", frame_caption), dx=6, dy=8)

    def picture_text(self):
        # The picture box reads out its printed lines as its name, or "Output" when it has none.
        for node in self.nodes():
            if node.getRoleName() == "label" and self.extents(node) == (232, 16, 505, 313):
                return node.name
        raise LookupError("no picture box")

    def begin_sorting(self):
        self.click(self.find("push button", "Begin Sorting"))

    def wait_for_text(self, pattern, timeout=60):
        deadline = time.time() + timeout
        text = None
        while time.time() < deadline:
            try:
                text = self.picture_text()
                if re.fullmatch(pattern, text):
                    return text
            except Exception:
                pass  # the program is busy with a run
            time.sleep(0.2)
        raise AssertionError(f"the picture box never showed {pattern!r}; last {text!r}")

    def dialog(self, timeout=10):
        deadline = time.time() + timeout
        while time.time() < deadline:
            for node in self.nodes():
                if node.getRoleName() in ("alert", "dialog"):
                    return node
            time.sleep(0.2)
        raise AssertionError("no message box appeared")


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.program = Program()

    def tearDown(self):
        self.program.close()

    def test_layout_of_the_nineteen_controls(self):
        p = self.program
        self.assertEqual(p.extents(p.window())[2:], (751, 376))
        for role, name, (x, y, w, h) in CONTROLS:
            with self.subTest(control=name, role=role):
                node = p.find(role, name)
                ex, ey, ew, eh = p.extents(node)
                if role in ("check box", "radio button"):
                    self.assertEqual((ex, ey), (x, y))
                    self.assertLessEqual(ew, w)
                    self.assertLessEqual(eh, h)
                else:
                    self.assertEqual((ex, ey, ew, eh), (x, y, w, h))
        Screen("start")

    def test_begin_sorting_without_a_method(self):
        p = self.program
        p.begin_sorting()
        p.wait_for_text(r"You must select a sort method\.")
        screen = Screen("no-method")
        ink = [screen.at(x, y) for x in range(INTERIOR[0], INTERIOR[0] + 150)
               for y in range(INTERIOR[1], INTERIOR[1] + 14)]
        self.assertTrue(any(sum(c) < 200 for c in ink), "the message is drawn on the screen")

    def test_measure_run_of_each_sort(self):
        p = self.program
        p.type_into("text", "Number of items:", "3000")
        for method in ("Selection", "Insertion", "Bubble", "Merge"):
            with self.subTest(method=method):
                p.choose_method(method)
                p.begin_sorting()
                p.wait_for_text(r"time used was \d+\.\d\d seconds\.")

    def test_progress_is_painted_while_a_long_sort_runs(self):
        p = self.program
        p.type_into("text", "Number of items:", "150000")  # about two seconds here
        p.choose_method("Bubble")
        p.begin_sorting()
        time.sleep(0.5)
        screen = Screen("measure-in-progress")

        def inked(x_from, x_to):
            return any(sum(screen.at(x, y)) < 200 for x in range(INTERIOR[0] + x_from, INTERIOR[0] + x_to)
                       for y in range(INTERIOR[1], INTERIOR[1] + 14))

        # "(sort in progress)" ends before the place where the longer time line goes on.
        self.assertTrue(inked(0, 90), "(sort in progress) is on the screen")
        self.assertFalse(inked(105, 160), "only (sort in progress), not yet the time line")
        p.wait_for_text(r"time used was \d+\.\d\d seconds\.")
        Screen("measure")

    def test_verify_run_reports_sorted(self):
        p = self.program
        p.choose_mode("Verify Correctness")
        p.type_into("text", "Number of items:", "2000")
        for method in ("Selection", "Merge"):
            p.choose_method(method)
            p.begin_sorting()
            p.wait_for_text(r"The array is sorted")
        Screen("verify")

    def animate_bubble(self, colour):
        p = self.program
        p.choose_mode("Use Animation")
        p.type_into("text", "Number of items:", "100")
        p.type_into("text", "Animation Delay:", "20")
        if not colour:
            p.click(p.find("radio button", "B/W"), dx=6, dy=8)
        p.choose_method("Bubble")
        p.begin_sorting()
        p.wait_for_text("Output")
        time.sleep(0.3)
        return Screen("animate" if colour else "animate-bw")

    def bars(self, screen):
        """Each drawn column of the interior: (x, height, colour at its foot)."""
        x0, y0, w, h = INTERIOR
        found = []
        for x in range(x0, x0 + w):
            column = [screen.at(x, y) for y in range(y0, y0 + h)]
            inked = [i for i, c in enumerate(column) if c != (255, 255, 255)]
            if inked:
                found.append((x, len(inked), column[inked[-1]]))
        return found

    def test_animated_bubble_sort_ends_with_rising_colour_bars(self):
        bars = self.bars(self.animate_bubble(colour=True))
        self.assertGreaterEqual(len(bars), 380)  # 100 bars of 4 columns, the first may be one row high
        heights = [height for _, height, _ in bars]
        self.assertEqual(heights, sorted(heights))
        first, last = bars[0][2], bars[-1][2]
        self.assertGreater(first[2], 200)
        self.assertLess(first[0], 30)
        self.assertGreater(last[0], 200)
        self.assertLess(last[2], 30)

    def test_animated_bubble_sort_in_black_and_white(self):
        bars = self.bars(self.animate_bubble(colour=False))
        self.assertGreaterEqual(len(bars), 380)
        heights = [height for _, height, _ in bars]
        self.assertEqual(heights, sorted(heights))
        self.assertTrue(all(colour == (0, 0, 0) for _, _, colour in bars))

    def test_seed_and_mode_rules(self):
        p = self.program
        seed = p.find("text", "Random seed")
        self.assertFalse(p.enabled(seed))
        p.click(p.find("check box", "Fix Random Seed"), dx=6, dy=8)
        self.assertTrue(p.enabled(p.find("text", "Random seed")))

        frames = ("Measure Time Used", "Verify Correctness", "Use Animation")
        for chosen in frames:
            p.choose_mode(chosen)
            for frame in frames:
                self.assertEqual(p.enabled(p.find("panel", frame)), frame == chosen, (chosen, frame))
            self.assertEqual(p.enabled(p.find("text", "Animation Delay:")), chosen == "Use Animation")
            self.assertTrue(p.checked(p.find("radio button", chosen)))
        Screen("rules")

    def test_tab_reaches_the_controls_in_order(self):
        p = self.program
        p.click(p.find("text", "Number of items:"))
        order = []
        for _ in range(6):
            xdotool("key", "Tab")
            time.sleep(0.1)
            focused = [n for n in p.nodes() if n.getState().contains(pyatspi.STATE_FOCUSED)]
            # In the list the focus is on its current item, which may keep the state afterwards.
            controls = [n for n in focused if n.getRoleName() != "list item"]
            node = controls[0] if controls else focused[0].parent if focused else None
            order.append(node.name if node is not None else None)
        self.assertEqual(order[:5], ["Sorting Method", "Begin Sorting", "Output", "Measure Time Used",
                                     "Fix Random Seed"])
        # Back at the count: two more steps reach the button, and Enter on it runs.
        self.assertEqual(order[5], "Number of items:")
        xdotool("key", "Tab", "Tab")
        xdotool("key", "Return")
        p.wait_for_text(r"You must select a sort method\.")

    def test_bad_input_gives_a_message_and_the_window_stays(self):
        p = self.program
        p.choose_mode("Use Animation")
        p.choose_method("Insertion")
        for count, delay, error in (("abc", "0", "Division by zero"), ("10", "1e12", "Overflow")):
            with self.subTest(count=count, delay=delay):
                p.type_into("text", "Number of items:", count)
                p.type_into("text", "Animation Delay:", delay)
                p.begin_sorting()
                box = p.dialog()
                texts = " ".join(n.name for n in p.nodes() if n.getRoleName() == "label")
                self.assertIn(error, texts)
                Screen("error-" + error.split()[0].lower())
                xdotool("key", "Return")
                time.sleep(0.3)
        p.type_into("text", "Animation Delay:", "0")
        p.begin_sorting()
        time.sleep(0.5)
        self.assertIsNone(p.process.poll(), "the program is still running")
        self.assertEqual(p.picture_text(), "Output")


class UnderAMemoryLimit(unittest.TestCase):
    """As on a small school laptop: the program in a memory control group of 1.5 GiB."""

    LIMIT = 3 << 29

    def setUp(self):
        self.group, reason = MemoryCgroup.make(self.LIMIT)
        if self.group is None:
            self.skipTest(f"no memory control group can be made here: {reason}")
        self.addCleanup(self.group.remove)

    def test_a_count_beyond_the_limit_is_refused_and_the_window_lives(self):
        p = Program(self.group.command(PROGRAM))
        self.addCleanup(p.close)
        p.choose_method("Merge")
        p.type_into("text", "Number of items:", "300000000")
        p.begin_sorting()
        p.dialog(timeout=20)
        texts = " ".join(n.name for n in p.nodes() if n.getRoleName() == "label")
        self.assertIn("Out of memory", texts)
        self.assertRegex(texts, r"300.?000.?000 items need 2\.6 GB; 1\.\d GB is available\.")
        Screen("error-memory")
        xdotool("key", "Return")
        time.sleep(0.3)
        self.assertIsNone(p.process.poll(), "the program is still running")
        p.type_into("text", "Number of items:", "100000")
        p.begin_sorting()
        p.wait_for_text(r"time used was \d+\.\d\d seconds\.")

    def test_the_comparison_tool_refuses_it_with_status_two(self):
        compare = os.path.join(os.path.dirname(PROGRAM), "sorting-compare")
        result = subprocess.run(self.group.command(compare, "--counts", "1000,300000000", "--methods", "merge"),
                                capture_output=True, text=True, timeout=60)
        self.assertEqual(result.returncode, 2, result.stderr)
        self.assertEqual(result.stdout, "")
        # The items, the copy each run sorts, merge sort's scratch and the origins of the counting run.
        self.assertRegex(result.stderr, r"300.?000.?000 items need 6\.4 GB; 1\.\d GB is available\.")


class RaceChecks:
    """What the race tests read from the screen and the accessibility tree."""

    ARGUMENTS = []
    ENVIRONMENT = {}
    TITLE = "Sorting Race"

    def setUp(self):
        command = [os.path.join(os.path.dirname(PROGRAM), "sorting-race"), *self.ARGUMENTS]
        self.program = Program(command, title=self.TITLE, name="sorting-race", environment=self.ENVIRONMENT)
        self.addCleanup(self.program.close)

    def status_starting(self, prefix, deadline):
        while time.time() < deadline:
            try:
                labels = [n.name for n in self.program.nodes() if n.getRoleName() == "label"]
            except GLib.GError:  # the panels were made anew while they were read: read again
                labels = []
            status = next((t for t in labels if t.startswith(prefix)), None)
            if status:
                return status
            time.sleep(0.2)
        return None

    def panel(self, method):
        return self.program.find("filler", method)

    def percent_done(self, method):
        match = re.search(r"(\d+) % of", self.panel(method).description)
        return 100 if match is None else int(match.group(1))

    @staticmethod
    def coloured(pixel):
        """A bar's colour, not the white ground, the grey strips nor the black text."""
        return max(pixel) - min(pixel) > 40

    def baseline(self, screen, method):
        """The lowest row of the panel's bars: most of its columns in a bar's colour."""
        x, y, w, h = self.program.extents(self.panel(method))
        rows = [row for row in range(y + 22, y + h)
                if sum(self.coloured(screen.at(column, row)) for column in range(x + 6, x + w - 6)) > (w - 12) // 2]
        return max(rows) if rows else y + h // 2

    def rising_bars(self, screen, method):
        """Whether the panel's bars rise from left to right, read from the screen."""
        x, y, w, h = self.program.extents(self.panel(method))
        top, bottom = y + 22, self.baseline(screen, method) + 1
        heights = []
        for column in range(x + 6, x + w - 6):
            height = 0
            while height < bottom - top and self.coloured(screen.at(column, bottom - 1 - height)):
                height += 1
            heights.append(height)
        return len([h for h in heights if h > 0]) > (w - 12) * 0.9 and heights == sorted(heights)


class RaceEndToEnd(RaceChecks, unittest.TestCase):
    """sorting-race: the four methods side by side, driven by real input."""

    PANELS = ("Selection", "Insertion", "Bubble", "Merge")

    def test_a_race_of_200_items_ends_with_merge_first_and_every_panel_in_order(self):
        p = self.program
        p.type_into("text", "Number of items", "200")
        xdotool("key", "Return")
        time.sleep(0.3)
        typed = "200 items, random. Type at least two numbers to race your own. Press Play or Space to start."
        self.assertRegex(p.find("label", typed).name, "200 items")
        p.click(p.find("push button", "Play"))  # the keys act once the focus has left the text field
        xdotool("key", "plus", "plus")  # ten times as fast: 10,000 steps a second
        deadline = time.time() + 60
        while self.percent_done("Bubble") < 50 and time.time() < deadline:
            time.sleep(0.05)
        halfway = Screen()
        subprocess.run(["import", "-window", "root", "-crop", "960x640+0+0", os.path.join(SHOTS, "race.png")],
                       check=True)
        self.assertIn("done: 1st", self.panel("Merge").description, "merge sort is done halfway")
        self.assertFalse(self.rising_bars(halfway, "Bubble"), "bubble sort is not done halfway")
        status = self.status_starting("All four are done", deadline)
        self.assertEqual(status, "All four are done: Merge finished first.")
        self.assertIn("done: 1st", self.panel("Merge").description)
        time.sleep(0.3)
        screen = Screen("race-end")
        for method in self.PANELS:
            with self.subTest(method=method):
                self.assertTrue(self.rising_bars(screen, method), f"{method}'s bars rise")


class EveryMethodRace(RaceChecks, unittest.TestCase):
    """sorting-race --methods all: the thirteen methods in a grid that fits the screen."""

    ARGUMENTS = ["--methods", "all"]
    PANELS = ("Selection", "Insertion", "Bubble", "Merge", "Shell", "Heap", "Quick", "Median quick", "3-way quick",
              "Intro", "Natural merge", "Radix", "Bucket")

    def test_a_race_of_300_items_runs_to_its_end_with_every_panel_in_order(self):
        p = self.program
        p.type_into("text", "Number of items", "300")
        xdotool("key", "Return")
        time.sleep(0.3)
        p.click(p.find("push button", "Play"))
        xdotool("key", "plus", "plus", "plus", "plus")  # 100,000 steps a second
        status = self.status_starting("All 13 are done", time.time() + 60)
        self.assertRegex(status, r"^All 13 are done: [\w -]+ finished first\.$")
        time.sleep(0.3)
        screen = Screen("race-thirteen-end")
        for method in self.PANELS:
            with self.subTest(method=method):
                self.assertTrue(self.rising_bars(screen, method), f"{method}'s bars rise")


class RaceInGerman(RaceChecks, unittest.TestCase):
    """The race under a German locale, and zoomed for a projector: three methods in one row."""

    ARGUMENTS = ["--methods", "selection,quick,merge"]
    ENVIRONMENT = {"LANG": "de_DE.UTF-8", "LANGUAGE": "", "LC_ALL": ""}
    TITLE = "Sortier-Wettrennen"

    def tallest_bar(self, screen, method):
        """The height of the panel's tallest run of a bar's colour, the largest item's bar."""
        x, y, w, h = self.program.extents(self.panel(method))
        tallest = 0
        for column in range(x + 6, x + w - 6, 3):
            run = 0
            for row in range(y, y + h):
                run = run + 1 if self.coloured(screen.at(column, row)) else 0
                tallest = max(tallest, run)
        return tallest

    def test_the_race_speaks_german_and_f11_with_ctrl_plus_makes_its_status_taller(self):
        p = self.program
        status = p.find("label", "100 Elemente, zufällig. Zum Starten Start oder die Leertaste drücken.")
        self.panel("Selectionsort")
        subprocess.run(["import", "-window", "root", "-crop", "960x640+0+0", os.path.join(SHOTS, "race-de.png")],
                       check=True)
        height = p.extents(status)[3]
        p.click(self.panel("Mergesort"))  # the race takes the keyboard
        self.addCleanup(xdotool, "key", "ctrl+0")  # the zoom is remembered: the next race starts as usual
        xdotool("key", "F11", "ctrl+plus", "ctrl+plus", "ctrl+plus", "ctrl+plus")
        time.sleep(0.5)
        self.assertTrue(Program.checked(p.find("check box", "Vollbild")))
        self.assertGreaterEqual(p.extents(status)[3], height + 12)  # its text twice as high, its margin as it was
        # At 200 % the three panels stand in one row, and the bars take half of each at the least.
        panels = ("Selectionsort", "Quicksort", "Mergesort")
        self.assertEqual(len({p.extents(self.panel(method))[1] for method in panels}), 1)
        screen = Screen("race-de-200")
        for method in panels:
            with self.subTest(method=method):
                self.assertGreaterEqual(2 * self.tallest_bar(screen, method) + 8, p.extents(self.panel(method))[3])


class RaceLesson(RaceChecks, unittest.TestCase):
    """The race as a lesson: the marks of each step, stepping back, typed items."""

    PANELS = ("Selection", "Insertion", "Bubble", "Merge")
    COMPARED, MOVED = (24, 24, 24), (255, 184, 0)  # the window's mark colours

    def panels_picture(self, screen):
        """The pixels of every panel, to compare two screens."""
        pixels = []
        for method in self.PANELS:
            x, y, w, h = self.program.extents(self.panel(method))
            pixels.append([screen.at(px, py) for py in range(y, y + h) for px in range(x, x + w)])
        return pixels

    def test_a_paused_race_marks_each_step_and_left_then_right_returns_the_same_picture(self):
        p = self.program
        p.click(p.find("label", "Marked: in black the two items compared, in amber the items moved or written"))
        xdotool("key", *["Right"] * 12)
        time.sleep(0.5)
        screen = Screen("race-marks")
        subprocess.run(["import", "-window", "root", "-crop", "960x680+0+0", os.path.join(SHOTS, "race-marks.png")],
                       check=True)
        for method in self.PANELS:
            with self.subTest(method=method):
                x, y, w, h = p.extents(self.panel(method))
                strip = self.baseline(screen, method) + 1  # the strip beneath the bars, where every mark shows
                colours = {screen.at(px, py) for py in range(strip, strip + 8) for px in range(x, x + w)}
                self.assertTrue(colours & {self.COMPARED, self.MOVED}, f"{method} marks its step")
                self.assertRegex(self.panel(method).description.splitlines()[-1], r"^(compares|exchange|merge)")
        xdotool("key", "Left")
        time.sleep(0.3)
        xdotool("key", "Right")
        time.sleep(0.3)
        self.assertEqual(self.panels_picture(Screen()), self.panels_picture(screen))

    def test_seven_typed_numbers_show_their_values_and_the_item_in_hand_and_race_to_their_end(self):
        p = self.program
        p.type_into("text", "Number of items", "5 3 8 1 9 2 7")
        xdotool("key", "Return")
        time.sleep(0.3)
        p.find("label", "7 items, as typed. Press Play or Space to start.")
        # The keyboard is the race's at once: three steps, into bubble sort's first exchange.
        xdotool("key", "Right", "Right", "Right")
        time.sleep(0.5)
        subprocess.run(["import", "-window", "root", "-crop", "960x640+0+0", os.path.join(SHOTS, "race-typed.png")],
                       check=True)
        self.assertEqual(self.panel("Bubble").description.splitlines()[-1], "exchange: moves 3 from item 2 to item 1")
        # A few items start at two steps a second; faster, to the end.
        xdotool("key", "space", "plus", "plus", "plus", "plus")
        status = self.status_starting("All four are done", time.time() + 30)
        self.assertIsNotNone(status)
        time.sleep(0.3)
        screen = Screen("race-typed-end")
        for method in self.PANELS:
            with self.subTest(method=method):
                self.assertTrue(self.rising_bars(screen, method), f"{method}'s bars rise")


class RaceThatTeaches(RaceChecks, unittest.TestCase):
    """The race that teaches: a method's code beside its bars, a prediction, equal items, and a
    student's own bubble sort racing the method's."""

    ARGUMENTS = ["--script", os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples",
                                          "bubble_sort.py")]

    def named(self, name, deadline=5):
        """The node of that name, once the accessibility tree has it."""
        until = time.time() + deadline
        while True:
            node = next((n for n in self.program.nodes() if n.name == name), None)
            if node or time.time() > until:
                return node
            time.sleep(0.2)

    def bar(self, method, item, items):
        """Where to click bar `item` of `items` in a panel."""
        x, y, w, h = self.program.extents(self.panel(method))
        return x + 6 + int((item - 0.5) * (w - 12) / items), y + 45

    def test_the_code_follows_each_step_a_prediction_is_scored_and_equal_items_are_told_apart(self):
        p = self.program
        p.type_into("text", "Number of items", "3 4 2 4 1")
        xdotool("key", "Return")
        # The student's sort, recorded on the typed items, joins the race.
        self.assertIsNotNone(self.status_starting("5 items, as typed", time.time() + 10))
        self.assertIsNotNone(self.named("bubble_sort.py", 10), "the script's panel, named after its file")
        p.click(self.panel("Bubble"))
        lines = []
        for _ in range(3):
            xdotool("key", "Right")
            time.sleep(0.3)
            lines.append(self.named("Code of Bubble").description.split(":")[0])
        self.assertEqual(lines, ["Line 3", "Line 3", "Line 4"], "bubble sort compares twice, then exchanges")
        subprocess.run(["import", "-window", "root", "-crop", "960x640+0+0", os.path.join(SHOTS, "race-code.png")],
                       check=True)
        # From the start, predicting: asked before bubble sort's first comparison, of 3 and 4,
        # whether it exchanges them; answered with a click on No before anything of it shows.
        xdotool("key", "r", "p", "Right")
        self.assertIsNotNone(self.status_starting("Will these two, items 1 and 2, be exchanged?", time.time() + 5))
        self.assertNotIn("compares", self.panel("Bubble").description, "the comparison is not marked yet")
        subprocess.run(["import", "-window", "root", "-crop", "960x640+0+0", os.path.join(SHOTS, "race-predict.png")],
                       check=True)
        p.click(p.find("push button", "No"))
        self.assertIsNotNone(self.status_starting("Right.", time.time() + 5))
        self.assertIn("compares", self.panel("Bubble").description, "the comparison shown once answered")
        self.assertIsNotNone(self.named("exchanged or not: 1 of 1 right"), "the score, beside the status line")
        xdotool("key", "Escape", "space", "plus", "plus", "plus", "plus")
        self.assertIsNotNone(self.status_starting("All five are done", time.time() + 30))
        time.sleep(0.3)
        self.assertIn("items: 1 2 3 4a 4b", self.panel("Bubble").description)
        counts = [self.panel(name).description.split("\n")[0] for name in ("Bubble", "bubble_sort.py")]
        self.assertEqual(counts[0], counts[1], "the student's bubble sort counts as the method's")
        xdotool("key", "Escape")  # no method looked at: the pane comes back with the script's name
        time.sleep(0.3)
        p.click(self.panel("bubble_sort.py"))
        code = self.named("Code of bubble_sort.py")
        self.assertIsNotNone(code, "its own code in the code pane")
        self.assertRegex(code.description, r"^Line \d+: ", "the line of its last step marked")
        self.assertTrue(self.panel("Bubble").description.endswith("kept the order of equal items"))
        self.assertTrue(self.panel("Selection").description.endswith("changed the order of equal items: 4b before 4a"))
        Screen("race-equal-end")


class RaceFromALesson(RaceChecks, unittest.TestCase):
    """A lesson file opened from the command line: its items, methods, zoom and focus."""

    LESSON = os.path.join(tempfile.mkdtemp(), "class.sortrace")
    ARGUMENTS = [LESSON]

    def setUp(self):
        with open(self.LESSON, "w", encoding="utf-8") as lesson:
            lesson.write("sortrace = 1\nmethods = bubble,merge,heap\nitems = 5 3 8 1 9 2 7 4\n"
                         "zoom = 150\nfocus = merge\nstep = 10\n")
        super().setUp()

    def test_the_lesson_opens_with_its_items_methods_zoom_and_focus(self):
        p = self.program
        field = p.find("text", "Number of items").queryText()
        self.assertEqual(field.getText(0, -1), "5 3 8 1 9 2 7 4")
        for method in ("Bubble", "Merge", "Heap"):
            self.assertIsNotNone(self.panel(method), method)
        self.assertIsNone(next((n for n in p.nodes() if n.name == "Selection"), None), "only the lesson's methods")
        self.assertIsNotNone(next((n for n in p.nodes() if n.name == "Code of Merge"), None), "merge looked at")
        subprocess.run(["import", "-window", "root", "-crop", "1366x768+0+0", os.path.join(SHOTS, "race-lesson.png")],
                       check=True)
        zoomed = p.extents(p.find("push button", "Play"))[3]
        xdotool("key", "ctrl+0")  # as usual again: the zoom is remembered for the next race
        time.sleep(0.5)
        usual = p.extents(p.find("push button", "Play"))[3]
        self.assertGreater(zoomed, usual * 1.3, "the lesson's zoom of 150 %")


class RaceOfALessonsScripts(RaceChecks, unittest.TestCase):
    """A lesson that names students' scripts asks first: without them its methods race alone;
    with them, a sort that never ends and one that loses items are said in a student's words,
    the first within 11 s."""

    FOLDER = tempfile.mkdtemp()
    ARGUMENTS = [os.path.join(FOLDER, "class.sortrace")]
    TITLE = "Open lesson"

    def setUp(self):
        with open(os.path.join(self.FOLDER, "endless.py"), "w", encoding="utf-8") as script:
            script.write("def sort(a):\n    while True:\n        a[0] < a[1]\n")
        examples = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples")
        shutil.copy(os.path.join(examples, "lost_item.py"), self.FOLDER)
        with open(self.ARGUMENTS[0], "w", encoding="utf-8") as lesson:
            lesson.write("sortrace = 1\nmethods = bubble,merge\nitems = 5 3 8 1 9\n"
                         "script = endless.py\nscript = lost_item.py\n")
        super().setUp()

    def answer(self, program, button):
        """Answers the lesson's question, and waits for the race's window."""
        program.click(program.find("push button", button))
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Sorting Race$"], check=True,
                       capture_output=True, timeout=20)

    def test_the_lesson_asks_and_races_its_methods_alone_or_says_what_its_scripts_did(self):
        self.answer(self.program, "Open without them")
        self.assertIsNotNone(self.panel("Merge"))
        time.sleep(1)
        self.assertFalse([n for n in self.program.nodes() if n.name in ("endless.py", "lost_item.py")])
        self.program.close()
        self.program = Program([os.path.join(os.path.dirname(PROGRAM), "sorting-race"), *self.ARGUMENTS],
                               title=self.TITLE, name="sorting-race")
        self.addCleanup(self.program.close)
        asked = time.time()
        self.answer(self.program, "Run them")
        endless = None
        while endless is None and time.time() < asked + 11:
            try:
                endless = self.panel("endless.py")
            except (LookupError, GLib.GError):
                time.sleep(0.2)
        self.assertIsNotNone(endless, "the never-ending sort said within 11 s")
        self.assertIn("did not finish within 10 s: is there a loop that never ends?", endless.description)
        self.program.click(self.panel("lost_item.py"))
        xdotool("key", "End")
        time.sleep(0.5)
        self.assertIn("lost items: missing 3, 1; there more than once: 5 (3 times)",
                      self.panel("lost_item.py").description)


class RaceSound(RaceChecks, unittest.TestCase):
    """The race heard: its tones recorded from the sound server's sink."""

    ARGUMENTS = ["--sound", "--methods", "bubble,merge"]
    RATE = 16000

    def setUp(self):
        if subprocess.run(["pactl", "info"], capture_output=True).returncode != 0:
            self.skipTest("no sound server answers here: the runner starts one where PulseAudio is installed")
        # Something always plays into the sink, so that its monitor never falls quiet and the
        # recording keeps time.
        self.silence = subprocess.Popen(["pacat", "-p", "--raw", "--format=s16le", f"--rate={self.RATE}",
                                         "--channels=1"], stdin=open("/dev/zero", "rb"))
        self.addCleanup(self.silence.terminate)
        self.recorder = subprocess.Popen(["parec", "--latency-msec=20", "-d", "e2e_sink.monitor", "--format=s16le",
                                          f"--rate={self.RATE}", "--channels=1", "--raw"], stdout=subprocess.PIPE)
        self.addCleanup(self.recorder.terminate)
        self.chunks = []
        threading.Thread(target=self.record, daemon=True).start()
        # The recording takes a moment to start flowing; from then on it keeps time.
        deadline = time.time() + 10
        while len(self.chunks) < 5 and time.time() < deadline:
            time.sleep(0.05)
        self.assertTrue(self.chunks, "the sink's monitor is recorded")
        super().setUp()

    def record(self):
        while True:
            data = self.recorder.stdout.read(self.RATE // 50 * 2)  # 20 ms
            if not data:
                return
            self.chunks.append((time.monotonic(), array.array("h", data)))

    def samples(self, start, end):
        """What the sink played from `start` to `end` (monotonic seconds). The monitor never falls
        quiet, so a sample's time follows from its place in the recording; the pieces' arrival
        times, late by a varying delay under load, only fix when the recording began, taken from
        the piece that came soonest."""
        recorded = array.array("h")
        began = math.inf
        for at, chunk in self.chunks:
            recorded.extend(chunk)
            began = min(began, at - len(recorded) / self.RATE)
        first, last = (max(0, round((t - began) * self.RATE)) for t in (start, end))
        return recorded[first:last]

    @staticmethod
    def loudness(samples):
        return math.sqrt(sum(x * x for x in samples) / max(len(samples), 1))

    def pitch(self, samples):
        """The strongest frequency in a stretch of sound, in Hz, searched from 50 Hz to 3 kHz in
        steps of 3 %, far wider than the tones' range."""
        best, best_hz, hz = 0, 0, 50.0
        while hz < 3000:
            # The power at `hz`, by the Goertzel recurrence.
            w = 2 * math.cos(2 * math.pi * hz / self.RATE)
            s1 = s2 = 0.0
            for x in samples:
                s1, s2 = x + w * s1 - s2, s1
            power = s1 * s1 + s2 * s2 - w * s1 * s2
            if power > best:
                best, best_hz = power, hz
            hz *= 1.03
        return best_hz

    def test_the_race_is_heard_at_pitches_that_follow_the_items_and_falls_silent_on_pause(self):
        p = self.program
        sound = p.find("check box", "Sound")
        self.assertTrue(Program.enabled(sound) and Program.checked(sound), "--sound turns the sound on")
        p.click(p.find("push button", "Play"))
        started = time.monotonic()
        time.sleep(3)
        paused = time.monotonic()
        xdotool("key", "space")
        time.sleep(1.5)
        # The race's stretch in tenths of a second; a busy machine may drop one here and there.
        tenths = [self.samples(started + 0.5 + 0.1 * k, started + 0.6 + 0.1 * k) for k in range(22)]
        heard = [t for t in tenths if self.loudness(t) > 300]
        self.assertGreaterEqual(len(heard), 0.75 * len(tenths),
                                f"the race is heard: {[round(self.loudness(t)) for t in tenths]}")
        pitches = [round(self.pitch(t)) for t in heard]
        for pitch in pitches:
            self.assertTrue(100 <= pitch <= 1300, f"a pitch of {pitch} Hz, outside the tones' range: {pitches}")
        self.assertGreaterEqual(len({round(p / 20) for p in pitches}), 3, f"the pitch changes: {pitches}")
        self.assertLess(self.loudness(self.samples(paused + 0.3, paused + 1.4)), 30, "silent after the pause")

    def test_when_the_sound_goes_away_mid_race_the_race_goes_on_without_it(self):
        p = self.program
        p.click(p.find("push button", "Play"))
        time.sleep(1)
        subprocess.run(["pactl", "exit"], check=True)  # the suite's last use of the server
        time.sleep(1.5)
        self.assertIsNone(p.process.poll(), "the race lives")
        sound = p.find("check box", "Sound")
        self.assertFalse(Program.enabled(sound))
        self.assertIn("went away", sound.description)
        p.find("push button", "Pause")  # still racing
        self.assertGreater(self.percent_done("Bubble"), 0)


def main():
    global PROGRAM, SHOTS
    PROGRAM = os.path.abspath(sys.argv[1])
    SHOTS = sys.argv[2] if len(sys.argv) > 2 else tempfile.mkdtemp()
    os.makedirs(SHOTS, exist_ok=True)
    loader = unittest.defaultTestLoader
    suite = unittest.TestSuite([loader.loadTestsFromTestCase(case) for case in (EndToEnd, UnderAMemoryLimit, RaceEndToEnd, EveryMethodRace, RaceInGerman, RaceLesson, RaceThatTeaches, RaceOfALessonsScripts, RaceSound)])
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    failed = len(result.failures) + len(result.errors)
    print(f"{result.testsRun - failed} passed, {failed} failed")
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
