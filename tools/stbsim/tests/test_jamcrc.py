import random
import unittest

from jamcrc import jamcrc
from tests.hostside import reference_crc


class JamCrcTest(unittest.TestCase):
    def test_check_value_of_the_nine_digits(self):
        self.assertEqual(jamcrc(b"123456789"), 0x340BC6D9)

    def test_agrees_with_the_table_algorithm(self):
        rng = random.Random(7)
        for size in (0, 1, 3, 64, 1000):
            data = rng.randbytes(size)
            with self.subTest(size=size):
                self.assertEqual(jamcrc(data), reference_crc(data))

    def test_continues_from_a_running_value(self):
        data = random.Random(3).randbytes(300)
        self.assertEqual(jamcrc(data[100:], jamcrc(data[:100])), reference_crc(data))

    def test_empty_data_leaves_the_start_value(self):
        self.assertEqual(jamcrc(b""), 0xFFFFFFFF)
