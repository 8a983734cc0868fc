"""The simulator's log: what crossed the line and what the target made of it."""
import time

SHOWN_BYTES = 48


class EventLog:
    def __init__(self, path=None):
        self._file = open(path, "a", buffering=1, encoding="utf-8") if path else None
        self._start = time.monotonic()

    def write(self, text):
        if self._file:
            self._file.write("%10.3f %s\n" % (time.monotonic() - self._start, text))

    def traffic(self, direction, data):
        shown = data[:SHOWN_BYTES].hex(" ")
        more = " ... (%d bytes)" % len(data) if len(data) > SHOWN_BYTES else ""
        self.write("%s %s%s" % (direction, shown, more))

    def close(self):
        if self._file:
            self._file.close()
            self._file = None
