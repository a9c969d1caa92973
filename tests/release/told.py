"""What the game's notifications tell, each text taken from its own events.

The game tells news by renaming its notification object and showing it
again. Reading the object's name when the showing event is handled gives the
newest text, which under load may already be the next one; the name-change
event carries the text it set, so each showing is told with the text the
name last changed to before it.
"""


class Told:
    def __init__(self):
        self.texts = []
        self._named = None

    def heard(self, event, role):
        """Takes one event of the notification; returns the text it told, if any."""
        if role != "notification":
            return None
        if event.type.startswith("object:property-change:accessible-name"):
            if isinstance(event.any_data, str):
                self._named = event.any_data
            return None
        if event.type.startswith("object:state-changed:showing") and event.detail1:
            text = self._named if self._named is not None else (event.source.name or "")
            self.texts.append(text)
            return text
        return None
