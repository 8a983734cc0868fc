"""The target operating system's state, as the blocks its state queries return.

Every block is laid out little-endian, as the host's formatter reads it; the
values move with the time since boot so that two queries differ.
"""
import struct

from targetmemory import RAM_BASE

TICKS_PER_SECOND = 1000
QUEUE_DEPTH = 32
MSG_BRD, MSG_EXT, MSG_SYNC, MSG_TRANS = 1, 2, 4, 16
MSG_CONTENT_SHIFT = 5
TASK_STATUS_RECORD_SIZE = 18
MEMORY_FREE_PAIRS_OFFSET = 804
MEMORY_MAX_ALLOC_PAIRS = 96

BSS_START = RAM_BASE + 0x20000
BSS_END = RAM_BASE + 0x48000
HEAP_START = BSS_END
HEAP_SIZE = 0x200000
SYS_PART_START = HEAP_START + HEAP_SIZE
SYS_PART_SIZE = 0x40000
ATOM_SIZE = 0x40
STACKS_START = RAM_BASE + 0x300000


class Task:
    def __init__(self, name, priority, stack_size):
        self.name = name
        self.priority = priority
        self.stack_size = stack_size


TASKS = (
    Task("idle", 63, 0x0800),
    Task("main", 10, 0x4000),
    Task("tuner", 12, 0x2000),
    Task("demux", 11, 0x2000),
    Task("avctrl", 14, 0x3000),
    Task("ui", 20, 0x4000),
    Task("upgrade", 30, 0x2000),
)
TASK_STATES = (b"RDY", b"WAIT", b"DLY", b"SUSP")


class TargetOs:
    def __init__(self, boot_time):
        self.boot_time = boot_time
        self.tasks = TASKS

    def ticks(self, now):
        return int((now - self.boot_time) * TICKS_PER_SECOND) & 0xFFFFFFFF

    def task_list(self, now):
        t = self.ticks(now)
        out = bytearray()
        for k, task in enumerate(self.tasks):
            depth = QUEUE_DEPTH
            queued = (t // 97 + k) % 4
            queue_out = (t // 13 + 3 * k) % depth
            out += struct.pack("<BBHHH20sI", 1, int(queued == depth), (queue_out + queued) % depth,
                               queue_out, depth, task.name.encode(), RAM_BASE + 0x10000 + 0x400 * k)
        return bytes(out)

    def message_queue(self, task_index, now):
        """The messages in one task's queue; never empty, since the host numbers
        the queue blocks it formats and skips an empty one."""
        t = self.ticks(now)
        out = bytearray()
        for m in range(1 + (t // 97 + task_index) % 3):
            flags = ((task_index * 16 + m) << MSG_CONTENT_SHIFT) | (MSG_SYNC if m % 2 else MSG_EXT)
            out += struct.pack("<III", flags, 0x1000 + m, RAM_BASE + 0x12000 + 0x20 * m)
        return bytes(out)

    def common_addresses(self):
        return struct.pack("<4I", *(RAM_BASE + 0x11000 + 0x40 * k for k in range(4)))

    def attached_buffers(self):
        records = (
            (1, RAM_BASE + 0x13000, 64, 16, 3, 1, RAM_BASE + 0x14000),
            (0, 0, 0, 0, 0, 0, 0),
            (1, RAM_BASE + 0x13100, 256, 8, 0, 0, RAM_BASE + 0x15000),
        )
        return b"".join(struct.pack("<B3xIHHHHI", *r) for r in records)

    def message_trace(self, now, count=16):
        t = self.ticks(now)
        out = bytearray()
        for k in range(count):
            sent = k % 2 == 0
            flags = ((k + 1) << MSG_CONTENT_SHIFT) | (MSG_BRD if k % 5 == 0 else 0) | (MSG_TRANS if k % 3 == 0 else 0)
            out += struct.pack("<IIIIcBBBHHHH", max(0, t - (count - k) * 7), flags, 0x2000 + k, k * 3,
                               b"S" if sent else b"R", k % len(self.tasks),
                               self.tasks[k % len(self.tasks)].priority, QUEUE_DEPTH - k % 4,
                               k % QUEUE_DEPTH, (k + 1) % QUEUE_DEPTH, k % 8, (k + 2) % 8)
        return bytes(out)

    def task_status(self, now):
        t = self.ticks(now)
        usage = [(t // 1000 + 3 * k) % 20 for k in range(len(self.tasks))]
        current = self.tasks[1].priority
        header = struct.pack("<HBBBBBBBBBx", TASK_STATUS_RECORD_SIZE, len(self.tasks), len(self.tasks),
                             0, 0, 0, current, current, 1, sum(usage) % 100)
        records = b"".join(
            struct.pack("<HBBB5sx5s2x", (t // 10 + 31 * k) & 0xFFFF, usage[k], k % len(TASK_STATES),
                        task.priority, TASK_STATES[k % len(TASK_STATES)], task.name[:5].encode())
            for k, task in enumerate(self.tasks))
        return header + records

    def text_report(self, now):
        seconds = self.ticks(now) // TICKS_PER_SECOND
        lines = ["system up %d s, %d tasks" % (seconds, len(self.tasks))]
        lines += ["  %-8s prio %2d" % (task.name, task.priority) for task in self.tasks]
        return ("\r\n".join(lines) + "\r\n").encode()

    def stacks(self, now):
        t = self.ticks(now)
        out = bytearray()
        start = STACKS_START
        for k, task in enumerate(self.tasks):
            used = min(task.stack_size, task.stack_size // 4 + (t // 50 + 64 * k) % (task.stack_size // 2))
            out += struct.pack("<IIHH", start, task.stack_size, used, task.stack_size - used)
            start += task.stack_size
        return bytes(out)

    def memory(self, now):
        t = self.ticks(now)
        allocs = 8 + (t // 1000) % 8
        pairs = [(SYS_PART_START + k * 0x1000, 0x800 + 0x40 * k) for k in range(allocs)]
        free_start = SYS_PART_START + allocs * 0x1000
        free = [(free_start, SYS_PART_SIZE - allocs * 0x1000)]
        free += [(SYS_PART_START + k * 0x1000 + 0x800 + 0x40 * k, 0x800 - 0x40 * k) for k in range(0, allocs, 3)]
        block = bytearray(struct.pack("<9I", BSS_START, BSS_END, HEAP_START, HEAP_SIZE, SYS_PART_START,
                                      SYS_PART_SIZE, ATOM_SIZE, len(pairs), len(free)))
        for pair in pairs[:MEMORY_MAX_ALLOC_PAIRS]:
            block += struct.pack("<II", *pair)
        block += bytes(MEMORY_FREE_PAIRS_OFFSET - len(block))
        for pair in free:
            block += struct.pack("<II", *pair)
        return bytes(block)
