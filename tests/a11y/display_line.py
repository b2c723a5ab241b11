"""Reading the display number an Xvfb started with -displayfd writes, for the a11y tests."""

import os
import select
import time


def read_display_line(read_end, timeout):
    """The number Xvfb wrote, or "" when it wrote none in time. The number comes with its line
    end, maybe in two writes: the pipe stays open until the whole line is read, or Xvfb dies on
    writing the rest (more often on a busy machine). Closes read_end."""
    line = b""
    end = time.monotonic() + timeout
    while not line.endswith(b"\n"):
        if not select.select([read_end], [], [], max(0, end - time.monotonic()))[0]:
            break
        chunk = os.read(read_end, 32)
        if not chunk:
            break
        line += chunk
    os.close(read_end)
    return line.decode().strip()
