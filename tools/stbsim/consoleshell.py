"""The target application's console: it echoes what is typed and runs a line
as a command when Enter comes."""

PROMPT = b"stb> "
NEWLINE = b"\r\n"
ENTER = (0x0D, 0x0A)
ERASE = (0x08, 0x7F)
MAX_LINE = 256
VERSION_TEXT = "stbsim target application 1.0"
FLOOD_END = b"flood done"
FLOOD_LINE = b"%08d the quick brown fox jumps over the lazy dog 0123456789\r\n"


def flood_text(count):
    """count bytes of numbered console lines, as fast as they can be made."""
    line_size = len(FLOOD_LINE % 0)
    lines = count // line_size
    text = b"".join(FLOOD_LINE % k for k in range(lines))
    return text + b"." * (count - len(text))


class ConsoleShell:
    def __init__(self, target_os, reboot):
        self.os = target_os
        self.reboot = reboot
        self._line = bytearray()
        self._after_cr = False
        self.echo = True

    def banner(self, now):
        lines = ["", "Boot loader 2.1", "Flash ok, starting application...", VERSION_TEXT,
                 "%d tasks started" % len(self.os.tasks), ""]
        return NEWLINE.join(line.encode() for line in lines) + PROMPT

    def keys(self, data, now):
        out = bytearray()
        for byte in data:
            if byte == 0x0A and self._after_cr:
                self._after_cr = False
                continue
            self._after_cr = byte == 0x0D
            if byte in ENTER:
                # Echoed as it came: the host starts the new line itself
                # when Enter is pressed, and shows a carriage return as nothing.
                if self.echo:
                    out.append(byte)
                out += self._run(self._line.decode("latin-1").strip(), now)
                self._line.clear()
            elif byte in ERASE:
                if self._line:
                    self._line.pop()
                    if self.echo:
                        out += b"\b \b"
            elif len(self._line) < MAX_LINE:
                self._line.append(byte)
                if self.echo:
                    out.append(byte)
        return bytes(out)

    def say(self, text):
        """Console output the application prints on its own, at a fresh line."""
        return NEWLINE + text.replace("\n", "\r\n").encode("latin-1") + NEWLINE + PROMPT + bytes(self._line)

    def _run(self, line, now):
        command, _, argument = line.partition(" ")
        if not command:
            return PROMPT
        if command == "reboot":
            self.reboot(now)
            return b"Rebooting..." + NEWLINE
        if command == "flood":
            return flood_text(int(argument)) + FLOOD_END + NEWLINE + PROMPT
        texts = {
            "help": lambda: "commands: help version uptime tasks echo flood reboot",
            "version": lambda: VERSION_TEXT,
            "uptime": lambda: "up %.1f s" % (self.os.ticks(now) / 1000.0),
            "tasks": lambda: self.os.text_report(now).decode().replace("\r\n", "\n").rstrip(),
            "echo": lambda: argument,
        }
        text = texts[command]() if command in texts else "unknown command: " + command
        return text.replace("\n", "\r\n").encode("latin-1") + NEWLINE + PROMPT
