import random
import struct
import unittest

from flashimage import FlashImage
from settopbox import SetTopBox
from tests.hostside import frame, parse_frames, reference_crc

FLASH_BASE = 0x08000000
RAM_BASE = 0x80000000


class RepliesTest(unittest.TestCase):
    def setUp(self):
        self.image = random.Random(11).randbytes(0x80000)
        self.box = SetTopBox(FlashImage(self.image), now=0.0)

    def ask(self, frame_type, parameter=0, length=0x1000, now=1.0):
        return parse_frames(self.box.feed(frame(frame_type, struct.pack("<II", parameter, length)), now))

    def test_memory_read_of_flash_carries_the_data_and_its_check_value(self):
        for address, length in ((FLASH_BASE, 20), (FLASH_BASE + 0x7FFF0, 20), (FLASH_BASE + 0x100, 5000)):
            with self.subTest(address=hex(address), length=length):
                [(frame_type, reply_length, payload)] = self.ask(3, address, length)
                self.assertEqual((frame_type, reply_length), (3, length))
                data, check = payload[:-4], struct.unpack("<I", payload[-4:])[0]
                offset = address - FLASH_BASE
                self.assertEqual(data, self.image[offset:offset + length - 4])
                self.assertEqual(check, reference_crc(data))

    def test_memory_read_with_the_destination_word_sent_as_well(self):
        out = self.box.feed(frame(3, struct.pack("<III", FLASH_BASE, 8, 0x12345678)), 1.0)
        [(_, length, payload)] = parse_frames(out)
        self.assertEqual(payload[:4], self.image[:4])

    def test_memory_read_of_poked_ram(self):
        self.box.memory.poke(RAM_BASE + 0x40, b"\xde\xad\xbe\xef")
        [(_, _, payload)] = self.ask(3, RAM_BASE + 0x40, 8)
        self.assertEqual(payload[:4], b"\xde\xad\xbe\xef")

    def test_memory_read_too_short_for_a_check_value_ends_the_reply(self):
        self.assertEqual(self.ask(3, FLASH_BASE, 3), [(3, 0xFFFF, b"")])

    def test_memory_read_with_an_armed_fault_carries_a_wrong_check_value(self):
        self.box.faults.arm("reply-crc")
        [(_, _, bad)] = self.ask(3, FLASH_BASE, 12)
        [(_, _, good)] = self.ask(3, FLASH_BASE, 12)
        self.assertNotEqual(struct.unpack("<I", bad[-4:])[0], reference_crc(bad[:-4]))
        self.assertEqual(struct.unpack("<I", good[-4:])[0], reference_crc(good[:-4]))

    def test_big_endian_memory_read(self):
        box = SetTopBox(FlashImage(self.image), now=0.0, little_endian=False)
        out = box.feed(frame(3, struct.pack(">II", FLASH_BASE + 8, 12), order=">"), 1.0)
        [(frame_type, length, payload)] = parse_frames(out, order=">")
        self.assertEqual((frame_type, length, payload[:8]), (3, 12, self.image[8:16]))

    def test_task_queries_end_with_their_markers_in_order(self):
        frames = self.ask(7)
        self.assertTrue(all(t == 7 for t, _, _ in frames))
        markers = [length for _, length, payload in frames if not payload]
        tasks = len(self.box.os.tasks)
        self.assertEqual(markers, [0xFFFE] + [0xFFFD] * tasks + [0xFFFC, 0xFFFB, 0xFFFF])
        blocks, current = [], b""
        for _, length, payload in frames:
            if payload:
                current += payload
            else:
                blocks.append(current)
                current = b""
        task_list, queues = blocks[0], blocks[1:1 + tasks]
        self.assertEqual(len(task_list), 32 * tasks)
        names = [task_list[32 * k + 8:32 * k + 28].split(b"\0")[0] for k in range(tasks)]
        self.assertEqual(names, [task.name.encode() for task in self.box.os.tasks])
        for queue in queues:
            self.assertTrue(queue and len(queue) % 12 == 0)
        self.assertEqual(len(blocks[1 + tasks]) % 4, 0)
        self.assertEqual(len(blocks[2 + tasks]) % 20, 0)

    def test_record_blocks_hold_whole_records(self):
        for frame_type, record_size, head_size in ((8, 28, 0), (11, 12, 0), (9, 18, 12)):
            with self.subTest(frame_type=frame_type):
                frames = self.ask(frame_type)
                self.assertEqual(frames[-1], (frame_type, 0xFFFF, b""))
                block = b"".join(payload for _, _, payload in frames)
                self.assertTrue(len(block) > head_size)
                self.assertEqual((len(block) - head_size) % record_size, 0)

    def test_task_status_header_counts_its_records(self):
        block = b"".join(p for _, _, p in self.ask(9))
        struct_size, task_num = struct.unpack_from("<HB", block)
        self.assertEqual(struct_size, 18)
        self.assertEqual(task_num, (len(block) - 12) // 18)

    def test_memory_block_keeps_its_pairs_inside_the_block(self):
        block = b"".join(p for _, _, p in self.ask(12))
        total_alloc, total_free = struct.unpack_from("<II", block, 28)
        self.assertLessEqual(total_alloc, 96)
        self.assertLessEqual(36 + 8 * total_alloc, 804)
        self.assertEqual(len(block), 804 + 8 * total_free)
        heap_start, heap_size, part_start, part_size = struct.unpack_from("<4I", block, 8)
        for k in range(total_alloc):
            start, size = struct.unpack_from("<II", block, 36 + 8 * k)
            self.assertTrue(part_start <= start and start + size <= part_start + part_size)

    def test_text_query_answers_text(self):
        block = b"".join(p for _, _, p in self.ask(10))
        self.assertIn(b"tasks", block)

    def test_large_block_comes_in_frames_of_one_chunk_at_most(self):
        frames = self.ask(8)
        self.assertTrue(all(len(p) <= 1024 for _, _, p in frames))

    def test_request_4_is_answered_with_one_frame_of_type_4(self):
        self.assertEqual(parse_frames(self.box.feed(frame(4, b"ping"), 1.0)), [(4, 4, b"ping")])


class ReplyFaultsTest(unittest.TestCase):
    def setUp(self):
        self.box = SetTopBox(FlashImage(bytes(0x80000)), now=0.0)
        self.request = frame(3, struct.pack("<II", FLASH_BASE, 24))

    def test_a_silent_reply_is_withheld_once(self):
        self.box.faults.arm("reply-silent")
        self.assertEqual(self.box.feed(self.request, 1.0), b"")
        self.assertEqual(len(self.box.feed(self.request, 1.1)), 9 + 24)

    def test_a_cut_reply_stops_halfway_and_hangs_up(self):
        self.box.faults.arm("reply-cut")
        whole = len(frame(3, bytes(24)))
        self.assertEqual(len(self.box.feed(self.request, 1.0)), whole // 2)
        self.assertTrue(self.box.hung_up)
