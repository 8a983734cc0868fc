"""The serial loop paced to a line rate, on a pty pair, with the clock in the
test's hand: what crosses the line at each moment of line time."""
import os
import select
import tty
import unittest

from eventlog import EventLog
from serialloop import SerialLoop, bytes_waiting

BYTE = 10 / 115200
# Long enough for a pty to pass on bytes that were written to it.
SETTLE = 0.05


class EchoFreeBox:
    """Takes what the host sends and says what the test gives it to say."""
    hung_up = False

    def __init__(self):
        self.received = bytearray()
        self.to_say = b""

    def feed(self, data, now):
        self.received += data
        return b""

    def poll(self, now):
        said, self.to_say = self.to_say, b""
        return said

    def next_time(self):
        return None


class PacedLoopTest(unittest.TestCase):
    def setUp(self):
        self.host, self.target = os.openpty()
        self.addCleanup(os.close, self.host)
        self.addCleanup(os.close, self.target)
        tty.setraw(self.host)
        tty.setraw(self.target)
        self.box = EchoFreeBox()
        self.now = 0.0
        self.loop = SerialLoop(self.box, os.ttyname(self.target), EventLog(), lambda path=None: path,
                               pace=115200, clock=lambda: self.now)
        self.loop.running = True

    def turn_at(self, now):
        self.now = now
        self.loop.turn(self.target, [])

    def host_reads(self):
        data = b""
        while select.select([self.host], [], [], SETTLE)[0]:
            data += os.read(self.host, 4096)
        return data

    def test_the_targets_bytes_leave_as_the_line_carries_them(self):
        said = bytes(range(100))
        self.box.to_say = said
        self.turn_at(1.0)
        self.assertEqual(self.host_reads(), b"")
        self.turn_at(1.0 + 40 * BYTE)
        self.assertEqual(self.host_reads(), said[:40])
        self.turn_at(2.0)
        self.assertEqual(self.host_reads(), said[40:])

    def test_the_hosts_bytes_wait_in_the_line_until_carried(self):
        sent = bytes(range(200)) * 5
        os.write(self.host, sent)
        self.turn_at(1.0)
        self.assertEqual(bytes(self.box.received), b"")
        self.turn_at(1.0 + 300 * BYTE)
        self.assertEqual(bytes(self.box.received), sent[:300])
        self.assertEqual(bytes_waiting(self.target), 700)
        self.turn_at(1.0 + 1000 * BYTE)
        self.assertEqual(bytes(self.box.received), sent)
        self.assertEqual(bytes_waiting(self.target), 0)

    def test_a_pause_on_the_line_is_not_made_up_later(self):
        os.write(self.host, b"first")
        self.turn_at(1.0)
        self.turn_at(2.0)
        os.write(self.host, b"second")
        self.turn_at(5.0)
        self.turn_at(5.0 + 3 * BYTE)
        self.assertEqual(bytes(self.box.received), b"firstsec")
