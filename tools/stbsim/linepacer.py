"""One direction of a serial line at a real rate: when the bytes waiting on it
have been carried. No I/O and no clock: the caller passes the time.

A byte takes BITS_PER_BYTE bit times (start bit, eight data bits, stop bit).
Bytes that begin to wait on an idle line start at that moment: an idle line
banks no time for later bytes.
"""
BITS_PER_BYTE = 10
# The loop wakes for this much line time at once rather than for every byte;
# the last byte waiting is still let through on its own time.
BATCH_SECONDS = 0.002
# Keeps a byte due exactly at now from counting as not yet carried.
ROUNDING = 1e-9


class LinePacer:
    def __init__(self, baud, bits_per_byte=BITS_PER_BYTE, batch_seconds=BATCH_SECONDS):
        if baud <= 0:
            raise ValueError("the line rate must be positive, not %r" % baud)
        self.byte_time = bits_per_byte / baud
        self.batch = max(1, int(batch_seconds / self.byte_time))
        self._run_start = None
        self._carried = 0

    def start(self, now):
        """Bytes begin to wait: the line carries none of them before now,
        unless it is still busy with earlier ones."""
        if self._run_start is None or now > self.busy_until():
            self._run_start = now
            self._carried = 0

    def busy_until(self):
        """When the line has carried every byte taken so far (None before
        anything waited)."""
        if self._run_start is None:
            return None
        return self._run_start + self._carried * self.byte_time

    def due(self, now, waiting):
        """How many of the waiting bytes the line has carried by now."""
        if self._run_start is None:
            return 0
        carried = int((now - self._run_start) / self.byte_time + ROUNDING) - self._carried
        return max(0, min(waiting, carried))

    def take(self, count):
        """Counts bytes as carried (written out, or read in)."""
        self._carried += count

    def wait(self, now, waiting):
        """Seconds until a batch of the waiting bytes, or all of them when
        fewer wait, has been carried."""
        if waiting <= 0 or self._run_start is None:
            return None
        ready = self._run_start + (self._carried + min(waiting, self.batch)) * self.byte_time
        return max(0.0, ready - now)
