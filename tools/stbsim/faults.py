"""Faults a test can arm in the target, each for a number of occasions."""

FAULTS = {
    "reply-crc": "the next replies carrying a check value carry a wrong one",
    "packet-error": "the next data packets are answered with an error",
    "packet-silent": "the next data packets are not answered",
    "command-error": "the next commands are answered with an error result",
    "burn-error": "the next burns end with an error",
    "no-end-byte": "the next downloads end without the end byte",
    "reply-silent": "the next '#' requests get no reply",
    "reply-cut": "the next reply stops halfway and the target hangs up the line",
}


class Faults:
    def __init__(self):
        self._armed = {}

    def arm(self, name, count=1):
        if name not in FAULTS:
            raise KeyError("no fault named %r" % name)
        self._armed[name] = self._armed.get(name, 0) + count

    def take(self, name):
        """True, and one occasion fewer, when the fault is armed."""
        left = self._armed.get(name, 0)
        if left:
            self._armed[name] = left - 1
        return left > 0

    def armed(self):
        return {name: n for name, n in self._armed.items() if n}
