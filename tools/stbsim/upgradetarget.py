"""The target after it answered the host's sync: its boot code takes a client
program, and the client then serves the upgrade commands, data packets and
flash reads.

Two clients can be uploaded: one behind a 12-byte header (length, 0, 0) and
one sent bare. A bare one has no length, so its upload ends when the line has
been quiet for a moment. Both clients here understand every request, told
apart by the byte after the '#'.
"""
import gzip
import struct
import zlib

from jamcrc import jamcrc
from targetmemory import FLASH_BASE
from transporttarget import HIGH_SPEED_START, baud_from_divisor, high_speed_packet

BANNER = b"QUORVIX P2P ZIM"
ACK = b"O"
DONE = b"O"
FAILED = b"E"
FRAME_START = 0x23
PACKET_MARK = 0x2A
DUMP_REQUEST = struct.pack("<BII", FRAME_START, 3, 8)
DUMP_REQUEST_SIZE = 17
DUMP_REPLY_TYPE = 3
CLIENT_HEADER_SIZE = 12
COMMAND_OVERHEAD = 7
CHECK_SIZE = 4
MAX_PACKET_DATA = 1024
SEQUENCE_MODULUS = 0xFFFF
WHOLE_IMAGE_ID = 0xFF
MODE_ZIPPED = ord("Z")
MODE_RAW = ord("N")
COLLECT_ARGUMENT = b"C"
MAX_CLIENT_SIZE = 0x200000
MAX_DOWNLOAD = 0x4000000
MAX_READ_PIECE = 0x10000
BURN_PROGRESS = b"B"
BURN_DONE = b"F"

TEST, COLLECT, INFORM, DOWNLOAD, BURN, FINISH, READ = (ord(c) for c in "PQRSTUV")

# The two bytes after an 'E': what the target found wrong.
ERR_FRAME_CHECK = 1
ERR_BAD_ARGUMENT = 2
ERR_UNKNOWN_COMMAND = 3
ERR_PACKET_CHECK = 4
ERR_SEQUENCE = 5
ERR_NOTHING_TO_BURN = 6
ERR_OUT_OF_RANGE = 7
ERR_FAULT = 8

STALE_SECONDS = 2.0
UPLOAD_QUIET_SECONDS = 0.3
EMPTY_DOWNLOAD_END_DELAY = 0.5
BURN_STEPS = 10


def error(code):
    return FAILED + struct.pack(">H", code)


class CommandError(Exception):
    def __init__(self, code, text):
        super().__init__(text)
        self.code = code


class Download:
    def __init__(self, block_id, mode, count):
        self.block_id = block_id
        self.mode = mode
        self.count = count
        self.data = bytearray()
        self.expected = 0
        self.previous = None
        self.previous_size = 0

    @property
    def complete(self):
        return len(self.data) >= self.count

    def next_size(self, sequence):
        """How many data bytes the packet with this number carries."""
        if sequence == self.previous:
            return self.previous_size
        return min(MAX_PACKET_DATA, self.count - len(self.data))


class UpgradeTarget:
    def __init__(self, flash, memory, faults, timeline, log, on_flash_written, on_finish, burn_step=0.02):
        self.flash = flash
        self.memory = memory
        self.faults = faults
        self.timeline = timeline
        self.log = log
        self.on_flash_written = on_flash_written
        self.on_finish = on_finish
        self.burn_step = burn_step
        self.state = "upload"
        self.client = None
        self._buffer = bytearray()
        self._last = 0.0
        self._plan = []          # (block id, byte count) as INFORM announced them
        self._whole_image = False
        self._staged = {}        # block id -> (mode, bytes) fully downloaded
        self._download = None

    def feed(self, data, now):
        if self._buffer and now - self._last > STALE_SECONDS:
            self.log("dropped %d bytes of an unfinished request" % len(self._buffer))
            self._buffer.clear()
        self._last = now
        self._buffer += data
        if self.state == "upload":
            self._upload(now)
        return self._serve(now) if self.state == "client" else b""

    # Upload of the client program

    def _upload(self, now):
        if self._buffer[:1] == bytes([HIGH_SPEED_START]):
            divisor = high_speed_packet(self._buffer)
            if divisor is None:
                return
            if divisor is not False:
                self.log("high-speed switch: divisor %d (about %d baud)" % (divisor, baud_from_divisor(divisor)))
                del self._buffer[:12]
        if len(self._buffer) >= CLIENT_HEADER_SIZE:
            length, zero1, zero2 = struct.unpack_from("<III", self._buffer)
            if zero1 == 0 and zero2 == 0 and length <= MAX_CLIENT_SIZE:
                if len(self._buffer) >= CLIENT_HEADER_SIZE + length:
                    del self._buffer[:CLIENT_HEADER_SIZE + length]
                    self._start_client("upgrade client", length)
                return
        if self._buffer:
            self.timeline.at(now + UPLOAD_QUIET_SECONDS, self._upload_quiet)

    def _upload_quiet(self, now):
        if self.state == "upload" and self._buffer and now - self._last >= UPLOAD_QUIET_SECONDS:
            size = len(self._buffer)
            self._buffer.clear()
            self._start_client("bare client", size)
        return None

    def _start_client(self, kind, size):
        self.client = kind
        self.state = "client"
        self.log("%s of %d bytes uploaded and started" % (kind, size))

    # The client's requests

    def _serve(self, now):
        out = bytearray()
        buf = self._buffer
        while True:
            start = buf.find(bytes([FRAME_START]))
            if start != 0:
                skipped = len(buf) if start < 0 else start
                if skipped:
                    self.log("skipped %d bytes outside any request" % skipped)
                    del buf[:skipped]
                if start < 0:
                    break
            if len(buf) < 2:
                break
            kind = buf[1]
            if kind == PACKET_MARK:
                if self._download is None:
                    self.log("data packet without a download")
                    del buf[:1]
                    continue
                if len(buf) < 4:
                    break
                size = 4 + self._download.next_size(buf[2] << 8 | buf[3]) + CHECK_SIZE
                if len(buf) < size:
                    break
                out += self._data_packet(bytes(buf[:size]))
            elif kind == DUMP_REQUEST[1]:
                if len(buf) < DUMP_REQUEST_SIZE:
                    break
                if bytes(buf[:len(DUMP_REQUEST)]) != DUMP_REQUEST:
                    del buf[:1]
                    continue
                size = DUMP_REQUEST_SIZE
                out += self._dump_piece(bytes(buf[:size]))
            else:
                if len(buf) < 3:
                    break
                size = buf[2] + COMMAND_OVERHEAD
                if len(buf) < size:
                    break
                out += self._command(bytes(buf[:size]), now)
            del buf[:size]
        return bytes(out)

    def _command(self, frame, now):
        letter, n = frame[1], frame[2]
        payload = frame[3:3 + n]
        if jamcrc(frame[1:3 + n]) != struct.unpack_from("<I", frame, 3 + n)[0]:
            self.log("command %r: wrong check value" % chr(letter))
            return error(ERR_FRAME_CHECK)
        if letter == FINISH:
            self.log("FINISH")
            self.on_finish(now)
            return ACK
        if self.faults.take("command-error"):
            self.log("command %r: answered with an error (armed fault)" % chr(letter))
            return ACK + error(ERR_FAULT)
        handlers = {TEST: self._test, COLLECT: self._collect, INFORM: self._inform,
                    DOWNLOAD: self._start_download, BURN: self._burn, READ: self._read}
        handler = handlers.get(letter)
        if handler is None:
            self.log("unknown command 0x%02x" % letter)
            return ACK + error(ERR_UNKNOWN_COMMAND)
        try:
            return ACK + DONE + handler(payload, now)
        except CommandError as failure:
            self.log("command %r refused: %s" % (chr(letter), failure))
            return ACK + error(failure.code)

    def _test(self, payload, now):
        if payload != BANNER:
            raise CommandError(ERR_BAD_ARGUMENT, "TEST banner %r" % payload)
        self.log("TEST")
        return BANNER

    def _collect(self, payload, now):
        if payload != COLLECT_ARGUMENT:
            raise CommandError(ERR_BAD_ARGUMENT, "COLLECT argument %r" % payload)
        table = self.flash.collect_table()
        check = jamcrc(table)
        if self.faults.take("reply-crc"):
            check ^= 1
        self.log("COLLECT: %d blocks: %s" % (len(self.flash.blocks()), ", ".join(
            "0x%02x %s (%d bytes at 0x%x)" % (e.id, e.name, e.length, e.offset) for e in self.flash.blocks())))
        return struct.pack("<I", len(table)) + table + struct.pack("<I", check)

    def _inform(self, payload, now):
        if not payload or len(payload) != 1 + 5 * payload[0]:
            raise CommandError(ERR_BAD_ARGUMENT, "INFORM of %d bytes" % len(payload))
        plan = [struct.unpack_from("<BI", payload, 1 + 5 * k) for k in range(payload[0])]
        whole = len(plan) == 1 and plan[0][0] == WHOLE_IMAGE_ID
        if not whole:
            known = {entry.id for entry in self.flash.blocks()}
            unknown = [block_id for block_id, _ in plan if block_id not in known]
            if unknown:
                raise CommandError(ERR_BAD_ARGUMENT, "INFORM names blocks %s that the flash lacks" % unknown)
        self._plan, self._whole_image, self._staged, self._download = plan, whole, {}, None
        self.log("INFORM: %s" % ", ".join("block 0x%02x %d bytes" % p for p in plan))
        return b""

    def _start_download(self, payload, now):
        if len(payload) != 6:
            raise CommandError(ERR_BAD_ARGUMENT, "DOWNLOAD of %d bytes" % len(payload))
        block_id, mode, count = struct.unpack("<BBI", payload)
        announced = dict(self._plan)
        if mode == MODE_ZIPPED:
            if not (self._whole_image and block_id == WHOLE_IMAGE_ID):
                raise CommandError(ERR_BAD_ARGUMENT, "compressed DOWNLOAD without a whole-image INFORM")
        elif mode == MODE_RAW:
            if self._whole_image or announced.get(block_id) != count:
                raise CommandError(ERR_BAD_ARGUMENT, "DOWNLOAD of block 0x%02x, %d bytes, not as announced"
                                   % (block_id, count))
        else:
            raise CommandError(ERR_BAD_ARGUMENT, "DOWNLOAD mode 0x%02x" % mode)
        if count > MAX_DOWNLOAD:
            raise CommandError(ERR_OUT_OF_RANGE, "DOWNLOAD of %d bytes" % count)
        self._download = Download(block_id, mode, count)
        self.log("DOWNLOAD: block 0x%02x, mode %s, %d bytes" % (block_id, chr(mode), count))
        if count == 0:
            self._staged[block_id] = (mode, b"")
            if not self.faults.take("no-end-byte"):
                self.timeline.at(now + EMPTY_DOWNLOAD_END_DELAY, DONE)
        return b""

    def _data_packet(self, packet):
        download = self._download
        sequence = packet[2] << 8 | packet[3]
        data = packet[4:-CHECK_SIZE]
        if self.faults.take("packet-silent"):
            self.log("packet %d: not answered (armed fault)" % sequence)
            return b""
        if self.faults.take("packet-error"):
            self.log("packet %d: answered with an error (armed fault)" % sequence)
            return error(ERR_FAULT)
        if jamcrc(data) != struct.unpack_from("<I", packet, len(packet) - CHECK_SIZE)[0]:
            self.log("packet %d: wrong check value" % sequence)
            return error(ERR_PACKET_CHECK)
        if sequence == download.previous:
            self.log("packet %d again: acknowledged again" % sequence)
            return ACK + struct.pack(">H", sequence)
        if sequence != download.expected or download.complete:
            self.log("packet %d out of order, expected %d" % (sequence, download.expected))
            return error(ERR_SEQUENCE)
        download.data += data
        download.previous, download.previous_size = sequence, len(data)
        download.expected = (sequence + 1) % SEQUENCE_MODULUS
        out = ACK + struct.pack(">H", sequence)
        if download.complete:
            self._staged[download.block_id] = (download.mode, bytes(download.data))
            self.log("download of block 0x%02x complete" % download.block_id)
            if not self.faults.take("no-end-byte"):
                out += DONE
        return out

    def _burn(self, payload, now):
        if not self._staged:
            raise CommandError(ERR_NOTHING_TO_BURN, "BURN before any complete download")
        try:
            if self.faults.take("burn-error"):
                raise ValueError("armed fault")
            writes = self._burn_writes()
            for write in writes:
                write()
            self.log("BURN: %d writes done" % len(writes))
            self.on_flash_written()
            ending = BURN_DONE
        except (ValueError, OSError, EOFError, zlib.error) as failure:
            self.log("BURN failed: %s" % failure)
            ending = FAILED
        self._staged, self._download = {}, None
        steps = BURN_STEPS if ending == BURN_DONE else BURN_STEPS // 2
        for k in range(1, steps + 1):
            self.timeline.at(now + k * self.burn_step, BURN_PROGRESS + bytes([k * 100 // BURN_STEPS]))
        self.timeline.at(now + (steps + 1) * self.burn_step, ending)
        return b""

    def _burn_writes(self):
        """Checks everything staged and returns the flash writes it makes; nothing
        is written unless all of it is sound."""
        if self._whole_image:
            mode, data = self._staged[WHOLE_IMAGE_ID]
            image = gzip.decompress(data)
            announced = self._plan[0][1]
            if len(image) != announced:
                raise ValueError("image unpacks to %d bytes, INFORM announced %d" % (len(image), announced))
            if len(image) > self.flash.size:
                raise ValueError("image of %d bytes is larger than the %d-byte flash" % (len(image), self.flash.size))
            return [lambda: self.flash.write(0, image)]
        writes = []
        for block_id, count in self._plan:
            if block_id not in self._staged:
                raise ValueError("block 0x%02x was announced but not downloaded" % block_id)
            entry = self.flash.block(block_id)
            data = self._staged[block_id][1]
            if len(data) > self.flash.capacity(entry):
                raise ValueError("block 0x%02x holds %d bytes, got %d" % (block_id, self.flash.capacity(entry), len(data)))
            writes.append(lambda block_id=block_id, data=data: self.flash.write_block(self.flash.block(block_id), data))
        return writes

    def _read(self, payload, now):
        if len(payload) != 9:
            raise CommandError(ERR_BAD_ARGUMENT, "READ of %d bytes" % len(payload))
        block_id, offset, length = struct.unpack("<BII", payload)
        size = length - CHECK_SIZE
        if not 0 <= size <= MAX_READ_PIECE or offset + size > self.flash.size:
            raise CommandError(ERR_OUT_OF_RANGE, "READ of %d bytes at 0x%x" % (size, offset))
        data = self.flash.read(offset, size)
        check = jamcrc(data)
        if self.faults.take("reply-crc"):
            check ^= 1
        return data + struct.pack("<I", check)

    def _dump_piece(self, request):
        address, length = struct.unpack_from("<II", request, 9)
        size = max(0, min(length, MAX_READ_PIECE + CHECK_SIZE) - CHECK_SIZE)
        data = self.memory.read(address, size)
        check = jamcrc(data)
        if self.faults.take("reply-crc"):
            check ^= 1
        if address == FLASH_BASE:
            self.log("dump started at 0x%08x" % address)
        return struct.pack("<BII", FRAME_START, DUMP_REPLY_TYPE, size + CHECK_SIZE) + data + struct.pack("<I", check)
