"""Event handling for the by-ear drivers."""


def pump(seconds):
    """Handles the accessibility events that come for this long, inside libatspi's
    own loop: there each event's object is read as the events so far left it, so a
    notification says what it said when it was shown, not what the game says now.
    Outside it, the tree is read afresh from the game."""
    # Imported here, once the driver has started the accessibility bus.
    from gi.repository import Atspi, GLib
    GLib.timeout_add(max(1, int(seconds * 1000)), lambda: Atspi.event_quit() or False)
    Atspi.event_main()
