#!/usr/bin/env python3
"""Plays a set-top box on the far end of a serial line (see README.md).

    stbsim.py --port /dev/pts/N [--flash image.bin] [--flash-out out.bin] [--log log.txt]
              [--control /tmp/stb.sock] [--boot] [--big-endian] [--pace BAUD]
    stbsim.py --control /tmp/stb.sock --command "reset"
"""
import argparse
import os
import signal
import socket
import sys
import time

sys.dont_write_bytecode = True  # the tool runs from the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from eventlog import EventLog  # noqa: E402
from flashimage import FlashImage, build_default_image  # noqa: E402
from serialloop import SerialLoop  # noqa: E402
from settopbox import SetTopBox  # noqa: E402


def parse_arguments(argv):
    parser = argparse.ArgumentParser(description="Simulated set-top box on a serial line.")
    parser.add_argument("--port", help="the serial device (one end of a pty pair) to serve")
    parser.add_argument("--flash", help="flash image to start from (default: a built-in 1 MB image)")
    parser.add_argument("--flash-size", type=lambda text: int(text, 0), default=0x100000,
                        help="size of the built-in image when --flash is not given")
    parser.add_argument("--flash-out", help="file the flash is written to after every burn, on 'save' and at exit")
    parser.add_argument("--log", help="file that receives a log of the traffic and the target's events")
    parser.add_argument("--control", help="unix socket path for line commands (reset, say, fault, save, ...)")
    parser.add_argument("--control-port", type=int,
                        help="also take line commands on this TCP port of 127.0.0.1 (for programs under Wine)")
    parser.add_argument("--host-end", help="the host's end of the pty pair, whose line rate 'line-rate' reports")
    parser.add_argument("--command", help="send one line command to a running simulator's --control socket")
    parser.add_argument("--boot", action="store_true", help="power the target on at start (sync bytes, then boot text)")
    parser.add_argument("--big-endian", action="store_true", help="'#' frames carry big-endian words")
    parser.add_argument("--sync-window", type=float, default=2.0, help="seconds the boot code offers the sync byte")
    parser.add_argument("--sync-interval", type=float, default=0.25, help="seconds between sync bytes")
    parser.add_argument("--pace", type=int, metavar="BAUD",
                        help="pace the target's side of the line to this rate, 10 bits a byte, both ways")
    parser.add_argument("--burn-step", type=float, default=0.02, help="seconds between burn progress reports")
    arguments = parser.parse_args(argv)
    if not arguments.command and not arguments.port:
        parser.error("--port is required")
    if arguments.pace is not None and arguments.pace <= 0:
        parser.error("--pace needs a positive rate")
    if arguments.command and not arguments.control:
        parser.error("--command needs --control")
    return arguments


def send_command(path, line):
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as client:
        client.connect(path)
        client.sendall(line.encode() + b"\n")
        reply = b""
        while not reply.endswith(b"\n"):
            data = client.recv(4096)
            if not data:
                break
            reply += data
    text = reply.decode(errors="replace").rstrip("\n")
    print(text)
    return 0 if text.startswith("ok") else 1


def serve(arguments):
    log = EventLog(arguments.log)
    flash = FlashImage.load(arguments.flash) if arguments.flash else FlashImage(build_default_image(arguments.flash_size))

    def save_flash(path=None):
        target = path or arguments.flash_out
        if not target:
            raise ValueError("no file to save to: give a path or --flash-out")
        flash.save(target)
        log.write("flash saved to %s" % target)
        return target

    def save_after_burn():
        if arguments.flash_out:
            save_flash()

    box = SetTopBox(flash, now=time.monotonic(), little_endian=not arguments.big_endian, log=log.write,
                    on_flash_written=save_after_burn, sync_window=arguments.sync_window,
                    sync_interval=arguments.sync_interval, burn_step=arguments.burn_step)
    loop = SerialLoop(box, arguments.port, log, save_flash, arguments.control, arguments.control_port,
                      arguments.host_end, arguments.pace)
    for signal_number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(signal_number, lambda number, frame: loop.stop())
    if arguments.boot:
        box.reset(time.monotonic())
    try:
        loop.run()
    finally:
        save_after_burn()
        log.close()
    return 0


def main(argv=None):
    arguments = parse_arguments(sys.argv[1:] if argv is None else argv)
    if arguments.command:
        return send_command(arguments.control, arguments.command)
    return serve(arguments)


if __name__ == "__main__":
    sys.exit(main())
