"""Line commands through which a test steers the running simulator."""
import os
import shlex
import termios

from faults import FAULTS

HELP = ("ok commands: reset | say TEXT | keys-echo on|off | garbage COUNT | fault NAME [COUNT] (%s)"
        " | faults | line-rate | poke ADDRESS HEX"
        " | save [PATH] | state | quit" % ", ".join(sorted(FAULTS)))


def line_rate(path):
    """The output rate the host set on its end of the line (a pty keeps it,
    though it does not pace the bytes by it)."""
    if not path:
        raise ValueError("no host end given (--host-end)")
    line = os.open(path, os.O_RDONLY | os.O_NOCTTY | os.O_NONBLOCK)
    try:
        speed = termios.tcgetattr(line)[5]
    finally:
        os.close(line)
    rates = {getattr(termios, name): int(name[1:]) for name in dir(termios)
             if name[0] == "B" and name[1:].isdigit()}
    return rates[speed]


class ControlCommands:
    def __init__(self, box, save_flash, stop, host_end=None):
        self.box = box
        self.save_flash = save_flash
        self.stop = stop
        self.host_end = host_end

    def execute(self, line, now):
        """Runs one command; returns (reply text, bytes for the serial line)."""
        try:
            words = shlex.split(line)
        except ValueError as failure:
            return "error: %s" % failure, b""
        if not words:
            return "error: empty command", b""
        command, arguments = words[0], words[1:]
        try:
            return self._run(command, arguments, now)
        except (KeyError, ValueError, OSError, IndexError) as failure:
            return "error: %s" % failure, b""

    def _run(self, command, arguments, now):
        if command == "reset":
            self.box.reset(now)
            return "ok", b""
        if command == "say":
            return "ok", self.box.say(" ".join(arguments))
        if command == "fault":
            self.box.faults.arm(arguments[0], int(arguments[1]) if len(arguments) > 1 else 1)
            return "ok", b""
        if command == "keys-echo":
            self.box.shell.echo = arguments[0] == "on"
            return "ok", b""
        if command == "garbage":
            return "ok", self.box.garbage(int(arguments[0]))
        if command == "line-rate":
            return "ok %d" % line_rate(self.host_end), b""
        if command == "faults":
            return "ok %s" % " ".join("%s=%d" % item for item in sorted(self.box.faults.armed().items())), b""
        if command == "poke":
            self.box.memory.poke(int(arguments[0], 0), bytes.fromhex(arguments[1]))
            return "ok", b""
        if command == "save":
            return "ok %s" % self.save_flash(arguments[0] if arguments else None), b""
        if command == "state":
            client = self.box.upgrade.client if self.box.upgrade else None
            return ("ok mode=%s client=%s flash=%d blocks=%d"
                    % (self.box.mode, client, self.box.flash.size, len(self.box.flash.blocks()))), b""
        if command == "quit":
            self.stop()
            return "ok", b""
        if command == "help":
            return HELP, b""
        return "error: unknown command %r (try help)" % command, b""
