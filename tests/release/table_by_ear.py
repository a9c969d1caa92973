#!/usr/bin/python3
"""Plays one hand of Partners at a table of the real program by ear.

The driver knows only what the accessibility tree and its notifications say:
the hand's items, the line's open ends, each seat's name and whether it is to
play. It acts only through keys: Right to the domino, Enter, then L or R, or
C to pass. At the end it checks that every move was told exactly once.
"""

import argparse
import re
import subprocess
import sys
import time

import atspi_events

ENDS = re.compile(r"(\d) and (\d)$")
MOVE = re.compile(r"^(You|Right|Partner|Left): (leads|lays|passes)")


class Failure(Exception):
    pass


def key(*keys):
    for k in keys:
        subprocess.run(["xdotool", "key", k], capture_output=True)


def children(obj):
    return [obj.getChildAtIndex(i) for i in range(obj.childCount)] if obj else []


class Table:
    def __init__(self, pyatspi):
        self.pyatspi = pyatspi
        self.news = []
        # Name changes too: they keep the news line's name as each showing left it.
        pyatspi.Registry.registerEventListener(self.heard, "object:state-changed:showing",
                                               "object:property-change:accessible-name")

    def heard(self, event):
        try:
            if (event.type == "object:state-changed:showing" and event.detail1
                    and event.source.getRoleName() == "notification"):
                self.news.append(event.source.name)
        except Exception:
            pass

    @staticmethod
    def pump(seconds):
        atspi_events.pump(seconds)

    def window(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app is not None and app.name == "Pipwright":
                for window in children(app):
                    if window.getRoleName() == "frame" and window.name.endswith("Pipwright"):
                        return window
        return None

    def parts(self):
        found = {"seats": []}

        def walk(obj, depth):
            for child in children(obj):
                role, name = child.getRoleName(), child.name or ""
                if role == "list" and name == "Your hand":
                    found["hand"] = child
                elif role == "list" and name.startswith("Line"):
                    found["line"] = child
                elif role == "label" and MOVE.match(name.split(",")[0] + ": lays"):
                    found["seats"].append(name)
                elif (role == "push button" and name in ("Next hand", "New game")
                      and child.getState().contains(self.pyatspi.STATE_SHOWING)):
                    found["onward"] = child
                if depth < 4:
                    walk(child, depth + 1)

        walk(self.window(), 0)
        return found


def fits(domino, ends):
    a, b = map(int, domino.split("-"))
    if ends is None:
        return "L"
    if ends[0] in (a, b):
        return "L"
    if ends[1] in (a, b):
        return "R"
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--launcher", required=True)
    parser.add_argument("--deadline", type=float, default=300)
    options = parser.parse_args()
    helper = subprocess.Popen([options.launcher, "--launch-immediately"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)
    import pyatspi
    game = subprocess.Popen([options.game, "--table", "partners"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    table = Table(pyatspi)
    deadline = time.monotonic() + options.deadline
    failures = []
    try:
        while table.window() is None:
            if game.poll() is not None or time.monotonic() > deadline:
                raise Failure("no table window: " + game.stderr.read().decode(errors="replace"))
            table.pump(0.2)
        subprocess.run(["xdotool", "search", "--sync", "--name", "Pipwright$", "windowfocus"],
                       capture_output=True, timeout=20)
        played = 0
        while True:
            if time.monotonic() > deadline:
                raise Failure("the hand took too long")
            table.pump(0.3)
            parts = table.parts()
            if "onward" in parts:
                break
            mine = [s for s in parts["seats"] if s.startswith("You,")]
            if not mine or not mine[0].endswith("to play"):
                continue
            hand = [item.name for item in children(parts["hand"])]
            match = ENDS.search(parts["line"].name)
            ends = (int(match.group(1)), int(match.group(2))) if match else None
            choice = None
            for index, domino in enumerate(hand):
                if ends is None and "6-6" in hand and domino != "6-6":
                    continue
                end = fits(domino, ends)
                if end:
                    choice = (index, end)
                    break
            before = len(table.news)
            if choice is None:
                key("c")
            else:
                # Right until the screen reader says the chosen domino has the focus.
                for _ in range(len(hand) + 1):
                    focused = [item.name for item in children(table.parts()["hand"])
                               if item.getState().contains(pyatspi.STATE_FOCUSED)]
                    if focused == [hand[choice[0]]]:
                        break
                    key("Right")
                    table.pump(0.15)
                key("Return", choice[1].lower())
            for _ in range(50):
                table.pump(0.1)
                if any(n.startswith("You:") for n in table.news[before:]):
                    break
            else:
                parts = table.parts()
                states = [(item.name, item.getState().contains(pyatspi.STATE_FOCUSED),
                           item.getState().contains(pyatspi.STATE_SELECTED))
                          for item in children(parts["hand"])]
                failures.append(f"my move was not told: {hand} on {ends}, chose {choice}, "
                                f"now {states}, told {table.news[before:]}")
                break
            played += 1
        table.pump(1)
        moves = [n for n in table.news if MOVE.match(n)]
        line = children(table.parts()["line"])
        laid = [n for n in moves if " passes" not in n]
        print(f"I played {played} times; the table told {len(moves)} moves, "
              f"{len(laid)} lays; the line holds {len(line)}")
        for n in table.news[-3:]:
            print("told:", n)
        if len(laid) != len(line):
            failures.append(f"{len(laid)} lays told for {len(line)} dominoes on the line")
        if not any("The hand is over" in n or "went out" in n or "blocked" in n
                   for n in table.news):
            failures.append("the hand's end was not told")
    except Failure as failure:
        failures.append(str(failure))
    finally:
        game.kill()
        helper.kill()
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
