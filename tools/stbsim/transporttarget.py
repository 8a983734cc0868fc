"""The target's side of the serial transport while its application runs.

Everything the host sends is either a typed key or a '#' request: a 9-byte
header (type and length in the target's byte order) and its payload. A '#'
that does not go on like a header was typed, and is echoed like any key.
The high-speed packet (three little-endian words 4, 0x41000000, divisor) is
recognised the same way, from its first byte on.
"""
import collections
import struct

FRAME_START = 0x23
HEADER_SIZE = 9
REQUEST_TYPES = frozenset((0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12))
HANDSHAKE_TYPES = frozenset((1, 2))
MAX_FRAME_LENGTH = 0x1000000
HIGH_SPEED_START = 0x04
HIGH_SPEED_SIZE = 12
HIGH_SPEED_COMMAND = 0x41000000
HIGH_SPEED_CLOCK = 123000000
STALE_SECONDS = 2.0

Keys = collections.namedtuple("Keys", "data")
Request = collections.namedtuple("Request", "type payload")
HandshakeHeader = collections.namedtuple("HandshakeHeader", "type length")
HandshakePayload = collections.namedtuple("HandshakePayload", "type payload")
HighSpeed = collections.namedtuple("HighSpeed", "divisor")
Dropped = collections.namedtuple("Dropped", "data")


def high_speed_packet(packet):
    """None while packet may still grow into the high-speed packet, False when
    it cannot, else the divisor it carries."""
    expected = struct.pack("<II", HIGH_SPEED_START, HIGH_SPEED_COMMAND)
    head = bytes(packet[:len(expected)])
    if head != expected[:len(head)]:
        return False
    if len(packet) < HIGH_SPEED_SIZE:
        return None
    return struct.unpack_from("<I", packet, 8)[0]


def baud_from_divisor(divisor):
    return HIGH_SPEED_CLOCK // (32 * (divisor + 1))


class TransportTarget:
    def __init__(self, little_endian=True):
        self.order = "<" if little_endian else ">"
        self._reset()
        self._last = 0.0
        self._events = []

    def feed(self, data, now):
        """Takes received bytes and returns the events they complete, in order."""
        self.expire(now)
        self._last = now
        self._consume(bytes(data))
        return self._take_events()

    def expire(self, now):
        """Gives up a request that stopped arriving; a half header was typed text."""
        if self._kind is not None and now - self._last > STALE_SECONDS:
            if self._kind in ("header", "high-speed"):
                self._events.append(Keys(bytes(self._pending)))
            else:
                self._events.append(Dropped(bytes(self._pending)))
            self._reset()
        return self._take_events()

    def _reset(self):
        self._kind = None
        self._pending = bytearray()
        self._type = 0
        self._length = 0

    def _take_events(self):
        merged = []
        for event in self._events:
            if merged and isinstance(event, Keys) and isinstance(merged[-1], Keys):
                merged[-1] = Keys(merged[-1].data + event.data)
            else:
                merged.append(event)
        self._events = []
        return merged

    def _consume(self, data):
        i = 0
        while i < len(data):
            if self._kind is None:
                starts = [j for j in (data.find(FRAME_START, i), data.find(HIGH_SPEED_START, i)) if j >= 0]
                if not starts:
                    self._events.append(Keys(data[i:]))
                    return
                j = min(starts)
                if j > i:
                    self._events.append(Keys(data[i:j]))
                self._kind = "header" if data[j] == FRAME_START else "high-speed"
                self._pending = bytearray(data[j:j + 1])
                i = j + 1
            elif self._kind in ("payload", "handshake"):
                take = data[i:i + self._length - len(self._pending)]
                self._pending += take
                i += len(take)
                self._finish_payload_if_complete()
            else:
                self._pending.append(data[i])
                i += 1
                if not self._match():
                    rejected = bytes(self._pending)
                    self._reset()
                    self._events.append(Keys(rejected[:1]))
                    self._consume(rejected[1:])

    def _match(self):
        """Checks the byte just added; False when the bytes are no request after all."""
        if self._kind == "high-speed":
            divisor = high_speed_packet(self._pending)
            if divisor is False:
                return False
            if divisor is not None:
                self._events.append(HighSpeed(divisor))
                self._reset()
            return True
        index = len(self._pending) - 1
        if 1 <= index <= 4:
            type_low_index = 1 if self.order == "<" else 4
            byte = self._pending[index]
            if index == type_low_index:
                return byte in REQUEST_TYPES
            return byte == 0
        if index == HEADER_SIZE - 1:
            self._type, self._length = struct.unpack_from(self.order + "II", self._pending, 1)
            if self._length > MAX_FRAME_LENGTH:
                return False
            if self._type in HANDSHAKE_TYPES:
                self._events.append(HandshakeHeader(self._type, self._length))
                self._kind = "handshake"
            else:
                self._kind = "payload"
            self._pending = bytearray()
            self._finish_payload_if_complete()
        return True

    def _finish_payload_if_complete(self):
        if len(self._pending) < self._length:
            return
        payload = bytes(self._pending)
        if self._kind == "handshake":
            self._events.append(HandshakePayload(self._type, payload))
        else:
            self._events.append(Request(self._type, payload))
        self._reset()
