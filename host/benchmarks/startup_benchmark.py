#!/usr/bin/env python3
"""korvo's start-up against a bare Win32 window program, side by side under
the same Wine: the time from starting each until its first window is shown,
the processor time its process spent until then (what the machine's other
load does not stretch), and the process's peak resident memory over its
start and its first second of idling. Run inside a Wine session of the build (tools/wine-session.sh):

    python3 host/benchmarks/startup_benchmark.py BUILD [RUNS]

korvo starts in dist/ with every plug-in, as a user starts it. Prints each
run and the medians, and the ratios against the goals (1.5x the time, 3x
the memory)."""

import os
import statistics
import subprocess
import sys
import time

WINDOW_LIMIT_SECONDS = 60
IDLE_SECONDS = 1.0


def shown_window(pid):
    """A visible X window that the process owns, or None."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           capture_output=True, text=True)
    ids = found.stdout.split()
    return ids[0] if ids else None


def peak_kib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise RuntimeError("no VmHWM for process %d" % pid)


def cpu_seconds(pid):
    """User and system time of all the process's threads so far."""
    with open("/proc/%d/stat" % pid) as stat:
        # The command name may hold blanks; the fields after it do not.
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def measure(wine_run, program, folder):
    """(seconds to the first shown window, processor seconds until then,
    peak KiB) of one start."""
    start = time.perf_counter()
    # wine-run execs the Wine loader, which becomes the program's process.
    process = subprocess.Popen([wine_run, program], cwd=folder, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while shown_window(process.pid) is None:
            if process.poll() is not None:
                raise RuntimeError("%s ended before it showed a window" % program)
            if time.perf_counter() - start > WINDOW_LIMIT_SECONDS:
                raise RuntimeError("%s showed no window" % program)
            time.sleep(0.005)
        seconds = time.perf_counter() - start
        cpu = cpu_seconds(process.pid)
        time.sleep(IDLE_SECONDS)
        return seconds, cpu, peak_kib(process.pid)
    finally:
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    build = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    wine_run = os.path.join(build, "wine-run")
    programs = [
        ("bare", os.path.join(build, "test-bin", "bare_window_bench.exe"), os.path.join(build, "test-bin")),
        ("korvo", os.path.join(build, "dist", "korvo.exe"), os.path.join(build, "dist")),
    ]
    # One start of each first: the prefix and the file cache warm up.
    for _, program, folder in programs:
        measure(wine_run, program, folder)
    results = {name: [] for name, _, _ in programs}
    for run in range(1, runs + 1):
        line = ["run %d:" % run]
        for name, program, folder in programs:
            seconds, cpu, kib = measure(wine_run, program, folder)
            results[name].append((seconds, cpu, kib))
            line.append("%s_seconds %.3f %s_cpu_seconds %.2f %s_peak_mib %.1f"
                        % (name, seconds, name, cpu, name, kib / 1024.0))
        print(" ".join(line), flush=True)
    medians = {}
    for name, values in results.items():
        medians[name] = [statistics.median(v[i] for v in values) for i in range(3)]
        print("median %s_seconds %.3f %s_cpu_seconds %.2f %s_peak_mib %.1f"
              % (name, medians[name][0], name, medians[name][1], name, medians[name][2] / 1024.0))
    print("startup_ratio %.2f (goal: 1.5 or less)" % (medians["korvo"][0] / medians["bare"][0]))
    print("startup_cpu_ratio %.2f" % (medians["korvo"][1] / medians["bare"][1]))
    print("peak_memory_ratio %.2f (goal: 3 or less)" % (medians["korvo"][2] / medians["bare"][2]))


if __name__ == "__main__":
    main()
