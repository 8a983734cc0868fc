"""The target's '#' replies to the host's requests while its application runs."""
import struct

from jamcrc import jamcrc
from transporttarget import FRAME_START

MEMORY_READ = 3
REQUEST_4 = 4
OS_APPS = 7
OS_MSG_TRACE = 8
OS_TASK_STATUS = 9
OS_TEXT = 10
OS_STACKS = 11
OS_MEMORY = 12

END_OF_REPLY = 0xFFFF
MARK_TASK_LIST = 0xFFFE
MARK_MSG_QUEUE = 0xFFFD
MARK_COMMON_ADDRESSES = 0xFFFC
MARK_ATTACHED_BUFFERS = 0xFFFB
# The host takes a received chunk of at most this many bytes at a time.
MAX_FRAME_PAYLOAD = 1024
MAX_MEMORY_READ = 0x1000000
CHECK_SIZE = 4


class ReplyFrames:
    def __init__(self, memory, target_os, faults, little_endian=True):
        self.memory = memory
        self.os = target_os
        self.faults = faults
        self.order = "<" if little_endian else ">"

    def header(self, frame_type, length):
        return bytes([FRAME_START]) + struct.pack(self.order + "II", frame_type, length)

    def data_frames(self, frame_type, block):
        """A block as frames of at most one received chunk each; nothing for no data."""
        return b"".join(self.header(frame_type, len(block[k:k + MAX_FRAME_PAYLOAD])) + block[k:k + MAX_FRAME_PAYLOAD]
                        for k in range(0, len(block), MAX_FRAME_PAYLOAD))

    def answer(self, request, now):
        """The bytes that answer a request; None for a request that gets no reply."""
        if request.type == MEMORY_READ:
            return self.memory_read(request.payload)
        if request.type == REQUEST_4:
            return self.header(REQUEST_4, len(request.payload)) + request.payload if request.payload else None
        if request.type == OS_APPS:
            return self.os_apps(now)
        blocks = {
            OS_MSG_TRACE: self.os.message_trace,
            OS_TASK_STATUS: self.os.task_status,
            OS_TEXT: self.os.text_report,
            OS_STACKS: self.os.stacks,
            OS_MEMORY: self.os.memory,
        }
        if request.type in blocks:
            return self.data_frames(request.type, blocks[request.type](now)) + self.header(request.type, END_OF_REPLY)
        return None

    def memory_read(self, payload):
        """One frame: the requested length, its last four bytes the check value."""
        if len(payload) < 8:
            return self.header(MEMORY_READ, END_OF_REPLY)
        address, length = struct.unpack_from(self.order + "II", payload)
        if not CHECK_SIZE <= length <= MAX_MEMORY_READ:
            return self.header(MEMORY_READ, END_OF_REPLY)
        data = self.memory.read(address, length - CHECK_SIZE)
        check = jamcrc(data)
        if self.faults.take("reply-crc"):
            check ^= 1
        return self.header(MEMORY_READ, length) + data + struct.pack("<I", check)

    def os_apps(self, now):
        """The task list, each task's queue, the common addresses and the attached
        buffers, each block closed by its marker."""
        out = self.data_frames(OS_APPS, self.os.task_list(now)) + self.header(OS_APPS, MARK_TASK_LIST)
        for k in range(len(self.os.tasks)):
            out += self.data_frames(OS_APPS, self.os.message_queue(k, now)) + self.header(OS_APPS, MARK_MSG_QUEUE)
        out += self.data_frames(OS_APPS, self.os.common_addresses()) + self.header(OS_APPS, MARK_COMMON_ADDRESSES)
        out += self.data_frames(OS_APPS, self.os.attached_buffers()) + self.header(OS_APPS, MARK_ATTACHED_BUFFERS)
        return out + self.header(OS_APPS, END_OF_REPLY)
