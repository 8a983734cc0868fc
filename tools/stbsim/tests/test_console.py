import struct
import unittest

from flashimage import FlashImage
from settopbox import SetTopBox
from tests.hostside import frame, header


def new_box(**options):
    logs = []
    box = SetTopBox(FlashImage(bytes(0x80000)), now=0.0, log=logs.append, **options)
    return box, logs


class ConsoleTest(unittest.TestCase):
    def test_typed_keys_are_echoed(self):
        box, _ = new_box()
        self.assertEqual(box.feed(b"ab", 1.0), b"ab")
        self.assertEqual(box.feed(b"\x08", 1.1), b"\b \b")

    def test_enter_runs_the_line(self):
        box, _ = new_box()
        out = box.feed(b"echo hello\r\n", 1.0)
        self.assertEqual(out, b"echo hello\rhello\r\nstb> ")

    def test_enter_is_echoed_as_typed_without_a_line_feed(self):
        # The host shows the line end of Enter itself: a line feed in the
        # echo would give an empty line after every command.
        for enter, echoed in ((b"\r", b"\r"), (b"\n", b"\n"), (b"\r\n", b"\r")):
            with self.subTest(enter=enter):
                box, _ = new_box()
                self.assertEqual(box.feed(b"version" + enter, 1.0),
                                 b"version" + echoed + b"stbsim target application 1.0\r\nstb> ")

    def test_unknown_command_is_named(self):
        box, _ = new_box()
        self.assertIn(b"unknown command: frob", box.feed(b"frob\r", 1.0))

    def test_a_typed_hash_that_starts_no_header_is_echoed(self):
        box, _ = new_box()
        self.assertEqual(box.feed(b"#", 1.0), b"")
        self.assertEqual(box.feed(b"a", 1.05), b"#a")

    def test_a_half_header_that_stops_arriving_is_echoed_as_text(self):
        box, _ = new_box()
        self.assertEqual(box.feed(b"#\x03", 1.0), b"")
        self.assertEqual(box.poll(3.5), b"#\x03")

    def test_request_split_into_pieces_is_answered_once_complete(self):
        box, _ = new_box()
        request = frame(3, struct.pack("<II", 0x08000000, 8))
        pieces = [request[k:k + 7] for k in range(0, len(request), 7)]
        replies = [box.feed(piece, 1.0 + 0.05 * k) for k, piece in enumerate(pieces)]
        self.assertEqual(replies[:-1], [b""] * (len(pieces) - 1))
        self.assertTrue(replies[-1].startswith(header(3, 8)))

    def test_text_around_a_request_is_still_echoed(self):
        box, _ = new_box()
        out = box.feed(b"x" + frame(0, b"abc") + b"y", 1.0)
        self.assertEqual(out, b"xy")

    def test_handshake_is_acknowledged_and_its_payload_not_echoed(self):
        box, logs = new_box()
        self.assertEqual(box.feed(header(1, 4), 1.0), b"#")
        self.assertEqual(box.feed(b"\x01\x02\x03\x04z", 1.1), b"z")
        self.assertIn("handshake type 1 payload: 01020304", logs)

    def test_high_speed_packet_is_taken_silently(self):
        box, logs = new_box()
        packet = struct.pack("<III", 4, 0x41000000, 16)
        self.assertEqual(box.feed(packet[:7], 1.0) + box.feed(packet[7:], 1.05), b"")
        self.assertTrue(any("divisor 16" in line for line in logs))

    def test_control_d_followed_by_text_is_echoed(self):
        box, _ = new_box()
        self.assertEqual(box.feed(b"\x04q", 1.0), b"\x04q")

    def test_big_endian_target_reads_big_endian_headers(self):
        box, _ = new_box(little_endian=False)
        out = box.feed(frame(3, struct.pack(">II", 0x08000000, 12), order=">"), 1.0)
        self.assertEqual(out[:9], header(3, 12, order=">"))

    def test_reboot_command_resets_into_sync(self):
        box, _ = new_box(sync_window=1.0, sync_interval=0.25)
        box.feed(b"reboot\r", 1.0)
        self.assertEqual(box.mode, "sync")
        self.assertEqual(box.poll(1.0), b"\xa5")
        self.assertEqual(box.poll(1.6), b"\xa5\xa5")
        self.assertIn(b"stb> ", box.poll(2.1))
        self.assertEqual(box.mode, "console")

    def test_say_prints_at_a_fresh_line_and_keeps_the_typed_line(self):
        box, _ = new_box()
        box.feed(b"ver", 1.0)
        self.assertEqual(box.say("note"), b"\r\nnote\r\nstb> ver")

    def test_request_5_streams_until_stopped(self):
        box, _ = new_box()
        box.feed(frame(5, b"\x01"), 1.0)
        first = box.poll(1.0)
        self.assertEqual(first[:9], header(5, 4))
        self.assertEqual(box.poll(1.5)[:9], header(5, 4))
        box.feed(frame(5, b"\x00"), 1.6)
        self.assertEqual(box.poll(5.0), b"")


class ConsoleSwitchesTest(unittest.TestCase):
    def test_keys_are_taken_but_not_echoed_while_the_echo_is_off(self):
        box, _ = new_box()
        box.shell.echo = False
        self.assertEqual(box.feed(b"ab\x08", 1.0), b"")
        self.assertEqual(box.feed(b"\r", 1.1), b"unknown command: a\r\nstb> ")

    def test_flood_prints_exactly_the_asked_bytes_then_its_end(self):
        box, _ = new_box()
        for count in (0, 10, 70, 1000):
            with self.subTest(count=count):
                out = box.feed(b"flood %d\r" % count, 1.0)
                text = out[len(b"flood %d\r" % count):]
                self.assertEqual(text[count:], b"flood done\r\nstb> ")
                self.assertNotIn(b"flood done", text[:count])

    def test_garbage_is_the_same_for_the_same_count(self):
        box, _ = new_box()
        self.assertEqual(len(box.garbage(300)), 300)
        self.assertEqual(box.garbage(300), box.garbage(300))
