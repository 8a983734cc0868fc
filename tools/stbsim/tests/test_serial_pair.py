"""The simulator as a process on one end of a real pty pair, a host on the other."""
import os
import select
import shutil
import socket
import struct
import subprocess
import sys
import tempfile
import time
import tty
import unittest

from tests.hostside import client_upload, command, frame, packet, parse_frames, reference_crc
from tests.test_upgrade import BANNER, DM_POSITION, fixture_image

SIMULATOR = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "stbsim.py")
TIMEOUT = 10.0


def wait_for(condition, what):
    deadline = time.monotonic() + TIMEOUT
    while not condition():
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.02)


@unittest.skipUnless(shutil.which("socat"), "socat is not installed")
class SerialPairTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="stbsim-")
        self.addCleanup(shutil.rmtree, self.folder)
        self.path = lambda name: os.path.join(self.folder, name)
        self.image = bytes(fixture_image())
        with open(self.path("in.bin"), "wb") as f:
            f.write(self.image)
        self.socat = subprocess.Popen(["socat", "pty,raw,echo=0,link=" + self.path("host"),
                                       "pty,raw,echo=0,link=" + self.path("target")])
        self.addCleanup(self.stop, self.socat)
        wait_for(lambda: os.path.exists(self.path("host")) and os.path.exists(self.path("target")), "the pty pair")
        self.simulator = subprocess.Popen([sys.executable, SIMULATOR, "--port", self.path("target"),
                                           "--flash", self.path("in.bin"), "--flash-out", self.path("out.bin"),
                                           "--control", self.path("control"), "--log", self.path("log.txt")])
        self.addCleanup(self.stop, self.simulator)
        wait_for(lambda: os.path.exists(self.path("control")), "the control socket")
        self.line = os.open(self.path("host"), os.O_RDWR | os.O_NOCTTY)
        self.addCleanup(os.close, self.line)
        tty.setraw(self.line)

    @staticmethod
    def stop(process):
        if process.poll() is None:
            process.terminate()
            process.wait(TIMEOUT)

    def control(self, line):
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as client:
            client.connect(self.path("control"))
            client.sendall(line.encode() + b"\n")
            return client.makefile().readline().strip()

    def read(self, count):
        data = b""
        deadline = time.monotonic() + TIMEOUT
        while len(data) < count:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.line], [], [], left)[0]:
                raise AssertionError("got %r, wanted %d bytes" % (data, count))
            data += os.read(self.line, count - len(data))
        return data

    def read_until(self, ending):
        data = b""
        while not data.endswith(ending):
            data += self.read(1)
        return data

    def read_burn(self):
        """The progress reports ('B' and a percentage, which may itself read
        as 'F') and the ending byte after them."""
        reports = []
        while True:
            first = self.read(1)
            if first != b"B":
                return reports, first
            reports.append(self.read(1)[0])

    def exchange(self, data, count):
        os.write(self.line, data)
        return self.read(count)

    def test_console_and_memory_read(self):
        os.write(self.line, b"echo over the line\r")
        self.assertIn(b"over the line\r\nstb> ", self.read_until(b"stb> "))
        reply = self.exchange(frame(3, struct.pack("<II", 0x08000000 + DM_POSITION, 36)), 45)
        [(frame_type, length, payload)] = parse_frames(reply)
        self.assertEqual((frame_type, length), (3, 36))
        self.assertEqual(payload[:32], self.image[DM_POSITION:DM_POSITION + 32])
        self.assertEqual(struct.unpack("<I", payload[32:])[0], reference_crc(payload[:32]))

    def test_block_upgrade_reaches_the_saved_flash(self):
        self.assertEqual(self.control("reset"), "ok")
        self.assertEqual(self.read(1), b"\xa5")
        os.write(self.line, b"\x60" + client_upload(b"client"))
        self.assertEqual(self.exchange(command("P", BANNER), 17), b"OO" + BANNER)
        new_block = bytes(range(200)) * 6
        self.assertEqual(self.exchange(command("R", struct.pack("<BBI", 1, 7, len(new_block))), 2), b"OO")
        self.assertEqual(self.exchange(command("S", struct.pack("<BBI", 7, ord("N"), len(new_block))), 2), b"OO")
        self.assertEqual(self.exchange(packet(0, new_block[:1024]), 3), b"O\x00\x00")
        self.assertEqual(self.exchange(packet(1, new_block[1024:]), 4), b"O\x00\x01O")
        self.assertEqual(self.exchange(command("T"), 2), b"OO")
        reports, ending = self.read_burn()
        self.assertEqual(reports, list(range(10, 101, 10)))
        self.assertEqual(ending, b"F")
        self.assertEqual(self.exchange(command("U"), 1), b"O")
        self.assertEqual(self.control("quit"), "ok")
        self.simulator.wait(TIMEOUT)
        with open(self.path("out.bin"), "rb") as f:
            saved = f.read()
        self.assertEqual(saved[0x22000:0x22000 + len(new_block)], new_block)
        self.assertEqual(saved[:DM_POSITION], self.image[:DM_POSITION])
        self.assertEqual(saved[0x22000 + len(new_block):], self.image[0x22000 + len(new_block):])


    def test_a_cut_reply_is_half_sent_and_the_target_goes(self):
        self.assertEqual(self.control("fault reply-cut"), "ok")
        whole = len(frame(3, bytes(36)))
        os.write(self.line, frame(3, struct.pack("<II", 0x08000000, 36)))
        self.assertEqual(len(self.read(whole // 2)), whole // 2)
        self.assertEqual(self.simulator.wait(TIMEOUT), 0)
