#!/usr/bin/python3
"""Plays the running game through synthetic input until a round ends.

It acts only through xdotool, as a player does: it types a name, then lays a
domino of its hand that fits one of the two open ends, draws from the BoneYard
when none fits and presses "Can't Play" when the BoneYard is empty. It learns
where things lie from what the game tells a screen reader: the hand and the
line are lists whose items name their dominoes and give their places, the line
read from its left end to its right end. Before each click it checks on a
screenshot that a domino is painted where the game says it lies, and finds the
BoneYard's face-down squares by their colour.

After each move it waits for the game to show something new; a move made while
the computer still plays is ignored by the game and simply made again. The only
time limit is a safety net far beyond a normal round.

With --keys it never touches the mouse: it walks the highlight through its hand
with Right, selects with Return, lays with L or R, draws with B, passes with C
and quits with Ctrl+Q.
"""
import argparse
import os
import re
import subprocess
import sys
import time

FACE_DOWN = (0, 0, 128)
HALF_FACE = (0, 0, 0)
DOMINO = re.compile(r"^(\d)-(\d)$")
COUNT = re.compile(r"(\d+)")
# The windows' titles in English; a run in another language names its own.
RESULT_TITLES = os.environ.get("E2E_RESULT_TITLES", "this Round|W I N N E R|You Lost|Tied with a Score")
LIMIT_TITLES = os.environ.get("E2E_LIMIT_TITLES", "allowed 18 Dominos|Exceeded 18 Dominos")
PLAYER_NAME = "Tester"
# How long one step may take before the check gives up: many times what it
# takes on a busy machine.
STEP_LIMIT = 120
POLL = 0.1


class Failure(Exception):
    pass


def xdotool(*args, check=False):
    try:
        run = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True,
                             timeout=STEP_LIMIT)
    except subprocess.TimeoutExpired:
        raise Failure(f"xdotool {' '.join(map(str, args))} did not return") from None
    if check and run.returncode != 0:
        raise Failure(f"xdotool {' '.join(map(str, args))}: {run.stderr.strip()}")
    return run.stdout.strip()


def find_windows(pattern):
    found = xdotool("search", "--onlyvisible", "--name", pattern)
    return [int(line) for line in found.split()] if found else []


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

    def count(self, colour):
        target, found = bytes(colour), 0
        for i in range(0, len(self.pixels), 3):
            found += self.pixels[i:i + 3] == target
        return found

    def squares(self, colour, sizes):
        """Solid squares of one colour whose sides lie in sizes (low, high): (left, top, right,
        bottom) in screen coordinates."""
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
        width, height = self.width, self.height
        low, high = sizes
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
            if low <= w <= high and low <= h <= high and count >= 0.9 * w * h:
                found.append((x0 + self.left, y0 + self.top, x1 + self.left, y1 + self.top))
        return found


def centre(box):
    x, y, w, h = box
    return (x + w // 2, y + h // 2)


def pips(name):
    match = DOMINO.match(name or "")
    return (int(match.group(1)), int(match.group(2))) if match else None


class Table:
    """The main window as the game tells a screen reader, read afresh each time."""

    def __init__(self, pyatspi):
        self.pyatspi = pyatspi

    @staticmethod
    def children(obj):
        return [obj.getChildAtIndex(i) for i in range(obj.childCount)] if obj else []

    def app(self):
        for child in self.children(self.pyatspi.Registry.getDesktop(0)):
            if child is not None and child.name == "Pipwright":
                return child
        return None

    def main(self):
        for window in self.children(self.app()):
            if window.getRoleName() == "frame" and window.name == "Pipwright":
                return window
        return None

    def extents(self, obj):
        box = obj.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return (box.x, box.y, box.width, box.height)

    def read(self):
        """Reads the tree; nothing when a part of it went away while it was read."""
        try:
            return self.read_parts()
        except Exception:
            return None

    def read_parts(self):
        """The hand and the line as (name, box) lists, the BoneYard's count and box, the
        Can't Play button's box and every label's text; nothing while no main window shows."""
        main = self.main()
        if main is None:
            return None
        seen = {"hand": [], "line": [], "boneyard": None, "boneyard_box": None,
                "cant_play": None, "labels": []}
        lists = []

        def walk(obj):
            for part in self.children(obj):
                role, name = part.getRoleName(), part.name or ""
                if role == "list":
                    lists.append((self.extents(part)[1],
                                  [(item.name, self.extents(item)) for item in self.children(part)]))
                elif role == "image" and COUNT.search(name):
                    seen["boneyard"] = int(COUNT.search(name).group(1))
                    seen["boneyard_box"] = self.extents(part)
                elif role == "push button":
                    seen["cant_play"] = self.extents(part)
                elif role == "label":
                    seen["labels"].append(name)
                elif role in ("filler", "panel", "status bar"):
                    walk(part)
        walk(main)
        # The line lies in the play field, above the hand.
        if len(lists) == 2:
            (_, seen["line"]), (_, seen["hand"]) = sorted(lists, key=lambda found: found[0])
        return seen


class Driver:
    def __init__(self, game, table, shots, deadline, keys=False):
        self.game, self.table, self.shots, self.keys = game, table, shots, keys
        self.started = time.monotonic()
        self.deadline = self.started + deadline
        self.window = None
        self.shot_count = 0
        self.moves = 0

    # --- bookkeeping ---

    def say(self, text):
        print(f"{time.monotonic() - self.started:7.1f}s {text}", flush=True)

    def check_time(self):
        if self.game.poll() is not None:
            raise Failure(f"the game has ended unexpectedly with {self.game.returncode}")
        if time.monotonic() > self.deadline:
            raise Failure("no result window within the time limit")

    def keep_screenshot(self, name):
        self.shot_count += 1
        path = os.path.join(self.shots, f"{self.shot_count:03d}-{name}.png")
        subprocess.run(["import", "-window", "root", path], capture_output=True)

    def wait_for(self, what, test, limit=STEP_LIMIT, game_runs=True):
        """Polls test until it gives something true, and returns that."""
        until = time.monotonic() + limit
        while True:
            if game_runs:
                self.check_time()
            found = test()
            if found:
                return found
            if time.monotonic() > until:
                raise Failure(f"{what}: nothing after {limit} s")
            time.sleep(POLL)

    # --- acting ---

    def click(self, *points):
        """Clicks in turn, unless a result window has come up meanwhile: a click
        could land on its button."""
        if self.result_window():
            return
        args = []
        for x, y in points:
            args += ["mousemove", x, y, "click", "1"]
        xdotool(*args)

    def press(self, *keys):
        """Keys for the main window, one at a time. A key sent to the focused window
        goes to whatever has the focus when it arrives, so a result window that
        comes up meanwhile would take the rest: they are dropped once one shows."""
        for key in keys:
            if self.result_window():
                return
            xdotool("key", "--window", self.window, key)

    def close_window(self, window):
        xdotool("windowfocus", "--sync", window)
        xdotool("key", "--window", window, "Return")
        self.wait_for("the window closing on Return", lambda: window not in find_windows("."))

    # --- seeing ---

    def result_window(self):
        windows = find_windows(RESULT_TITLES)
        return windows[0] if windows else None

    def dismiss_limit_notice(self):
        for window in find_windows(LIMIT_TITLES):
            self.say("closing the 18-domino notice")
            self.close_window(window)

    def painted(self, box):
        """Whether a domino's black half shows inside box on the screen."""
        x, y, w, h = box
        return w > 0 and h > 0 and Shot(x, y, w, h).count(HALF_FACE) >= w * h // 8

    def face_down(self, seen):
        """The face-down squares of the BoneYard, left to right."""
        x, y, w, h = seen["boneyard_box"]
        return sorted(Shot(x, y, w, h).squares(FACE_DOWN, (12, 22)))

    # --- the game ---

    def enter_name(self):
        title = self.wait_for("the start-up window", lambda: find_windows("^Pipwright$"))[0]
        self.keep_screenshot("start")
        xdotool("windowfocus", "--sync", title)
        xdotool("type", "--delay", "40", PLAYER_NAME.lower())
        xdotool("key", "Return")
        self.wait_for("the main window after the name", self.table.read)
        self.window = self.wait_for(
            "the main window on screen",
            lambda: [w for w in find_windows("^Pipwright$") if w != title])[0]
        xdotool("windowfocus", "--sync", self.window)
        seen = self.wait_for("a full BoneYard", self.full_boneyard)
        self.say(f"main window {self.window}, BoneYard of 28 at {seen['boneyard_box']}")
        self.keep_screenshot("started")

    def full_boneyard(self):
        seen = self.table.read()
        if seen and seen["boneyard"] == 28 and len(self.face_down(seen)) == 28:
            return seen
        return None

    def play(self):
        """Plays until a result window is up, and returns it."""
        while True:
            self.check_time()
            self.dismiss_limit_notice()
            window = self.result_window()
            if window:
                return window
            seen = self.wait_for("the main window's tree", self.table.read)
            self.moves += 1
            done = self.move_by_keys(seen) if self.keys else self.move(seen)
            self.say(f"move {self.moves}: hand {len(seen['hand'])}, line {len(seen['line'])}, "
                     f"BoneYard {seen['boneyard']}: {done}")
            if self.moves % 10 == 1:
                self.keep_screenshot(f"move-{self.moves}")
            # The game answers with something new: a domino laid or drawn, a
            # message, the computer's move or a window.
            self.wait_for(f"the game's answer to '{done}'",
                          lambda: self.table.read() != seen or self.result_window()
                          or find_windows(LIMIT_TITLES))

    def choice(self, seen):
        """The hand's first domino that fits an open end, with the end: (index, left); or
        (index, None) to set the first domino of the line; or nothing."""
        hand, line = seen["hand"], seen["line"]
        if not line:
            return (0, None) if len(hand) >= 7 else None
        left, right = pips(line[0][0])[0], pips(line[-1][0])[1]
        for index, (name, _) in enumerate(hand):
            halves = pips(name)
            if halves and left in halves:
                return (index, True)
            if halves and right in halves:
                return (index, False)
        return None

    def move(self, seen):
        """One move by mouse."""
        chosen = self.choice(seen)
        if chosen:
            index, left = chosen
            name, box = seen["hand"][index]
            self.wait_for(f"the hand's {name} painted where the game says",
                          lambda: self.painted(box))
            if left is None:
                self.click(centre(box))
                return f"set {name}"
            end_name, end = seen["line"][0 if left else -1]
            self.wait_for(f"the line's {end_name} painted where the game says",
                          lambda: self.painted(end))
            self.click(centre(box), centre(end))
            return f"{name} on the {'left' if left else 'right'} end"
        if seen["boneyard"]:
            squares = self.face_down(seen)
            if squares:
                square = squares[0]
                self.click(((square[0] + square[2]) // 2, (square[1] + square[3]) // 2))
                return "drew"
        if seen["cant_play"]:
            self.click(centre(seen["cant_play"]))
            return "Can't Play"
        return "nothing to do"

    def move_by_keys(self, seen):
        """One move by keyboard."""
        chosen = self.choice(seen)
        if chosen:
            index, left = chosen
            self.press("Escape", *["Right"] * (index + 1), "Return")
            if left is None:
                return "set the first domino"
            self.press("l" if left else "r")
            return f"domino {index + 1} on the {'left' if left else 'right'} end"
        if seen["boneyard"]:
            self.press("b")
            return "drew"
        self.press("c")
        return "Can't Play"

    def finish(self, window):
        self.say("a result window is up")
        self.keep_screenshot("result")
        self.close_window(window)
        self.say("result window closed")
        self.wait_for("the next round with a full BoneYard", self.full_boneyard)
        self.keep_screenshot("after-result")
        xdotool("windowfocus", "--sync", self.window)
        if self.keys:
            self.say("the next round is set up; quitting with Ctrl+Q")
            xdotool("key", "ctrl+q")
            return
        self.say("the next round is set up; quitting through the menu")
        xdotool("key", "alt+g", "q")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--launcher", required=True, help="the accessibility bus launcher")
    parser.add_argument("--shots", required=True)
    parser.add_argument("--log", required=True, help="where the game's output goes")
    parser.add_argument("--deadline", type=float, default=1200)
    parser.add_argument("--keys", action="store_true", help="play by keyboard alone")
    options = parser.parse_args()
    bus = subprocess.Popen([options.launcher, "--launch-immediately"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    import pyatspi
    with open(options.log, "w") as log:
        game = subprocess.Popen([options.game], stdout=log, stderr=subprocess.STDOUT)
    driver = Driver(game, Table(pyatspi), options.shots, options.deadline, options.keys)
    status = 0
    try:
        driver.enter_name()
        driver.finish(driver.play())
        # Quit through the menu or Ctrl+Q: the game must end by itself, cleanly.
        driver.wait_for("the game ending after Quit", lambda: game.poll() is not None,
                        game_runs=False)
    except Failure as failure:
        if game.poll() is None or failure.args[0].startswith("the game has ended"):
            driver.keep_screenshot("failure")
        print(f"FAIL: {failure}")
        status = 1
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()
        bus.terminate()
    if status == 0 and game.returncode != 0:
        print(f"FAIL: the game ended with exit code {game.returncode}")
        status = 1
    driver.say(f"done in {driver.moves} moves")
    return status


if __name__ == "__main__":
    sys.exit(main())
