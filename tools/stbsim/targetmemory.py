"""The target's address space as memory reads see it."""

FLASH_BASE = 0x08000000
RAM_BASE = 0x80000000
RAM_SIZE = 0x400000
ADDRESS_LIMIT = 0x100000000


def unmapped_byte(address):
    """What a read of an address with nothing behind it returns: a fixed pattern."""
    return (address ^ (address >> 8) ^ (address >> 16) ^ (address >> 24)) & 0xFF


class TargetMemory:
    def __init__(self, flash):
        self.flash = flash
        self.ram = bytearray(RAM_SIZE)

    def read(self, address, count):
        out = bytearray()
        while count > 0:
            address %= ADDRESS_LIMIT
            piece = self._region_piece(address, count)
            out += piece
            address += len(piece)
            count -= len(piece)
        return bytes(out)

    def poke(self, address, payload):
        """Writes RAM; flash changes only through the upgrade client."""
        if not (RAM_BASE <= address and address + len(payload) <= RAM_BASE + RAM_SIZE):
            raise ValueError("0x%x..+%d is not RAM" % (address, len(payload)))
        self.ram[address - RAM_BASE:address - RAM_BASE + len(payload)] = payload

    def _region_piece(self, address, count):
        flash_end = FLASH_BASE + self.flash.size
        if FLASH_BASE <= address < flash_end:
            n = min(count, flash_end - address)
            return self.flash.read(address - FLASH_BASE, n)
        if RAM_BASE <= address < RAM_BASE + RAM_SIZE:
            n = min(count, RAM_BASE + RAM_SIZE - address)
            return bytes(self.ram[address - RAM_BASE:address - RAM_BASE + n])
        starts = [s for s in (FLASH_BASE, RAM_BASE, ADDRESS_LIMIT) if s > address]
        n = min(count, min(starts) - address)
        return bytes(unmapped_byte(address + k) for k in range(n))
