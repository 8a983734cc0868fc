"""Output the target sends later: repeated sync bytes, burn progress, boot text."""
import heapq
import itertools


class Timeline:
    def __init__(self):
        self._items = []
        self._order = itertools.count()

    def at(self, due, action):
        """Queues bytes, or a callable of the time that returns bytes or None."""
        heapq.heappush(self._items, (due, next(self._order), action))

    def due(self, now):
        out = bytearray()
        while self._items and self._items[0][0] <= now:
            _, _, action = heapq.heappop(self._items)
            produced = action(now) if callable(action) else action
            if produced:
                out += produced
        return bytes(out)

    def next_time(self):
        return self._items[0][0] if self._items else None

    def clear(self):
        self._items = []
