import os
import termios
import unittest

from controlcommands import ControlCommands
from flashimage import FlashImage
from settopbox import SetTopBox


class ControlCommandsTest(unittest.TestCase):
    def setUp(self):
        self.box = SetTopBox(FlashImage(bytes(0x80000)), now=0.0)
        self.host, self.target = os.openpty()
        self.addCleanup(os.close, self.host)
        self.addCleanup(os.close, self.target)
        self.commands = ControlCommands(self.box, lambda path=None: path, lambda: None,
                                        os.ttyname(self.target))

    def test_keys_echo_switches_the_consoles_echo(self):
        self.assertEqual(self.commands.execute("keys-echo off", 1.0), ("ok", b""))
        self.assertEqual(self.box.feed(b"ab", 1.1), b"")
        self.commands.execute("keys-echo on", 1.2)
        self.assertEqual(self.box.feed(b"c", 1.3), b"c")

    def test_garbage_goes_to_the_line(self):
        reply, serial = self.commands.execute("garbage 500", 1.0)
        self.assertEqual((reply, len(serial)), ("ok", 500))

    def test_line_rate_reports_what_the_host_set_on_its_end(self):
        for speed, rate in ((termios.B115200, "ok 115200"), (termios.B230400, "ok 230400")):
            with self.subTest(rate=rate):
                settings = termios.tcgetattr(self.target)
                settings[4] = settings[5] = speed
                termios.tcsetattr(self.target, termios.TCSANOW, settings)
                self.assertEqual(self.commands.execute("line-rate", 1.0), (rate, b""))

    def test_line_rate_without_a_host_end_is_an_error(self):
        commands = ControlCommands(self.box, lambda path=None: path, lambda: None)
        reply, _ = commands.execute("line-rate", 1.0)
        self.assertTrue(reply.startswith("error:"), reply)
