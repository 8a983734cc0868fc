"""Serial and control-socket I/O around a SetTopBox: one thread, one select loop.

Paced to a line rate, the loop writes the target's bytes no faster than the
line carries them, and reads the host's no faster either: the rest stays in
the pty, so the host's writes back up as on a real line.
"""
import array
import contextlib
import errno
import fcntl
import os
import select
import socket
import termios
import time
import tty

from controlcommands import ControlCommands
from linepacer import LinePacer

READ_SIZE = 4096
# The longest the loop sleeps: half-received requests are given up on time.
MAX_WAIT = 0.2


def bytes_waiting(port):
    """How many received bytes the port holds unread."""
    count = array.array("i", [0])
    try:
        fcntl.ioctl(port, termios.FIONREAD, count)
    except OSError:
        return 0  # a line that went: the next read reports it
    return count[0]


class SerialLoop:
    # pace: the line rate in baud, or None for a line as fast as the pty.
    def __init__(self, box, port_path, log, save_flash, control_path=None, control_port=None, host_end=None,
                 pace=None, clock=time.monotonic):
        self.box = box
        self.port_path = port_path
        self.log = log
        self.control_path = control_path
        self.control_port = control_port
        self.commands = ControlCommands(box, save_flash, self.stop, host_end)
        self.running = False
        self._outgoing = bytearray()
        self._clients = {}
        self.clock = clock
        self._sending = LinePacer(pace) if pace else None
        self._receiving = LinePacer(pace) if pace else None
        # Bytes seen waiting in the port while the received side is paced.
        self._incoming = 0

    def stop(self):
        self.running = False

    def run(self):
        port = os.open(self.port_path, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
        try:
            tty.setraw(port)
        except termios.error:
            pass  # no terminal, so no line settings to make raw
        server = self._open_control()
        servers = [s for s in (server, self._open_control_port()) if s]
        self.running = True
        self.log.write("serving %s" % self.port_path)
        try:
            while self.running:
                self.turn(port, servers)
        finally:
            for client in list(self._clients):
                client.close()
            for listening in servers:
                listening.close()
            if server:
                with contextlib.suppress(FileNotFoundError):
                    os.unlink(self.control_path)
            os.close(port)

    def turn(self, port, servers):
        """One pass of the loop: wait for the port, the sockets or the next
        due time, then serve what is ready."""
        now = self.clock()
        self._queue(self.box.poll(now), now)
        due = self.box.next_time()
        wait = MAX_WAIT if due is None else min(MAX_WAIT, max(0.0, due - now))
        readers = servers + list(self._clients)
        if self._incoming == 0:
            readers.append(port)
        writers = []
        if self._outgoing:
            if self._sending is None or self._sending.due(now, len(self._outgoing)) > 0:
                writers.append(port)
            else:
                wait = min(wait, self._sending.wait(now, len(self._outgoing)))
        if self._incoming:
            wait = min(wait, self._receiving.wait(now, self._incoming))
        readable, writable, _ = select.select(readers, writers, [], wait)
        now = self.clock()
        if port in readable or self._incoming:
            self._read(port, now)
            if not self.running:
                return
        if port in writable:
            self._write(port, now)
        if self.box.hung_up and not self._outgoing:
            self.log.write("the target hangs up the line")
            self.running = False
            return
        for server in [s for s in servers if s in readable]:
            client, _ = server.accept()
            self._clients[client] = bytearray()
        for client in [c for c in readable if c in self._clients]:
            self._control_input(client, now)

    def _read(self, port, now):
        count = READ_SIZE
        if self._receiving is not None:
            if self._incoming == 0:
                self._incoming = bytes_waiting(port)
                self._receiving.start(now)
            if self._incoming:
                count = self._receiving.due(now, self._incoming)
                if count == 0:
                    return
            else:
                # Readable with nothing waiting: the read sees the hang-up, or
                # at most one byte that came just now.
                count = 1
        try:
            data = os.read(port, count)
        except OSError as failure:
            if failure.errno != errno.EIO:
                raise
            data = b""
        if not data:
            self.log.write("the serial line closed")
            self.running = False
            return
        if self._receiving is not None:
            self._receiving.take(len(data))
            self._incoming = bytes_waiting(port)
        self.log.traffic("rx", data)
        self._queue(self.box.feed(data, now), now)

    def _queue(self, data, now):
        if data:
            self.log.traffic("tx", data)
            if self._sending is not None and not self._outgoing:
                self._sending.start(now)
            self._outgoing += data

    def _write(self, port, now):
        count = len(self._outgoing)
        if self._sending is not None:
            count = self._sending.due(now, count)
        try:
            written = os.write(port, self._outgoing[:count])
        except BlockingIOError:
            return
        except OSError as failure:
            if failure.errno != errno.EIO:
                raise
            self.log.write("the serial line closed")
            self.running = False
            return
        del self._outgoing[:written]
        if self._sending is not None:
            self._sending.take(written)

    def _open_control(self):
        if not self.control_path:
            return None
        if os.path.exists(self.control_path):
            os.unlink(self.control_path)
        server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        server.bind(self.control_path)
        server.listen(4)
        return server

    def _open_control_port(self):
        if not self.control_port:
            return None
        server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        server.bind(("127.0.0.1", self.control_port))
        server.listen(4)
        return server

    def _control_input(self, client, now):
        data = client.recv(READ_SIZE)
        if not data:
            del self._clients[client]
            client.close()
            return
        pending = self._clients[client]
        pending += data
        while b"\n" in pending:
            line, _, rest = bytes(pending).partition(b"\n")
            pending[:] = rest
            self.log.write("control: %s" % line.decode(errors="replace"))
            reply, serial = self.commands.execute(line.decode(errors="replace"), now)
            self._queue(serial, now)
            client.sendall(reply.encode() + b"\n")
