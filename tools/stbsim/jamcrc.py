"""The check value the target puts on every reply and expects on every packet.

The register starts at 0xFFFFFFFF and is never inverted at the end, so the
value is the complement of the usual CRC-32. zlib's routine does the inverting
on entry and exit, so complementing around it gives the raw register.
"""
import zlib

MASK = 0xFFFFFFFF
START = 0xFFFFFFFF


def jamcrc(data, value=START):
    """Runs the register over data from value and returns the new register."""
    return zlib.crc32(data, value ^ MASK) ^ MASK
