#!/usr/bin/env python3
"""Plays the running game through synthetic input until a round ends.

It sees the game only as a player does, through screenshots of the X display,
and acts only through xdotool: it types a name, then keeps trying the dominoes
of its hand on the line (the halves that look like its ends first, then every
half), draws from the BoneYard when nothing fits and presses "Can't Play" when
the BoneYard is empty. The game itself refuses moves that break its rules, so a
wasted click does no harm.

With --keys it never touches the mouse: it walks the highlight through its hand
with Right, selects with Return, lays with L or R, draws with B, passes with C
and quits with Ctrl+Q.
"""
import argparse
import os
import subprocess
import sys
import time

FACE_DOWN = (0, 0, 128)
HALF_FACE = (0, 0, 0)
# The windows' titles in English; a run in another language names its own.
RESULT_TITLES = os.environ.get("E2E_RESULT_TITLES", "this Round|W I N N E R|You Lost|Tied with a Score")
LIMIT_TITLES = os.environ.get("E2E_LIMIT_TITLES", "allowed 18 Dominos|Exceeded 18 Dominos")
PLAYER_NAME = "Tester"


class Failure(Exception):
    pass


def xdotool(*args, check=False):
    run = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True)
    if check and run.returncode != 0:
        raise Failure(f"xdotool {' '.join(map(str, args))}: {run.stderr.strip()}")
    return run.stdout.strip()


def find_windows(pattern):
    found = xdotool("search", "--onlyvisible", "--name", pattern)
    return [int(line) for line in found.split()] if found else []


def window_geometry(window):
    values = {}
    for line in xdotool("getwindowgeometry", "--shell", window, check=True).splitlines():
        key, _, value = line.partition("=")
        values[key] = int(value)
    return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]


class Shot:
    """A screenshot of part of the screen, with screen coordinates."""

    def __init__(self, left, top, width, height):
        data = subprocess.run(
            ["import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}",
             "-depth", "8", "ppm:-"],
            capture_output=True, check=True).stdout
        # A binary PPM: "P6", width, height and maximum value, each followed by one
        # blank, then the pixels. The pixels may begin with bytes that look blank.
        fields, position = [], 0
        while len(fields) < 4:
            while data[position:position + 1].isspace():
                position += 1
            start = position
            while position < len(data) and not data[position:position + 1].isspace():
                position += 1
            fields.append(data[start:position])
        if fields[0] != b"P6" or fields[3] != b"255":
            raise Failure("unexpected screenshot format")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[position + 1:position + 1 + self.width * self.height * 3]
        self.left, self.top = left, top

    def colour(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def blobs(self, colour, sizes, solid):
        """Connected areas of one colour whose width and height lie in sizes (low, high) and
        that fill at least `solid` of their bounding box: (left, top, right, bottom) in screen
        coordinates."""
        target = bytes(colour)
        marked = bytearray(self.width * self.height)
        start = 0
        while True:
            i = self.pixels.find(target, start)
            if i < 0:
                break
            if i % 3 == 0:
                marked[i // 3] = 1
                start = i + 3
            else:
                start = i + 1
        return self._areas(marked, sizes, solid)

    def blobs_where(self, test, sizes, solid):
        """The same for the pixels whose (red, green, blue) passes test."""
        marked = bytearray(self.width * self.height)
        for p in range(self.width * self.height):
            marked[p] = bool(test(self.pixels[3 * p], self.pixels[3 * p + 1],
                                  self.pixels[3 * p + 2]))
        return self._areas(marked, sizes, solid)

    def _areas(self, marked, sizes, solid):
        width, height = self.width, self.height
        (low_w, high_w), (low_h, high_h) = sizes
        found = []
        for seed in range(width * height):
            if not marked[seed]:
                continue
            marked[seed] = 0
            stack, count = [seed], 0
            x0 = x1 = seed % width
            y0 = y1 = seed // width
            while stack:
                p = stack.pop()
                count += 1
                x, y = p % width, p // width
                x0, x1, y0, y1 = min(x0, x), max(x1, x), min(y0, y), max(y1, y)
                for q in (p - 1 if x > 0 else -1, p + 1 if x + 1 < width else -1,
                          p - width, p + width):
                    if 0 <= q < width * height and marked[q]:
                        marked[q] = 0
                        stack.append(q)
            w, h = x1 - x0 + 1, y1 - y0 + 1
            if low_w <= w <= high_w and low_h <= h <= high_h and count >= solid * w * h:
                found.append((x0 + self.left, y0 + self.top, x1 + self.left, y1 + self.top))
        return found

    def same_as(self, other):
        return self.pixels == other.pixels


def button_face(red, green, blue):
    """The light grey shades of a push button; the picture areas are darker, labels white."""
    return red == green == blue and 225 <= red <= 254


def centre(box):
    return ((box[0] + box[2]) // 2, (box[1] + box[3]) // 2)


def touching(a, b):
    """Two halves side by side, with at most a domino's outline between them."""
    gap_x = max(a[0], b[0]) - min(a[2], b[2])
    gap_y = max(a[1], b[1]) - min(a[3], b[3])
    return (gap_x <= 4 and gap_y < 0) or (gap_y <= 4 and gap_x < 0)


def loose_halves(halves):
    """Halves with at most one neighbour: the outer halves of the two ends of the line."""
    return [h for h in halves if sum(touching(h, other) for other in halves if other != h) <= 1]


def beside(halves):
    """The squares next to each half: a half drawn against its neighbours can run
    into them on the screenshot and go unseen, but it lies next to one that is seen."""
    seen = {centre(h) for h in halves}
    found = []
    for left, top, right, bottom in halves:
        w, h = right - left + 1, bottom - top + 1
        for dx, dy in ((w, 0), (-w, 0), (0, h), (0, -h)):
            box = (left + dx, top + dy, right + dx, bottom + dy)
            if centre(box) not in seen and box not in found:
                found.append(box)
    return found


class Driver:
    def __init__(self, pid, shots, deadline, keys=False):
        self.keys = keys
        self.pid = pid
        self.shots = shots
        self.started = time.monotonic()
        self.deadline = self.started + deadline
        self.window = None
        self.geometry = None
        self.boneyard_top = None
        self.seen_line = set()
        self.shot_count = 0

    # --- bookkeeping ---

    def say(self, text):
        print(f"{time.monotonic() - self.started:7.1f}s {text}", flush=True)

    def alive(self):
        try:
            with open(f"/proc/{self.pid}/stat") as stat:
                return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
        except OSError:
            return False

    def check_time(self):
        if not self.alive():
            raise Failure("the game has ended unexpectedly")
        if time.monotonic() > self.deadline:
            raise Failure("no result window within the time limit")

    def keep_screenshot(self, name):
        self.shot_count += 1
        path = os.path.join(self.shots, f"{self.shot_count:03d}-{name}.png")
        subprocess.run(["import", "-window", "root", path], capture_output=True)

    # --- seeing ---

    def shot(self):
        return Shot(*self.geometry)

    def settled_shot(self, quiet=1.3, longest=15):
        """A screenshot once nothing has changed for `quiet` seconds: the computer pauses at
        most a second between its steps."""
        until = time.monotonic() + longest
        last = self.shot()
        steady_since = time.monotonic()
        while time.monotonic() < until:
            time.sleep(0.2)
            self.check_time()
            now = self.shot()
            if not now.same_as(last):
                last, steady_since = now, time.monotonic()
            elif time.monotonic() - steady_since >= quiet:
                break
        return last

    @staticmethod
    def halves(shot):
        # A half is a black square of about 19 pixels; white pips cover up to a third of it.
        return shot.blobs(HALF_FACE, ((13, 24), (13, 24)), 0.45)

    @staticmethod
    def squares(shot):
        return shot.blobs(FACE_DOWN, ((12, 22), (12, 22)), 0.9)

    def boneyard(self, shot):
        return [b for b in self.squares(shot) if abs(b[1] - self.boneyard_top) <= 2]

    def hand(self, shot):
        """Upper halves of the player's standing dominoes, in the band above the BoneYard."""
        band = [b for b in self.halves(shot) if self.boneyard_top - 100 < b[1] < self.boneyard_top]
        if not band:
            return []
        top = min(b[1] for b in band)
        return sorted((b for b in band if b[1] - top <= 3), key=lambda b: b[0])

    def line(self, shot):
        """Every half shown in the play field, above the message line."""
        return [b for b in self.halves(shot) if b[3] < self.boneyard_top - 100]

    def looks_like(self, box, colour):
        x, y = centre(box)
        patch = Shot(x - 3, y - 3, 7, 7)
        return sum(patch.colour(px, py) == colour for px in range(7) for py in range(7)) > 20

    def cant_play_button(self, hand_top):
        """The one push button above the player's hand, found by its face colour."""
        x, _, width, _ = self.geometry
        band = Shot(x, hand_top - 45, width, 45)
        buttons = band.blobs_where(button_face, ((40, 160), (10, 40)), 0.5)
        if buttons:
            return centre(max(buttons, key=lambda b: (b[2] - b[0]) * (b[3] - b[1])))
        return None

    # --- acting ---

    def click(self, points, pause=0.05):
        args = []
        for x, y in points:
            args += ["mousemove", x, y, "click", "1", "sleep", pause]
        if args:
            xdotool(*args)

    def press(self, *keys, pause=0.05):
        args = []
        for key in keys:
            args += ["key", key, "sleep", pause]
        if args:
            xdotool(*args)

    def close_window(self, window):
        xdotool("windowfocus", window)
        time.sleep(0.2)
        xdotool("key", "--window", window, "Return")
        for _ in range(30):
            if window not in find_windows("."):
                return True
            time.sleep(0.1)
        xdotool("key", "Return")
        for _ in range(30):
            if window not in find_windows("."):
                return True
            time.sleep(0.1)
        return False

    # --- the game ---

    def enter_name(self):
        titles = []
        for _ in range(100):
            titles = find_windows("^Pipwright$")
            if titles:
                break
            self.check_time()
            time.sleep(0.1)
        if not titles:
            raise Failure("the start-up window did not appear")
        title = titles[0]
        time.sleep(0.5)
        self.keep_screenshot("start")
        xdotool("windowfocus", title)
        time.sleep(0.2)
        xdotool("type", "--delay", "40", PLAYER_NAME.lower())
        xdotool("key", "Return")
        for _ in range(100):
            windows = [w for w in find_windows("^Pipwright$") if w != title]
            if windows:
                self.window = windows[0]
                break
            self.check_time()
            time.sleep(0.1)
        if self.window is None:
            raise Failure("the main window did not appear after the name was typed")
        self.geometry = window_geometry(self.window)
        self.say(f"main window {self.window} at {self.geometry}")

    def calibrate(self):
        """The BoneYard row: 28 face-down squares in a row when the game starts."""
        squares = []
        for _ in range(40):
            squares = self.squares(self.settled_shot(quiet=0.5))
            tops = sorted({b[1] for b in squares})
            if len(squares) == 28 and len(tops) == 1:
                self.boneyard_top = tops[0]
                self.say(f"BoneYard row at y={self.boneyard_top}")
                self.keep_screenshot("calibrated")
                return
            time.sleep(0.25)
        raise Failure(f"expected 28 face-down dominoes in one row, saw {len(squares)}")

    def result_window(self):
        windows = find_windows(RESULT_TITLES)
        return windows[0] if windows else None

    def dismiss_limit_notice(self):
        for window in find_windows(LIMIT_TITLES):
            self.say("closing the 18-domino notice")
            self.close_window(window)

    def play(self):
        """Plays until a result window is up, and returns it."""
        looks = 0
        missing_button = 0
        hand_top = None
        while True:
            self.check_time()
            self.dismiss_limit_notice()
            window = self.result_window()
            if window:
                return window
            shot = self.settled_shot()
            if self.result_window():
                continue
            hand, line, boneyard = self.hand(shot), self.line(shot), self.boneyard(shot)
            if hand:
                hand_top = hand[0][1]
            new = [h for h in line if h not in self.seen_line]
            self.seen_line = set(line)
            likely = list(dict.fromkeys(new + loose_halves(line)))
            looks += 1
            self.say(f"look {looks}: hand {len(hand)}, line halves {len(line)} "
                     f"(trying {len(likely)} first), BoneYard {len(boneyard)}")
            if looks % 5 == 1:
                self.keep_screenshot(f"look-{looks}")
            if self.keys:
                self.play_by_keys(hand, boneyard, hand_top)
                continue
            if self.try_hand(hand, likely):
                continue
            if boneyard:
                self.click([centre(boneyard[0])])
                time.sleep(0.2)
                if not self.looks_like(boneyard[0], FACE_DOWN):
                    continue
                # The game refused the draw: some domino fits an end not tried yet.
            if self.try_hand(hand, line) or self.try_hand(hand, beside(line)):
                continue
            if not boneyard and hand_top is not None:
                button = self.cant_play_button(hand_top)
                if button is None:
                    missing_button += 1
                    if missing_button == 3:
                        raise Failure("no Can't Play button above the hand")
                    continue
                self.say("nothing fits and the BoneYard is empty: Can't Play")
                self.click([button])

    def play_by_keys(self, hand, boneyard, hand_top):
        """One move by keyboard: lay the first domino that fits, else draw, else pass."""
        xdotool("windowfocus", self.window)
        for place, domino in enumerate(hand):
            self.check_time()
            if self.result_window():
                return
            self.press("Escape", *["Right"] * (place + 1), "Return")
            for end in ("", "l", "r"):
                if end:
                    self.press(end)
                time.sleep(0.25)
                if not self.looks_like(domino, HALF_FACE):
                    self.say(f"laid domino {place + 1} of the hand by keys")
                    return
        if boneyard:
            self.press("b")
            time.sleep(0.3)
            if len(self.boneyard(self.shot())) < len(boneyard):
                return
        if not boneyard and hand_top is not None:
            self.say("nothing fits and the BoneYard is empty: C for Can't Play")
            self.press("c")

    def try_hand(self, hand, line):
        """Tries each domino of the hand on the given halves of the line; True once one is
        laid. With no line yet, a click on a domino sets it."""
        for domino in hand:
            self.check_time()
            if self.result_window():
                return True
            self.click([centre(domino)] + [centre(half) for half in line], pause=0.03)
            time.sleep(0.25)
            if not self.looks_like(domino, HALF_FACE):
                self.say(f"laid the domino at x={domino[0]}")
                return True
        return False

    def finish(self, window):
        self.say("a result window is up")
        time.sleep(0.5)
        self.keep_screenshot("result")
        if not self.close_window(window):
            raise Failure("the result window did not close on Return")
        self.say("result window closed")
        shot = self.settled_shot()
        self.keep_screenshot("after-result")
        if len(self.boneyard(shot)) != 28:
            raise Failure("the next round did not start with a full BoneYard")
        xdotool("windowfocus", self.window)
        time.sleep(0.2)
        if self.keys:
            self.say("the next round is set up; quitting with Ctrl+Q")
            xdotool("key", "ctrl+q")
            return
        self.say("the next round is set up; quitting through the menu")
        xdotool("key", "alt+g")
        time.sleep(0.5)
        xdotool("key", "q")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--shots", required=True)
    parser.add_argument("--deadline", type=float, default=420)
    parser.add_argument("--keys", action="store_true", help="play by keyboard alone")
    options = parser.parse_args()
    driver = Driver(options.pid, options.shots, options.deadline, options.keys)
    try:
        driver.enter_name()
        driver.calibrate()
        driver.finish(driver.play())
    except Failure as failure:
        driver.keep_screenshot("failure")
        print(f"FAIL: {failure}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
