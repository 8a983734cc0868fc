"""The whole simulated set-top box: bytes from the host in, bytes to it out.

The box is in one of four modes:
- console: its application runs; it echoes keys and answers '#' requests;
- sync: it was reset, and its boot code sends the sync byte until the host
  answers or the boot goes on into the application;
- upgrade: the host answered the sync byte; the boot code takes a client
  program, which then serves the upgrade link;
- booting: it restarts after an upgrade and ignores what it receives.
No I/O happens here: the caller passes the time with every call.
"""
import random
import struct

from consoleshell import ConsoleShell
from faults import Faults
from replyframes import ReplyFrames
from targetmemory import TargetMemory
from targetos import TargetOs
from timeline import Timeline
from transporttarget import (Dropped, HandshakeHeader, HandshakePayload, HighSpeed, Keys, Request,
                             TransportTarget, baud_from_divisor, FRAME_START)
from upgradetarget import UpgradeTarget

SYNC_BYTE = b"\xA5"
SYNC_REPLY = 0x60
REQUEST_5 = 5
STREAM_INTERVAL = 0.5
FINISH_REBOOT_DELAY = 1.0


class SetTopBox:
    def __init__(self, flash, now=0.0, little_endian=True, log=None, on_flash_written=None,
                 sync_window=2.0, sync_interval=0.25, burn_step=0.02):
        self.flash = flash
        self.memory = TargetMemory(flash)
        self.faults = Faults()
        self.timeline = Timeline()
        self.log = log or (lambda text: None)
        self.little_endian = little_endian
        self.on_flash_written = on_flash_written or (lambda: None)
        self.sync_window = sync_window
        self.sync_interval = sync_interval
        self.burn_step = burn_step
        self.os = TargetOs(now)
        self.replies = ReplyFrames(self.memory, self.os, self.faults, little_endian)
        self.upgrade = None
        # Set when the target drops the line: the serial loop then closes it.
        self.hung_up = False
        self._stream = 0
        self._start_application(now)

    def feed(self, data, now):
        if self.mode == "console":
            out = bytearray()
            for event in self.transport.feed(data, now):
                out += self._console_event(event, now)
            return bytes(out)
        if self.mode == "sync":
            reply = data.find(bytes([SYNC_REPLY]))
            if reply < 0:
                return b""
            self.timeline.clear()
            self.mode = "upgrade"
            self.log("sync answered: boot code waits for a client")
            self.upgrade = UpgradeTarget(self.flash, self.memory, self.faults, self.timeline, self.log,
                                         self.on_flash_written, self._finished, self.burn_step)
            return self.upgrade.feed(data[reply + 1:], now)
        if self.mode == "upgrade":
            return self.upgrade.feed(data, now)
        return b""

    def poll(self, now):
        """Output that has become due by now."""
        out = bytearray(self.timeline.due(now))
        if self.mode == "console":
            for event in self.transport.expire(now):
                out += self._console_event(event, now)
        return bytes(out)

    def next_time(self):
        return self.timeline.next_time()

    def reset(self, now):
        """Power cycle: the boot code offers the sync byte, then starts the application."""
        self.timeline.clear()
        self.mode = "sync"
        self.upgrade = None
        self._stream += 1
        self.log("reset")
        ticks = max(1, int(self.sync_window / self.sync_interval))
        for k in range(ticks):
            self.timeline.at(now + k * self.sync_interval, SYNC_BYTE)
        self.timeline.at(now + self.sync_window, self._boot)

    def say(self, text):
        if self.mode != "console":
            return b""
        return self.shell.say(text)

    def _start_application(self, now):
        self.mode = "console"
        self.transport = TransportTarget(self.little_endian)
        self.shell = ConsoleShell(self.os, self.reset)
        self.os.boot_time = now

    def _boot(self, now):
        self._start_application(now)
        self.log("application started")
        return self.shell.banner(now)

    def _finished(self, now):
        self.mode = "booting"
        self.timeline.at(now + FINISH_REBOOT_DELAY, self._boot)

    def _console_event(self, event, now):
        if isinstance(event, Keys):
            return self.shell.keys(event.data, now)
        if isinstance(event, Request):
            self.log("request type %d, %d payload bytes" % (event.type, len(event.payload)))
            if event.type == REQUEST_5:
                return self._request_5(event.payload, now)
            return self._reply(event, now)
        if isinstance(event, HandshakeHeader):
            self.log("handshake type %d for %d bytes" % (event.type, event.length))
            return bytes([FRAME_START])
        if isinstance(event, HandshakePayload):
            self.log("handshake type %d payload: %s" % (event.type, event.payload[:32].hex()))
        elif isinstance(event, HighSpeed):
            self.log("high-speed switch: divisor %d (about %d baud)"
                     % (event.divisor, baud_from_divisor(event.divisor)))
        elif isinstance(event, Dropped):
            self.log("dropped %d bytes of an unfinished request" % len(event.data))
        return b""

    def _reply(self, request, now):
        reply = self.replies.answer(request, now) or b""
        if reply and self.faults.take("reply-silent"):
            self.log("reply of %d bytes withheld" % len(reply))
            return b""
        if reply and self.faults.take("reply-cut"):
            self.log("reply cut after %d of %d bytes; hanging up" % (len(reply) // 2, len(reply)))
            self.hung_up = True
            return reply[:len(reply) // 2]
        return reply

    def garbage(self, count):
        """Line noise: the same pseudo-random bytes for the same count."""
        if self.mode != "console":
            return b""
        return random.Random(count).randbytes(count)

    def _request_5(self, payload, now):
        """A nonzero first byte starts a stream of type-5 frames; zero stops it."""
        self._stream += 1
        if payload[:1] not in (b"", b"\0"):
            stream = self._stream
            self.timeline.at(now, lambda when: self._stream_frame(stream, when))
        return b""

    def _stream_frame(self, stream, now):
        if stream != self._stream or self.mode != "console":
            return None
        self.timeline.at(now + STREAM_INTERVAL, lambda when: self._stream_frame(stream, when))
        payload = struct.pack("<I", self.os.ticks(now))
        return self.replies.header(REQUEST_5, len(payload)) + payload
