#!/usr/bin/python3
"""Start-up to a visible window, and resident memory, of the built Linux program.

A figure, not a test: it starts the program RUNS times in its own Xvfb with openbox (the
end-to-end suite's session), times each start from the spawn until the window manager
has mapped the framed window, reads VmRSS once the window is up, and prints the median,
minimum and maximum.

    bench/linux/startup_benchmark.py build/release/src/platform/qt/shiftpad [RUNS]
"""

import pathlib
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tests" / "e2e"))

from Xlib import X  # noqa: E402

from desktop import Desktop, spawn, stop, wait_for  # noqa: E402


def mapped_window_of(x, pid):
    """The program's top-level window once the window manager shows it, else None."""
    root = x.screen().root
    clients = root.get_full_property(x.intern_atom("_NET_CLIENT_LIST"), X.AnyPropertyType)
    for wid in clients.value if clients else []:
        window = x.create_resource_object("window", wid)
        owner = window.get_full_property(x.intern_atom("_NET_WM_PID"), X.AnyPropertyType)
        if owner and owner.value[0] == pid and window.get_attributes().map_state == X.IsViewable:
            return window
    return None


def resident_kib(pid):
    for line in pathlib.Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmRSS:"):
            return int(line.split()[1])
    return 0


def one_start(session, exe):
    env = dict(session.base_env, QT_QPA_PLATFORM="xcb")
    started = time.perf_counter()
    process = spawn([exe], env)
    try:
        wait_for(lambda: mapped_window_of(session.x, process.pid), 10, 0.001, "the window")
        elapsed_ms = (time.perf_counter() - started) * 1000
        time.sleep(0.3)  # let the first paints settle before reading the memory
        return elapsed_ms, resident_kib(process.pid)
    finally:
        stop(process)


def main():
    exe = str(pathlib.Path(sys.argv[1]).resolve())
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    root = pathlib.Path(tempfile.mkdtemp(prefix="shiftpad-startup-"))
    session = Desktop(root)
    try:
        session.start()
        one_start(session, exe)  # warm the disk cache and the font cache
        times, memory = zip(*(one_start(session, exe) for _ in range(runs)))
    finally:
        session.close()
        shutil.rmtree(root, ignore_errors=True)
    print(f"start-up to a mapped window over {runs} runs: median {statistics.median(times):.1f} ms,"
          f" min {min(times):.1f} ms, max {max(times):.1f} ms")
    print(f"resident memory with the window up: median {statistics.median(memory) / 1024:.1f} MiB")


if __name__ == "__main__":
    main()
