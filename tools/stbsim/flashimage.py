"""The target's flash memory and the block table it reports from it."""
import random
import struct

from jamcrc import jamcrc

DM_MARKER = b"*^_^*DM(^o^)"
DM_HEADER_SIZE = 28
DM_COUNT_OFFSET = 24
DM_FORM_OFFSET = 26
DM_FORM_BYTE = ord("0")
DM_FLASH_SIZE_OFFSET = 16
BANK_POSITION_OFFSET = 8
BANK_HEADER_SIZE = 12
ENTRY_SIZE = 48
MAX_BLOCKS = 64
NO_CRC = 0x4352434E  # "NCRC"
ERASED = 0xFF

# The reported table: 20 header bytes (block count at 16), then the entries.
TABLE_HEADER_SIZE = 20
TABLE_COUNT_OFFSET = 16
TABLE_MAGIC = b"BLKTABLE"


class BlockEntry:
    """One 48-byte block entry as it lies in flash."""

    def __init__(self, raw, position, base):
        self.raw = bytes(raw)
        self.position = position  # where the entry itself lies in flash
        self.base = base          # what the entry's data offset counts from

    @property
    def id(self):
        return self.raw[0]

    @property
    def offset(self):
        """The data's absolute position in flash."""
        return self.base + struct.unpack_from("<I", self.raw, 4)[0]

    @property
    def length(self):
        return struct.unpack_from("<I", self.raw, 8)[0]

    @property
    def crc(self):
        return struct.unpack_from("<I", self.raw, 12)[0]

    @property
    def name(self):
        return self.raw[24:32].split(b"\0", 1)[0].decode("latin-1")

    def reported(self):
        """The entry as the target reports it: with its absolute offset."""
        raw = bytearray(self.raw)
        struct.pack_into("<I", raw, 4, self.offset)
        return bytes(raw)


class FlashImage:
    def __init__(self, data):
        self.data = bytearray(data)

    @classmethod
    def load(cls, path):
        with open(path, "rb") as f:
            return cls(f.read())

    def save(self, path):
        with open(path, "wb") as f:
            f.write(self.data)

    @property
    def size(self):
        return len(self.data)

    def read(self, offset, count):
        """Bytes from offset; what lies beyond the chip reads as erased."""
        inside = self.data[offset:offset + count] if offset < self.size else b""
        return bytes(inside) + bytes([ERASED]) * (count - len(inside))

    def write(self, offset, payload):
        if offset < 0 or offset + len(payload) > self.size:
            raise ValueError("write of %d bytes at 0x%x passes the end of a %d-byte flash"
                             % (len(payload), offset, self.size))
        self.data[offset:offset + len(payload)] = payload

    def blocks(self):
        """The block table: every DM header's entries, or else the bank header's."""
        return self._dm_blocks() or self._bank_blocks()

    def block(self, block_id):
        return next((b for b in self.blocks() if b.id == block_id), None)

    def capacity(self, entry):
        """Room for the block's data: up to the next block's data or the chip's end."""
        starts = [b.offset for b in self.blocks() if b.offset > entry.offset]
        end = min(starts + [self.size])
        return max(0, end - entry.offset)

    def write_block(self, entry, payload):
        """Replaces a block's data and keeps its entry's length and check value true."""
        if len(payload) > self.capacity(entry):
            raise ValueError("block %d holds at most %d bytes, got %d"
                             % (entry.id, self.capacity(entry), len(payload)))
        self.write(entry.offset, payload)
        raw = bytearray(entry.raw)
        struct.pack_into("<I", raw, 8, len(payload))
        if entry.crc != NO_CRC:
            struct.pack_into("<I", raw, 12, jamcrc(payload))
        self.write(entry.position, raw)

    def collect_table(self):
        entries = self.blocks()
        header = bytearray(TABLE_HEADER_SIZE)
        header[0:len(TABLE_MAGIC)] = TABLE_MAGIC
        struct.pack_into("<I", header, 8, self.size)
        struct.pack_into("<H", header, TABLE_COUNT_OFFSET, len(entries))
        return bytes(header) + b"".join(e.reported() for e in entries)

    def _dm_blocks(self):
        entries = []
        position = self.data.find(DM_MARKER)
        while position >= 0 and position + DM_HEADER_SIZE <= self.size:
            if self.data[position + DM_FORM_OFFSET] == DM_FORM_BYTE:
                count = self.data[position + DM_COUNT_OFFSET]
                for k in range(count):
                    at = position + DM_HEADER_SIZE + ENTRY_SIZE * k
                    if at + ENTRY_SIZE > self.size or len(entries) == MAX_BLOCKS:
                        return entries
                    entries.append(BlockEntry(self.data[at:at + ENTRY_SIZE], at, position))
            position = self.data.find(DM_MARKER, position + 1)
        return entries

    def _bank_blocks(self):
        if self.size < BANK_POSITION_OFFSET + 4:
            return []
        bank = struct.unpack_from("<I", self.data, BANK_POSITION_OFFSET)[0]
        if bank + BANK_HEADER_SIZE > self.size:
            return []
        image_length = self.data[bank + 6] * 0x10000 + self.data[bank + 4]
        count = self.data[bank + 8]
        first = bank + BANK_HEADER_SIZE
        if image_length != self.size or count > MAX_BLOCKS or first + ENTRY_SIZE * count > self.size:
            return []
        return [BlockEntry(self.data[first + ENTRY_SIZE * k:first + ENTRY_SIZE * (k + 1)],
                           first + ENTRY_SIZE * k, 0) for k in range(count)]


# The chip a simulator starts with when no image is given: one DM header at
# the start and a few blocks, each on a 64 KB boundary.
DEFAULT_BLOCKS = (
    # id, name, offset, length, carries a check value
    (1, "boot", 0x010000, 0x8000, True),
    (2, "ssdata", 0x020000, 0x100, True),
    (3, "kernel", 0x030000, 0x40000, True),
    (4, "rootfs", 0x080000, 0x50000, True),
    (5, "userdb", 0x0E0000, 0x10000, False),
)
DEFAULT_VERSION_TEXT = b"STBSIM-SW 1.0.0"


def build_default_image(size=0x100000, seed=1):
    blocks = [b for b in DEFAULT_BLOCKS if b[2] + b[3] <= size]
    rng = random.Random(seed)
    image = bytearray([ERASED]) * size
    header = bytearray(DM_HEADER_SIZE)
    header[0:len(DM_MARKER)] = DM_MARKER
    struct.pack_into("<I", header, DM_FLASH_SIZE_OFFSET, size)
    header[DM_COUNT_OFFSET] = len(blocks)
    header[DM_FORM_OFFSET] = DM_FORM_BYTE
    image[0:DM_HEADER_SIZE] = header
    for k, (block_id, name, offset, length, checked) in enumerate(blocks):
        if name == "ssdata":
            payload = DEFAULT_VERSION_TEXT.ljust(20, b"\0") + bytes(length - 20)
        else:
            payload = rng.randbytes(length)
        image[offset:offset + length] = payload
        entry = bytearray(ENTRY_SIZE)
        entry[0] = block_id
        entry[1] = 1
        struct.pack_into("<IIII", entry, 4, offset, length,
                         jamcrc(payload) if checked else NO_CRC, 0x00010000)
        entry[24:24 + len(name)] = name.encode("latin-1")
        entry[32:48] = b"2024-01-01 00:00"
        at = DM_HEADER_SIZE + ENTRY_SIZE * k
        image[at:at + ENTRY_SIZE] = entry
    return image
