"""Fixtures: one desktop per test session, a fresh program per test (or per module where
the tests only read and type)."""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

import pytest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

from desktop import Desktop  # noqa: E402
from shiftpad import running  # noqa: E402

SKIP_EXIT_CODE = 77  # CTest reports this as skipped
NEEDED_TOOLS = ["openbox", "dbus-daemon", "xdotool", "xclip", "import"]


def pytest_sessionstart(session):
    if shutil.which("Xvfb") is None:
        print("\nshiftpad e2e: SKIPPED: Xvfb is not installed (Debian package xvfb)")
        pytest.exit("Xvfb is not installed", returncode=SKIP_EXIT_CODE)
    missing = [tool for tool in NEEDED_TOOLS if shutil.which(tool) is None]
    if missing:
        pytest.exit(f"missing tools for the end-to-end suite: {', '.join(missing)}", returncode=2)
    exe = os.environ.get("SHIFTPAD_EXE")
    if not exe or not os.access(exe, os.X_OK):
        pytest.exit("set SHIFTPAD_EXE to the built shiftpad program", returncode=2)


@pytest.fixture(scope="session")
def artifacts():
    path = pathlib.Path(os.environ.get("SHIFTPAD_ARTIFACTS", "artifacts")).resolve()
    (path / "e2e-logs").mkdir(parents=True, exist_ok=True)
    return path


@pytest.fixture(scope="session")
def exe():
    return os.path.abspath(os.environ["SHIFTPAD_EXE"])


@pytest.fixture(scope="session")
def desktop():
    root = pathlib.Path(tempfile.mkdtemp(prefix="shiftpad-e2e-"))
    session = Desktop(root)
    try:
        session.start()
        # xdotool, xclip and the AT-SPI client in this process talk to the test session.
        os.environ.update(DISPLAY=session.display_name,
                          DBUS_SESSION_BUS_ADDRESS=session.bus_address)
        yield session
    finally:
        session.close()
        shutil.rmtree(root, ignore_errors=True)


def _log_path(artifacts, test_name):
    name = test_name.replace("/", "_").replace("[", "-").rstrip("]")
    return artifacts / "e2e-logs" / f"{name}.log"


@pytest.fixture
def app(desktop, exe, artifacts, request):
    desktop.clear_browser_calls()
    with running(desktop, exe, _log_path(artifacts, request.node.name)) as program:
        yield program


# Text blocks of this many bytes or more cannot be had in the failing-allocator build:
# typing a short text works, and a longer one makes the command's read of it fail.
FAILING_BLOCK_SIZE = 64


@pytest.fixture
def failing_app(desktop, artifacts, request):
    """The program built with a text allocator that fails from FAILING_BLOCK_SIZE bytes on."""
    exe = os.environ.get("SHIFTPAD_FAILING_ALLOCATOR_EXE")
    if not exe or not os.access(exe, os.X_OK):
        pytest.fail("set SHIFTPAD_FAILING_ALLOCATOR_EXE to the built shiftpad_failing_allocator")
    env = {"SHIFTPAD_FAIL_BLOCKS_FROM": str(FAILING_BLOCK_SIZE)}
    with running(desktop, os.path.abspath(exe), _log_path(artifacts, request.node.name),
                 env) as program:
        program.failing_block_size = FAILING_BLOCK_SIZE
        yield program


@pytest.fixture(scope="module")
def shared_app(desktop, exe, artifacts, request):
    """One program for a module whose tests leave it running and usable."""
    with running(desktop, exe, _log_path(artifacts, request.node.name)) as program:
        yield program


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    outcome = yield
    report = outcome.get_result()
    if report.failed and "desktop" in item.fixturenames and os.environ.get("DISPLAY"):
        folder = item.funcargs.get("artifacts") or pathlib.Path("artifacts")
        shot = _log_path(folder, item.name).with_suffix(".failure.png")
        subprocess.run(["import", "-window", "root", str(shot)], timeout=20, check=False)
        report.sections.append(("screenshot", str(shot)))


def pytest_terminal_summary(terminalreporter):
    shot = pathlib.Path(os.environ.get("SHIFTPAD_ARTIFACTS", "artifacts")) / "shiftpad-window.png"
    if shot.exists():
        terminalreporter.write_line(f"screenshot of the window: {shot.resolve()}")
