"""The line clock as arithmetic: the time is passed in, nothing waits."""
import unittest

from linepacer import LinePacer

BAUD = 115200
# 10 bits a byte: 11,520 bytes a second.
BYTE = 10 / BAUD


class LinePacerTest(unittest.TestCase):
    def setUp(self):
        self.pacer = LinePacer(BAUD)
        self.pacer.start(5.0)

    def test_a_line_carries_a_byte_per_ten_bit_times(self):
        cases = ((0.0, 0), (BYTE * 0.99, 0), (BYTE, 1), (0.0999, 1150), (0.1, 1152), (1.0, 11520))
        for elapsed, carried in cases:
            with self.subTest(elapsed=elapsed):
                self.assertEqual(self.pacer.due(5.0 + elapsed, 20000), carried)

    def test_no_more_is_due_than_waits(self):
        self.assertEqual(self.pacer.due(6.0, 3), 3)
        self.assertEqual(self.pacer.due(6.0, 0), 0)

    def test_bytes_taken_are_no_longer_due(self):
        self.pacer.take(1000)
        self.assertEqual(self.pacer.due(5.1, 5000), 152)
        self.assertAlmostEqual(self.pacer.busy_until(), 5.0 + 1000 * BYTE)

    def test_bytes_taken_ahead_hold_the_next_ones_back(self):
        self.pacer.take(1)  # a byte read early, as at a hang-up check
        self.assertEqual(self.pacer.due(5.0 + BYTE, 10), 0)
        self.assertEqual(self.pacer.due(5.0 + 2 * BYTE, 10), 1)

    def test_an_idle_line_banks_no_time(self):
        self.pacer.take(self.pacer.due(5.1, 10))
        self.pacer.start(9.0)
        self.assertEqual(self.pacer.due(9.0, 100), 0)
        self.assertEqual(self.pacer.due(9.0 + 10 * BYTE, 100), 10)

    def test_a_busy_line_goes_on_from_its_last_byte(self):
        self.pacer.take(1152)  # carried until 5.1
        self.pacer.start(5.05)
        self.assertEqual(self.pacer.due(5.1, 100), 0)
        self.assertEqual(self.pacer.due(5.1 + 4 * BYTE, 100), 4)

    def test_nothing_is_due_before_anything_waited(self):
        pacer = LinePacer(BAUD)
        self.assertEqual(pacer.due(100.0, 10), 0)
        self.assertIsNone(pacer.wait(100.0, 10))

    def test_the_wait_is_for_a_batch_or_for_the_last_byte(self):
        batch = self.pacer.batch
        self.assertGreater(batch, 1)
        cases = ((batch * 3, batch), (batch - 1, batch - 1), (1, 1))
        for waiting, bytes_ready in cases:
            with self.subTest(waiting=waiting):
                self.assertAlmostEqual(self.pacer.wait(5.0, waiting), bytes_ready * BYTE)
        self.assertEqual(self.pacer.wait(6.0, 10), 0.0)
        self.assertIsNone(self.pacer.wait(5.0, 0))

    def test_the_rate_and_the_bits_a_byte_set_the_byte_time(self):
        self.assertAlmostEqual(LinePacer(9600).byte_time, 10 / 9600)
        self.assertAlmostEqual(LinePacer(9600, bits_per_byte=11).byte_time, 11 / 9600)
        with self.assertRaises(ValueError):
            LinePacer(0)
