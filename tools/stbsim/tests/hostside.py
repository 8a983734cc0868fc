"""What a host puts on the line and reads from it, built for the tests from the
protocol descriptions rather than from the simulator's own code."""
import struct


def crc_table():
    table = []
    for i in range(256):
        value = i
        for _ in range(8):
            value = (value >> 1) ^ 0xEDB88320 if value & 1 else value >> 1
        table.append(value)
    return table


TABLE = crc_table()


def reference_crc(data, value=0xFFFFFFFF):
    for byte in data:
        value = TABLE[(value ^ byte) & 0xFF] ^ (value >> 8)
    return value


def frame(frame_type, payload=b"", order="<"):
    return b"#" + struct.pack(order + "II", frame_type, len(payload)) + payload


def header(frame_type, length, order="<"):
    return b"#" + struct.pack(order + "II", frame_type, length)


def parse_frames(data, order="<"):
    """Splits reply bytes into (type, length, payload) triples; a length of
    0xFFFB to 0xFFFF carries no payload."""
    frames = []
    i = 0
    while i < len(data):
        assert data[i:i + 1] == b"#", "reply does not start a frame at %d: %r" % (i, data[i:i + 16])
        frame_type, length = struct.unpack_from(order + "II", data, i + 1)
        i += 9
        if length in (0, 0xFFFB, 0xFFFC, 0xFFFD, 0xFFFE, 0xFFFF):
            frames.append((frame_type, length, b""))
            continue
        frames.append((frame_type, length, data[i:i + length]))
        i += length
    return frames


def command(letter, payload=b""):
    body = letter.encode() + bytes([len(payload)]) + payload
    return b"#" + body + struct.pack("<I", reference_crc(body))


def packet(sequence, data):
    return b"#*" + struct.pack(">H", sequence) + data + struct.pack("<I", reference_crc(data))


def dump_request(address, piece):
    return b"#" + struct.pack("<IIII", 3, 8, address, piece + 4)


def client_upload(program):
    return struct.pack("<III", len(program), 0, 0) + program


def block_entry(block_id, offset, length, name, crc):
    entry = bytearray(48)
    entry[0] = block_id
    struct.pack_into("<III", entry, 4, offset, length, crc)
    entry[24:24 + len(name)] = name.encode()
    return bytes(entry)


def dm_image(size, header_position, blocks):
    """A flash image with one DM header; blocks are (id, offset from the header,
    data, carries a check value)."""
    image = bytearray(b"\xff" * size)
    head = bytearray(28)
    head[0:12] = b"*^_^*DM(^o^)"
    struct.pack_into("<I", head, 16, size)
    head[24] = len(blocks)
    head[26] = ord("0")
    image[header_position:header_position + 28] = head
    for k, (block_id, offset, data, checked) in enumerate(blocks):
        crc = reference_crc(data) if checked else 0x4352434E
        at = header_position + 28 + 48 * k
        image[at:at + 48] = block_entry(block_id, offset, len(data), "blk%d" % block_id, crc)
        image[header_position + offset:header_position + offset + len(data)] = data
    return image


def bank_image(size, bank_position, blocks):
    """A flash image in the bank form; blocks are (id, offset, data)."""
    image = bytearray(b"\xff" * size)
    struct.pack_into("<I", image, 8, bank_position)
    bank = bytearray(12)
    bank[0], bank[2] = size & 0xFF, (size >> 16) & 0xFF
    bank[4], bank[6] = size & 0xFF, (size >> 16) & 0xFF
    bank[8] = len(blocks)
    image[bank_position:bank_position + 12] = bank
    for k, (block_id, offset, data) in enumerate(blocks):
        at = bank_position + 12 + 48 * k
        image[at:at + 48] = block_entry(block_id, offset, len(data), "bank%d" % block_id, reference_crc(data))
        image[offset:offset + len(data)] = data
    return image
