#!/usr/bin/python3
"""Plays one round of the real program by ear.

Everything the driver knows comes from the accessibility tree and its events:
the hand's items, the line's open ends, the BoneYard's count and the news
it is told as notifications. It acts only through keys. At the end it checks
what a player would have heard, and prints a table of what the tree said in
each phase.
"""

import argparse
import os
import re
import subprocess
import sys
import time

import atspi_events

DOMINO = re.compile(r"^(\d)-(\d)$")
ENDS = re.compile(r"left end (\d+), right end (\d+)")
COUNT = re.compile(r"(\d+) domino")
# How long one step may take before the check gives up: many times what it
# takes on a busy machine.
STEP_LIMIT = 120


class Failure(Exception):
    pass


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True)


class Ear:
    def __init__(self, pyatspi, deadline):
        self.pyatspi = pyatspi
        self.events = []
        self.deadline = time.monotonic() + deadline
        pyatspi.Registry.registerEventListener(
            self.heard, "object:state-changed:focused", "object:state-changed:showing",
            "object:property-change:accessible-description",
            "object:property-change:accessible-name", "window:activate")

    def heard(self, event):
        if event.source is None:
            return
        try:
            app = event.source.getApplication()
            if app is None or app.name != "Pipwright":
                return
            # Handled in libatspi's loop, the object says what it said when the
            # event was sent, though the game may have told more since.
            role, name = event.source.getRoleName(), event.source.name
            said = event.source.description if "description" in event.type else name
        except Exception:
            return
        self.events.append((event.type, role, name, event.detail1, said or ""))

    def news(self, mark=0):
        """What the game told, in order: each notification with the text it told."""
        return [e[4] for e in self.events[mark:]
                if e[0] == "object:state-changed:showing" and e[1] == "notification" and e[3]]

    def told_again(self):
        """News told twice in a row with no key pressed between: a move told twice."""
        again, last = [], None
        for kind, role, _, shown, said in self.events:
            if kind == "key":
                last = None
            elif kind == "object:state-changed:showing" and role == "notification" and shown:
                if said == last:
                    again.append(said)
                last = said
        return again

    @staticmethod
    def pump(seconds):
        atspi_events.pump(seconds)

    def wait_for(self, what, test, limit=STEP_LIMIT):
        """Handles events until test gives something true, and returns that."""
        until = min(time.monotonic() + limit, self.deadline)
        while True:
            # Events first: each names what the object says when it is handled,
            # so it is handled before the game can move on.
            self.pump(0.05)
            found = test()
            if found:
                return found
            if time.monotonic() > until:
                raise Failure(f"{what}: nothing after {limit} s")

    def since(self, mark, kind=None):
        return [e for e in self.events[mark:] if kind is None or e[0] == kind]


class Table:
    """The main window's tree, read afresh each time."""

    def __init__(self, pyatspi):
        self.pyatspi = pyatspi

    def app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            child = desktop.getChildAtIndex(i)
            if child is not None and child.name == "Pipwright":
                return child
        return None

    def windows(self):
        app = self.app()
        return [app.getChildAtIndex(i) for i in range(app.childCount)] if app else []

    def dialog_up(self):
        return any(w is not None and w.getRoleName() in ("dialog", "alert")
                   for w in self.windows())

    def main(self):
        for window in self.windows():
            if window.getRoleName() == "frame" and window.name == "Pipwright":
                return window
        raise Failure("no main window in the tree")

    def parts(self):
        parts = {}
        for filler in self.children(self.main()):
            for part in self.children(filler):
                role, name = part.getRoleName(), part.name or ""
                if role == "list" and name == "Your dominoes":
                    parts["hand"] = part
                elif role == "list" and name.startswith("The line"):
                    parts["line"] = part
                elif name.startswith("BoneYard:"):
                    parts["boneyard"] = part
                elif role == "push button" and name == "Can't Play":
                    parts["cantplay"] = part
        return parts

    @staticmethod
    def children(obj):
        """The object's children; one that went away while the list changed is left out."""
        found = [obj.getChildAtIndex(i) for i in range(obj.childCount)] if obj else []
        return [child for child in found if child is not None]

    def read(self):
        parts = self.parts()
        hand = [item.name for item in self.children(parts.get("hand"))]
        line_name = parts["line"].name
        ends = ENDS.search(line_name)
        count = COUNT.search(parts["boneyard"].name)
        return {
            "hand": hand,
            "line": [item.name for item in self.children(parts["line"])],
            "line_name": line_name,
            "ends": (int(ends.group(1)), int(ends.group(2))) if ends else None,
            "boneyard": int(count.group(1)) if count else 0,
            "dialogs": [(w.getRoleName(), w.name) for w in self.windows()
                        if w.getRoleName() in ("dialog", "alert")],
        }

    def focused_item(self):
        hand = self.parts().get("hand")
        for item in self.children(hand):
            if item.getState().contains(self.pyatspi.STATE_FOCUSED):
                return item
        return None

    def selected_item(self):
        for item in self.children(self.parts().get("hand")):
            if item.getState().contains(self.pyatspi.STATE_SELECTED):
                return item.name
        return None

    def roles_below_window(self):
        roles = set()

        def walk(obj):
            for child in self.children(obj):
                roles.add(child.getRoleName())
                walk(child)
        walk(self.main())
        return roles

    def dialog_text(self):
        texts = []

        def walk(obj):
            for child in self.children(obj):
                if child.getRoleName() == "label" and child.name:
                    texts.append(child.name)
                walk(child)
        for window in self.windows():
            if window.getRoleName() in ("dialog", "alert"):
                texts.insert(0, f"{window.getRoleName()} '{window.name}'")
                walk(window)
        return texts


class Player:
    def __init__(self, ear, table, log):
        self.ear, self.table, self.log = ear, table, log
        self.phases = []
        self.focus_checks = 0
        self.name_changes_on_moves = 0

    def key(self, *keys, over_dialogs=False):
        """Presses keys in turn, and none once a window has come up over the table
        (unless they are meant for it): it would take them, and Return or Escape
        would close it unseen."""
        for k in keys:
            if not over_dialogs and self.table.dialog_up():
                return
            # Marks the key among the events, so news told again after it is an answer.
            self.ear.events.append(("key", "", k, 0, ""))
            xdotool("key", k)
            self.ear.pump(0.12)

    def note_phase(self, label):
        seen = self.table.read()
        focus = self.table.focused_item()
        row = (label, ", ".join(seen["hand"]) or "-", seen["line_name"],
               f"{seen['boneyard']} face down", focus.name if focus else "-")
        if not self.phases or self.phases[-1][1:] != row[1:]:
            self.phases.append(row)

    def select(self, target, count, hand, tries=3):
        """Moves the focus with Right until it reaches the target. Each Right is answered
        by a focus event, or, where the event does not come, by the tree: its focus moved
        off the domino it rested on before the key, or rests where this many Rights after
        Escape land (the first Right may land on the domino that holds the focus already).
        Keys pressed while the computer still plays are lost: when the table moves on
        meanwhile, the selection starts again on the hand as it is then."""
        self.key("Escape")
        for step in range(count + 1 + len(hand)):
            # The events the game sent before it answered are handled before the mark.
            seen = self.table.read()
            self.ear.pump(0.05)
            resting = self.focus_name()
            mark = len(self.ear.events)
            self.key("Right")
            try:
                focus = self.ear.wait_for(
                    "a focus event after Right",
                    lambda: [e for e in self.ear.since(mark, "object:state-changed:focused")
                             if e[3] == 1 and e[1] == "list item"]
                    or self.focus_moved(resting, step % max(1, len(hand)))
                    or (["moved on"] if self.changed(seen) else []), limit=20)
            except Failure as failure:
                now = self.table.read()
                if tries <= 1:
                    raise Failure(f"{failure}; focus on {self.focus_name()}, hand {now['hand']}, "
                                  f"told last {self.ear.news()[-2:]}") from failure
                # A key lost on the way: start again from Escape.
                self.log(f"no answer to Right: again ({failure})")
                focus = ["moved on"]
                tries -= 1
            if focus == ["moved on"]:
                now = self.table.read()["hand"]
                if target not in now:
                    return
                return self.select(target, now.index(target), now, tries)
            # Moving the focus renames nothing; the computer's move meanwhile may,
            # and so may one whose events come late: to a name the tree already had.
            if not self.changed(seen):
                known = set(seen["hand"]) | set(seen["line"]) | {seen["line_name"]}
                self.name_changes_on_moves += len(
                    [e for e in self.ear.since(mark, "object:property-change:accessible-name")
                     if e[1] in ("list", "list item") and e[4] not in known])
            self.focus_checks += 1
            if focus[-1][2] == target:
                return
        raise Failure(f"the focus never reached {target}")

    def focus_name(self):
        focus = self.table.focused_item()
        return focus.name if focus else None

    def focus_moved(self, resting, index):
        """The tree's focus as one event, once it has left the domino it rested on or
        rests on the hand's domino at index."""
        name = self.focus_name()
        hand = self.table.read()["hand"]
        landed = index < len(hand) and name == hand[index]
        return [("tree", "list item", name, 1)] if name and (name != resting or landed) else []

    def changed(self, before):
        return self.table.read() != before

    def attempt(self, keys, before):
        """Presses keys and waits for the game to show something new: the move, the
        computer's when the keys came while it still played, or news such as a refusal
        when the table had changed since it was read."""
        mark = len(self.ear.events)
        self.key(*keys)
        return self.ear.wait_for(f"the game's answer to {'+'.join(keys)}",
                                 lambda: self.changed(before) or self.ear.news(mark))

    def lay(self, index, domino, end, before):
        self.select(domino, index, before["hand"])
        if end is None:
            self.attempt(["Return"], before)
            return
        self.key("Return")
        # Enter selects, unless the computer is still playing: then its move comes.
        self.ear.wait_for("Enter selecting the focused domino",
                          lambda: self.table.selected_item() == domino or self.changed(before))
        if self.table.selected_item() == domino:
            self.attempt([end], before)

    def move(self):
        """One move: the first domino that fits, else a draw, else Can't Play. Each waits
        for the game's answer."""
        seen = self.table.read()
        hand, ends = seen["hand"], seen["ends"]
        if ends is None:
            if len(hand) >= 7:
                self.lay(0, hand[0], None, seen)
                return "set the Set Domino"
            self.attempt(["b"], seen)
            return "drew"
        for index, domino in enumerate(hand):
            a, b = map(int, DOMINO.match(domino).groups())
            for end, open_end in (("l", ends[0]), ("r", ends[1])):
                if open_end in (a, b):
                    self.lay(index, domino, end, seen)
                    return f"laid {domino} on the {'left' if end == 'l' else 'right'}"
        if seen["boneyard"]:
            self.attempt(["b"], seen)
            return "drew"
        self.attempt(["c"], seen)
        return "could not play"

    def play(self):
        while True:
            self.note_phase(self.last_prompt())
            seen = self.table.read()
            if any(role == "dialog" for role, _ in seen["dialogs"]):
                return
            if any(role == "alert" for role, _ in seen["dialogs"]):
                self.log("an alert: Return")
                self.key("Return", over_dialogs=True)
                self.ear.wait_for("the alert closing on Return", lambda: not any(
                    role == "alert" for role, _ in self.table.read()["dialogs"]))
                continue
            done = self.move()
            self.log(f"{done}: hand {len(self.table.read()['hand'])}")

    def last_prompt(self):
        news = self.ear.news()
        return news[-1][:60] if news else "start"


def main_window_shown(table):
    try:
        return table.main().getState().contains(table.pyatspi.STATE_SHOWING)
    except Exception:
        return False


def check_tab_order(ear, table, failures):
    """Tab goes round the hand, Can't Play, the line and the BoneYard."""
    stops = []
    for _ in range(4):
        mark = len(ear.events)
        xdotool("key", "Tab")
        focus = ear.wait_for("a focus event after Tab",
                             lambda: [e for e in ear.since(mark, "object:state-changed:focused")
                                      if e[3] == 1])
        stops.append(f"{focus[-1][1]} '{focus[-1][2]}'" if focus else "nothing")
    print("Tab:", " -> ".join(stops))
    expected = ["push button", "list", "image", "list"]
    if [s.split(" '")[0] for s in stops] != expected:
        failures.append(f"Tab order was {stops}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--launcher", required=True)
    parser.add_argument("--orca", help="also run the screen reader, logging to this file")
    parser.add_argument("--deadline", type=float, default=1200)
    options = parser.parse_args()
    started = time.monotonic()
    helpers = [subprocess.Popen([options.launcher, "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
    time.sleep(0.5)
    import pyatspi
    if options.orca:
        helpers.append(subprocess.Popen(
            ["orca", "--disable=speech", f"--debug-file={options.orca}"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        time.sleep(3)
    game = subprocess.Popen([options.game], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    ear = Ear(pyatspi, options.deadline)
    table = Table(pyatspi)
    failures = []
    try:
        ear.wait_for("the game on the accessibility bus",
                     lambda: table.app() or game.poll() is not None)
        if game.poll() is not None:
            raise Failure(f"the game ended at start with {game.returncode}: "
                          f"{game.stderr.read().decode(errors='replace')[-2000:]}")
        try:
            subprocess.run(["xdotool", "search", "--sync", "--name", "^Pipwright$", "windowfocus"],
                           capture_output=True, timeout=STEP_LIMIT)
        except subprocess.TimeoutExpired:
            raise Failure("the name window did not appear") from None
        xdotool("type", "--delay", "40", "tess")
        xdotool("key", "Return")
        ear.wait_for("the main window", lambda: main_window_shown(table))
        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Pipwright$"],
                                capture_output=True, text=True).stdout.split()
        if window:
            xdotool("windowfocus", "--sync", window[-1])
        roles = table.roles_below_window()
        print("roles below the window:", ", ".join(sorted(roles)))
        if "frame" in roles:
            failures.append("a frame below the window")
        check_tab_order(ear, table, failures)
        player = Player(ear, table, lambda text: print("  " + text))
        player.play()
        player.note_phase("result")
        print("the result window:", " | ".join(table.dialog_text()))
        if not table.dialog_text() or len(table.dialog_text()) < 2:
            failures.append("the result window has no text")
        news = ear.news()
        print("told:")
        for text in news:
            print("   ", text)
        for later in ear.told_again():
            failures.append(f"told twice in a row: {later}")
        if not any("Computer's Selection" in text for text in news):
            failures.append("the computer's move was never told")
        # A round may pass with nobody scoring; a score the panels showed is told.
        shown = [e[4] for e in ear.events if e[0] == "object:property-change:accessible-name"
                 and e[1] == "label" and "'s Score=" in e[4]]
        print("scores shown:", ", ".join(shown) or "none")
        if shown and not any("'s Score=" in text for text in news):
            failures.append("no score was told")
        if player.focus_checks == 0:
            failures.append("no focus event checked")
        if player.name_changes_on_moves:
            failures.append(f"{player.name_changes_on_moves} name changes while moving the focus")
        print("\nphase | hand | line | BoneYard | focus")
        for row in player.phases:
            print(" | ".join(row))
        for role, name in table.read()["dialogs"]:
            xdotool("search", "--name", f"^{re.escape(name)}$", "windowfocus")
            xdotool("key", "Return")
        ear.wait_for("the result window closing", lambda: not table.read()["dialogs"])
        xdotool("search", "--onlyvisible", "--name", "^Pipwright$", "windowfocus", "--sync")
        xdotool("key", "ctrl+q")
        game.wait(timeout=STEP_LIMIT)
        if game.returncode != 0:
            failures.append(f"the game ended with {game.returncode}")
    except Failure as failure:
        failures.append(str(failure))
    finally:
        if game.poll() is None:
            game.kill()
        for helper in helpers:
            helper.terminate()
    if options.orca and os.path.exists(options.orca):
        spoken = [line.strip() for line in open(options.orca, errors="replace")
                  if "SPEECH OUTPUT" in line]
        print(f"\nthe screen reader said {len(spoken)} things")
        said = [line.split("SPEECH OUTPUT: ", 1)[1] for line in spoken]
        if not any(re.match(r"'\d-\d\.'", text) for text in said):
            failures.append("the screen reader never spoke a focused domino")
        if not any("Computer's Selection" in text for text in said):
            failures.append("the screen reader never spoke the computer's move")
    print(f"by ear in {time.monotonic() - started:.0f} s")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
