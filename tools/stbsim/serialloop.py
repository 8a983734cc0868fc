"""Serial and control-socket I/O around a SetTopBox: one thread, one select loop."""
import contextlib
import errno
import os
import select
import socket
import termios
import time
import tty

from controlcommands import ControlCommands

READ_SIZE = 4096
# The longest the loop sleeps: half-received requests are given up on time.
MAX_WAIT = 0.2


class SerialLoop:
    def __init__(self, box, port_path, log, save_flash, control_path=None, control_port=None, host_end=None):
        self.box = box
        self.port_path = port_path
        self.log = log
        self.control_path = control_path
        self.control_port = control_port
        self.commands = ControlCommands(box, save_flash, self.stop, host_end)
        self.running = False
        self._outgoing = bytearray()
        self._clients = {}

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
                self._loop_once(port, servers)
        finally:
            for client in list(self._clients):
                client.close()
            for listening in servers:
                listening.close()
            if server:
                with contextlib.suppress(FileNotFoundError):
                    os.unlink(self.control_path)
            os.close(port)

    def _loop_once(self, port, servers):
        now = time.monotonic()
        self._queue(self.box.poll(now))
        due = self.box.next_time()
        wait = MAX_WAIT if due is None else min(MAX_WAIT, max(0.0, due - now))
        readers = [port] + servers + list(self._clients)
        writers = [port] if self._outgoing else []
        readable, writable, _ = select.select(readers, writers, [], wait)
        now = time.monotonic()
        if port in readable:
            try:
                data = os.read(port, READ_SIZE)
            except OSError as failure:
                if failure.errno != errno.EIO:
                    raise
                data = b""
            if not data:
                self.log.write("the serial line closed")
                self.running = False
                return
            self.log.traffic("rx", data)
            self._queue(self.box.feed(data, now))
        if port in writable:
            self._write(port)
        if self.box.hung_up and not self._outgoing:
            self.log.write("the target hangs up the line")
            self.running = False
            return
        for server in [s for s in servers if s in readable]:
            client, _ = server.accept()
            self._clients[client] = bytearray()
        for client in [c for c in readable if c in self._clients]:
            self._control_input(client, now)

    def _queue(self, data):
        if data:
            self.log.traffic("tx", data)
            self._outgoing += data

    def _write(self, port):
        try:
            written = os.write(port, self._outgoing)
        except BlockingIOError:
            return
        except OSError as failure:
            if failure.errno != errno.EIO:
                raise
            self.log.write("the serial line closed")
            self.running = False
            return
        del self._outgoing[:written]

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
            self._queue(serial)
            client.sendall(reply.encode() + b"\n")
