import gzip
import random
import struct
import unittest

from flashimage import FlashImage
from settopbox import SetTopBox
from tests.hostside import (bank_image, client_upload, command, dm_image, dump_request, packet,
                            reference_crc)

BANNER = b"QUORVIX P2P ZIM"
FLASH_SIZE = 0x80000
DM_POSITION = 0x1000


def fixture_image():
    rng = random.Random(5)
    return dm_image(FLASH_SIZE, DM_POSITION, [
        (1, 0x1000, rng.randbytes(0x2000), True),       # data at 0x2000
        (2, 0x11000, rng.randbytes(0x1001), True),      # data at 0x12000
        (7, 0x21000, rng.randbytes(0x400), False),      # data at 0x22000, no check value
    ])


class UpgradeSession(unittest.TestCase):
    """Drives the box as the host's upgrade engine would, one step at a time."""

    def start(self, image=None, upload=None):
        self.burns = 0
        self.box = SetTopBox(FlashImage(image if image is not None else fixture_image()), now=0.0,
                             burn_step=0.01, on_flash_written=self.count_burn)
        self.now = 1.0
        self.box.reset(self.now)
        self.assertEqual(self.box.poll(self.now), b"\xa5")
        self.send(b"\x60")
        self.assertEqual(self.send(upload if upload is not None else client_upload(b"client program")), b"")
        if self.box.upgrade.state == "upload":  # a bare client: started once the line is quiet
            self.wait(1.0)
        self.assertEqual(self.box.upgrade.state, "client")

    def count_burn(self):
        self.burns += 1

    def send(self, data):
        self.now += 0.01
        return self.box.feed(data, self.now)

    def wait(self, seconds):
        self.now += seconds
        return self.box.poll(self.now)

    def command(self, letter, payload=b""):
        return self.send(command(letter, payload))

    def inform(self, records):
        payload = bytes([len(records)]) + b"".join(struct.pack("<BI", i, n) for i, n in records)
        return self.command("R", payload)

    def download(self, block_id, mode, data):
        reply = self.command("S", struct.pack("<BBI", block_id, ord(mode), len(data)))
        self.assertEqual(reply, b"OO")
        replies = []
        for sequence, at in enumerate(range(0, len(data), 1024)):
            replies.append(self.send(packet(sequence, data[at:at + 1024])))
        return replies

    def burn(self):
        self.assertEqual(self.command("T"), b"OO")
        return self.wait(1.0)

    def collect(self):
        reply = self.command("Q", b"C")
        self.assertEqual(reply[:2], b"OO")
        length = struct.unpack_from("<I", reply, 2)[0]
        table = reply[6:6 + length]
        self.assertEqual(struct.unpack_from("<I", reply, 6 + length)[0], reference_crc(table))
        self.assertEqual(len(reply), 10 + length)
        count = struct.unpack_from("<H", table, 16)[0]
        self.assertEqual(length, 20 + 48 * count)
        return [table[20 + 48 * k:68 + 48 * k] for k in range(count)]


class SyncAndUploadTest(UpgradeSession):
    def test_sync_byte_repeats_until_answered_then_stops(self):
        box = SetTopBox(FlashImage(fixture_image()), now=0.0, sync_window=2.0, sync_interval=0.25)
        box.reset(1.0)
        self.assertEqual(box.poll(1.6), b"\xa5" * 3)
        box.feed(b"\x60", 1.7)
        self.assertEqual(box.poll(5.0), b"")
        self.assertEqual(box.mode, "upgrade")

    def test_unanswered_sync_boots_the_application(self):
        box = SetTopBox(FlashImage(fixture_image()), now=0.0, sync_window=1.0, sync_interval=0.5)
        box.reset(1.0)
        out = box.poll(2.5)
        self.assertTrue(out.startswith(b"\xa5\xa5"))
        self.assertTrue(out.endswith(b"stb> "))
        self.assertEqual(box.mode, "console")

    def test_client_with_header_starts_when_its_last_byte_arrives(self):
        box = SetTopBox(FlashImage(fixture_image()), now=0.0)
        box.reset(1.0)
        upload = client_upload(b"p" * 3000)
        box.feed(b"\x60" + upload[:-1], 1.1)
        self.assertEqual(box.upgrade.state, "upload")
        box.feed(upload[-1:] + command("P", BANNER), 1.2)
        self.assertEqual(box.upgrade.state, "client")

    def test_high_speed_packet_before_the_upload_is_taken_out(self):
        self.start(upload=struct.pack("<III", 4, 0x41000000, 16) + client_upload(b"c" * 10))
        self.assertEqual(self.command("P", BANNER), b"OO" + BANNER)

    def test_bare_client_starts_once_the_line_is_quiet(self):
        box = SetTopBox(FlashImage(fixture_image()), now=0.0)
        box.reset(1.0)
        box.feed(b"\x60" + b"\x13\x37" * 700, 1.1)
        box.feed(b"\x42" * 100, 1.15)
        self.assertEqual(box.upgrade.state, "upload")
        box.poll(1.3)
        self.assertEqual(box.upgrade.state, "upload")
        box.poll(1.5)
        self.assertEqual(box.upgrade.state, "client")
        reply = box.feed(dump_request(0x08000000, 16), 2.5)
        self.assertEqual(reply[9:25], bytes(fixture_image()[:16]))


class CommandTest(UpgradeSession):
    def setUp(self):
        self.start()

    def test_test_command_echoes_the_banner(self):
        self.assertEqual(self.command("P", BANNER), b"OO" + BANNER)

    def test_test_command_with_another_text_fails(self):
        reply = self.command("P", b"QUORVIX P2P ZIN")
        self.assertEqual(reply[:2], b"OE")
        self.assertEqual(len(reply), 4)

    def test_command_with_a_wrong_check_value_is_not_acknowledged(self):
        frame = bytearray(command("P", BANNER))
        frame[-1] ^= 0xFF
        reply = self.send(bytes(frame))
        self.assertTrue(reply and reply[:1] != b"O")

    def test_unknown_command_is_acknowledged_and_fails(self):
        self.assertEqual(self.command("Z")[:2], b"OE")

    def test_finish_is_answered_by_the_acknowledge_alone_and_reboots(self):
        self.assertEqual(self.command("U"), b"O")
        self.assertEqual(self.box.mode, "booting")
        self.assertTrue(self.wait(1.5).endswith(b"stb> "))
        self.assertEqual(self.box.mode, "console")

    def test_armed_command_error_fails_one_command(self):
        self.box.faults.arm("command-error")
        self.assertEqual(self.command("P", BANNER)[:2], b"OE")
        self.assertEqual(self.command("P", BANNER), b"OO" + BANNER)

    def test_burn_before_any_download_fails(self):
        self.assertEqual(self.command("T")[:2], b"OE")

    def test_bytes_between_requests_are_skipped(self):
        self.assertEqual(self.send(b"\x00\x11" + command("P", BANNER)), b"OO" + BANNER)


class CollectTest(UpgradeSession):
    def test_dm_table_reports_absolute_offsets(self):
        self.start()
        entries = self.collect()
        fields = [(e[0], struct.unpack_from("<I", e, 4)[0], struct.unpack_from("<I", e, 8)[0],
                   e[24:32].rstrip(b"\0")) for e in entries]
        self.assertEqual(fields, [(1, 0x2000, 0x2000, b"blk1"), (2, 0x12000, 0x1001, b"blk2"),
                                  (7, 0x22000, 0x400, b"blk7")])

    def test_bank_table(self):
        data = random.Random(9).randbytes(0x300)
        self.start(image=bank_image(FLASH_SIZE, 0x100, [(3, 0x4000, data), (4, 0x8000, data[:16])]))
        entries = self.collect()
        self.assertEqual([(e[0], struct.unpack_from("<II", e, 4)) for e in entries],
                         [(3, (0x4000, 0x300)), (4, (0x8000, 16))])

    def test_erased_flash_reports_no_blocks(self):
        self.start(image=b"\xff" * FLASH_SIZE)
        self.assertEqual(self.collect(), [])

    def test_armed_reply_fault_spoils_one_table(self):
        self.start()
        self.box.faults.arm("reply-crc")
        reply = self.command("Q", b"C")
        length = struct.unpack_from("<I", reply, 2)[0]
        self.assertNotEqual(struct.unpack_from("<I", reply, 6 + length)[0], reference_crc(reply[6:6 + length]))
        self.assertEqual(len(self.collect()), 3)


class WholeImageTest(UpgradeSession):
    def setUp(self):
        self.start()
        self.new_image = random.Random(21).randbytes(FLASH_SIZE // 2) + bytes(FLASH_SIZE // 2)
        self.zipped = gzip.compress(self.new_image)

    def test_upgrade_writes_the_unpacked_image(self):
        self.assertEqual(self.inform([(0xFF, len(self.new_image))]), b"OO")
        replies = self.download(0xFF, "Z", self.zipped)
        count = len(replies)
        self.assertEqual(count, (len(self.zipped) + 1023) // 1024)
        self.assertEqual(replies[:-1], [b"O" + struct.pack(">H", s) for s in range(count - 1)])
        self.assertEqual(replies[-1], b"O" + struct.pack(">H", count - 1) + b"O")
        progress = self.burn()
        self.assertEqual(progress, b"".join(b"B" + bytes([p]) for p in range(10, 101, 10)) + b"F")
        self.assertEqual(bytes(self.box.flash.data), self.new_image)
        self.assertEqual(self.burns, 1)

    def test_image_that_unpacks_to_another_size_fails_to_burn(self):
        self.inform([(0xFF, len(self.new_image) - 1)])
        self.download(0xFF, "Z", self.zipped)
        self.assertTrue(self.burn().endswith(b"E"))
        self.assertEqual(bytes(self.box.flash.data), bytes(fixture_image()))
        self.assertEqual(self.burns, 0)

    def test_image_larger_than_the_flash_fails_to_burn(self):
        big = self.new_image * 2
        self.inform([(0xFF, len(big))])
        self.download(0xFF, "Z", gzip.compress(big))
        self.assertTrue(self.burn().endswith(b"E"))

    def test_compressed_download_needs_a_whole_image_announcement(self):
        self.inform([(1, 10)])
        self.assertEqual(self.command("S", struct.pack("<BBI", 0xFF, ord("Z"), 10))[:2], b"OE")

    def test_armed_burn_error(self):
        self.inform([(0xFF, len(self.new_image))])
        self.download(0xFF, "Z", self.zipped)
        self.box.faults.arm("burn-error")
        self.assertTrue(self.burn().endswith(b"E"))
        self.assertEqual(bytes(self.box.flash.data), bytes(fixture_image()))


class BlockUpgradeTest(UpgradeSession):
    def setUp(self):
        self.start()

    def read(self, block_id, offset, size):
        reply = self.command("V", struct.pack("<BII", block_id, offset, size + 4))
        self.assertEqual(reply[:2], b"OO")
        data = reply[2:2 + size]
        self.assertEqual(struct.unpack("<I", reply[2 + size:])[0], reference_crc(data))
        return data

    def test_blocks_are_written_and_their_entries_updated(self):
        one = b"\x11" * 1025
        seven = b"\x77" * 0x300
        self.assertEqual(self.inform([(1, len(one)), (7, len(seven))]), b"OO")
        replies = self.download(1, "N", one)
        self.assertEqual(replies, [b"O\x00\x00", b"O\x00\x01O"])
        self.download(7, "N", seven)
        self.assertTrue(self.burn().endswith(b"F"))
        entries = {e[0]: e for e in self.collect()}
        self.assertEqual(struct.unpack_from("<II", entries[1], 8), (len(one), reference_crc(one)))
        self.assertEqual(struct.unpack_from("<II", entries[7], 8), (len(seven), 0x4352434E))
        self.assertEqual(self.read(1, 0x2000, len(one)), one)
        self.assertEqual(self.read(7, 0x22000, len(seven)), seven)
        self.assertEqual(entries[2], self.collect()[1])

    def test_block_larger_than_its_room_fails_and_writes_nothing(self):
        too_big = b"\x22" * 0x10001  # block 1 has 0x10000 bytes before block 2
        self.inform([(1, len(too_big))])
        self.download(1, "N", too_big)
        self.assertTrue(self.burn().endswith(b"E"))
        self.assertEqual(bytes(self.box.flash.data), bytes(fixture_image()))

    def test_announced_block_missing_from_the_flash_is_refused(self):
        self.assertEqual(self.inform([(9, 10)])[:2], b"OE")

    def test_download_of_another_size_than_announced_is_refused(self):
        self.inform([(1, 10)])
        self.assertEqual(self.command("S", struct.pack("<BBI", 1, ord("N"), 11))[:2], b"OE")

    def test_burn_with_an_announced_block_not_downloaded_fails(self):
        self.inform([(1, 4), (2, 4)])
        self.download(1, "N", b"abcd")
        self.assertTrue(self.burn().endswith(b"E"))

    def test_packet_with_a_wrong_check_value_is_refused_and_can_be_sent_again(self):
        data = bytes(range(256)) * 8
        self.inform([(1, len(data))])
        self.command("S", struct.pack("<BBI", 1, ord("N"), len(data)))
        bad = bytearray(packet(0, data[:1024]))
        bad[10] ^= 1
        self.assertEqual(self.send(bytes(bad))[:1], b"E")
        self.assertEqual(self.send(packet(0, data[:1024])), b"O\x00\x00")
        self.assertEqual(self.send(packet(0, data[:1024])), b"O\x00\x00")  # its answer was lost
        self.assertEqual(self.send(packet(2, data[1024:])), b"E\x00\x05")
        self.assertEqual(self.send(packet(1, data[1024:])), b"O\x00\x01O")
        self.assertTrue(self.burn().endswith(b"F"))
        self.assertEqual(self.read(1, 0x2000, len(data)), data)

    def test_armed_packet_faults(self):
        data = b"\x5a" * 10
        self.inform([(1, len(data))])
        self.command("S", struct.pack("<BBI", 1, ord("N"), len(data)))
        self.box.faults.arm("packet-silent")
        self.assertEqual(self.send(packet(0, data)), b"")
        self.box.faults.arm("packet-error")
        self.assertEqual(self.send(packet(0, data))[:1], b"E")
        self.box.faults.arm("no-end-byte")
        self.assertEqual(self.send(packet(0, data)), b"O\x00\x00")

    def test_empty_block_gets_its_end_byte_after_a_pause(self):
        self.inform([(1, 0)])
        self.assertEqual(self.command("S", struct.pack("<BBI", 1, ord("N"), 0)), b"OO")
        self.assertEqual(self.wait(0.1), b"")
        self.assertEqual(self.wait(1.0), b"O")

    def test_read_past_the_flash_is_refused(self):
        self.assertEqual(self.command("V", struct.pack("<BII", 1, FLASH_SIZE - 8, 20))[:2], b"OE")


class DumpTest(UpgradeSession):
    def test_dump_pieces_carry_flash_and_check_values(self):
        self.start(upload=b"\x90" * 500)
        image = bytes(fixture_image())
        for address, piece in ((0x08000000, 4096), (0x08001000, 4096), (0x08000000 + FLASH_SIZE - 16, 16)):
            with self.subTest(address=hex(address)):
                reply = self.send(dump_request(address, piece))
                self.assertEqual(len(reply), piece + 13)
                self.assertEqual(reply[:9], b"#" + struct.pack("<II", 3, piece + 4))
                data = reply[9:9 + piece]
                offset = address - 0x08000000
                self.assertEqual(data, image[offset:offset + piece])
                self.assertEqual(struct.unpack("<I", reply[9 + piece:])[0], reference_crc(data))

    def test_dump_request_split_in_two_is_answered_once(self):
        self.start(upload=b"\x90" * 500)
        request = dump_request(0x08000000, 8)
        self.assertEqual(self.send(request[:5]), b"")
        self.assertEqual(len(self.send(request[5:])), 21)
