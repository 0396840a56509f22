"""Writes docs/PERFORMANCE.md from the results of bench/run.sh.

report.py RESULTS_DIR OUT.md
"""
import json
import os
import platform
import subprocess
import sys


def machine():
    model = "unknown processor"
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    mem_kb = 0
    with open("/proc/meminfo") as f:
        for line in f:
            if line.startswith("MemTotal"):
                mem_kb = int(line.split()[1])
    qt = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libqt6gui6"], capture_output=True, text=True).stdout
    return f"{model}, {os.cpu_count()} cores, {mem_kb / 1048576:.0f} GiB; {platform.system()} {platform.release()}; Qt {qt}"


def medians(path):
    with open(path) as f:
        data = json.load(f)
    result = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name") == "median":
            scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[b["time_unit"]]
            result[b["run_name"]] = b["real_time"] * scale  # microseconds
    return result


def fmt(us):
    return f"{us / 1000:.2f} ms" if us >= 1000 else f"{us:.1f} µs"


def main():
    results, out = sys.argv[1], sys.argv[2]
    m = medians(os.path.join(results, "bench.json"))
    peer = json.load(open(os.path.join(results, "peer.json")))
    mem = json.load(open(os.path.join(results, "memory.json")))
    mem_gz = json.load(open(os.path.join(results, "memory-archive.json")))
    zcat_us = json.load(open(os.path.join(results, "zcat.json")))["median_ms"] * 1000.0
    gzip_open = m["open/gzip_day"]
    plot = m["plot/eight_channels"]
    limit = m["limit/read_window"] + m["limit/strokes_to_pixels"]
    peer_us = peer["median_ms"] * 1000.0
    browse = m["browse/whole_day"]

    rows = [
        ("plot/eight_channels", "one 30-minute window, all eight channels, on the real Qt window surface", "≤ 1 ms"),
        ("plot/no_channels", "the same with every channel off: reading, grid, ticks and labels", ""),
        ("limit/read_window", "floor: the window's 1861 records read into memory", ""),
        ("limit/strokes_to_pixels", "floor: the window's strokes written into a pixel buffer by a plain loop", ""),
        ("open/two_hours", "opening a 2-hour file: count, first and last stamps, station, panel", "< 1 ms"),
        ("open/24_hours", "opening a 24-hour file", "< 1 ms, as for 2 hours"),
        ("open/gzip_day", "opening the archive's 24-hour file, 8-wide, gzip (86,400 records): inflating, decoding, panel", "≤ 3 x zcat"),
        ("open/gzip_day_file_only", "the same file opened by the reader alone: read, inflate, decode", ""),
        ("plot/gzip_day", "one 30-minute window of that decoded file, all eight channels", "≤ 1 ms"),
        ("overview/day_1200px", "the day overview of the 24-hour file, 1200 x 400, all eight channels, on the real Qt window surface", "≤ 2 ms"),
        ("overview/day_1200px_no_surface", "the same onto a surface that draws nothing: the columns' smallest and largest values, the calls", ""),
        ("browse/whole_day", "browsing the whole 24-hour file, 48 windows, through the dispatch", ""),
        ("interaction/slider_release", "slider let go to the window's pixels updated (real widget, offscreen)", "< 8 ms"),
        ("interaction/check_box_click", "check box click to the window's pixels updated", "< 8 ms"),
        ("interaction/cursor_readout", "a click in the plot to the read-out shown", ""),
        ("print/pdf_page", "one print to a PDF file", ""),
    ]
    lines = [
        "# Performance",
        "",
        "Measured by `make bench` (regenerates this page). Files come from the sample tool:",
        "one record a second, 24 hours (86,400 seconds with one 40-second gap), all eight",
        "channels varying, a radio burst in the window that is plotted; the archive's day is",
        "the same in the 8-wide layout, LF, with the broken lines of `--broken`, gzip-compressed.",
        "Times are medians of five runs of each Google Benchmark; the peer is the median of",
        "15 renders.",
        "",
        f"Machine: {machine()}.",
        "",
        "| benchmark | what | median | target |",
        "|---|---|---|---|",
    ]
    for name, what, target in rows:
        lines.append(f"| `{name}` | {what} | {fmt(m[name])} | {target} |")
    lines.append(f"| `zcat` | `zcat FILE > /dev/null` over the same compressed day, median of 21 runs (a process each) | {fmt(zcat_us)} | |")
    lines.append(f"| `peer/pandas_matplotlib` | the same window read by pandas and drawn by matplotlib to a 798 x 574 PNG | {fmt(peer_us)} | |")
    lines += [
        "",
        "## Ratios (same run)",
        "",
        f"- plotter / limit: {plot / limit:.1f} x (plot {fmt(plot)}, limit {fmt(limit)} = read {fmt(m['limit/read_window'])} + strokes {fmt(m['limit/strokes_to_pixels'])}); target at most 4 x.",
        f"- peer / plotter: {peer_us / plot:.0f} x; target at least 100 x.",
        f"- browsing: {fmt(browse / 48)} a window on average over the 48 windows of the day.",
        f"- opening the compressed day / zcat: {gzip_open / zcat_us:.2f} x (open {fmt(gzip_open)}, zcat {fmt(zcat_us)}); target at most 3 x.",
        "",
        "## Memory of the real program",
        "",
        "`Tarrawin` under Xvfb with a 24-hour file on its command line, then browsed to the end",
        "(52 samples, one per browse window); resident sizes from `/proc/PID/status`, the peak",
        "also from `/usr/bin/time -v`. Target: under 60 MB with the file open and browsed to its end.",
        "",
    ] + [line for name, mm in (("68-byte day", mem), ("compressed 8-wide archive day", mem_gz)) for line in (
        f"- {name}: {mm['opened_kb'] / 1024:.1f} MB with the file open; peak with it open "
        f"{mm['opened_peak_kb'] / 1024:.1f} MB; peak after browsing to the end {mm['browsed_peak_kb'] / 1024:.1f} MB "
        f"(`time -v`: {mm['time_peak_kb'] / 1024:.1f} MB); growth while browsing "
        f"{mm['browse_last_kb'] - mm['browse_first_kb']} kB (fifth window to last)",
    )] + [
        "",
        "## Notes",
        "",
        "- The plotter re-reads and re-parses its 1861 records on every call, as the viewer is",
        "  meant to (no cache); the limit leaves that parsing out, since it writes strokes worked",
        "  out beforehand. Parsing 15,000 text fields and looking up their rows is most of the",
        "  distance between the two.",
        "- Straight strokes, fills and the small font's glyphs are written into the window's",
        "  image directly; text in other fonts and dotted lines go through QPainter. A test pins",
        "  the pixels of several sample windows by checksum, so speed-ups cannot change a pixel.",
        "- A compressed archive file is inflated and decoded once, when it is opened; its",
        "  records are then copied from memory, so its windows plot as fast as a 68-byte file's.",
        "- No timed test is part of `make test`.",
        "",
    ]
    with open(out, "w") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
