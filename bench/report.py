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


ROWS = [
    ("plot/eight_channels", "one 30-minute window from the table, all eight channels, on the real Qt window surface", "≤ 2 x the floor"),
    ("plot/no_channels", "the same with every channel off: clearing, grid, ticks and labels", ""),
    ("floor/strokes_from_table", "floor: the plot cleared and the window's strokes worked out from the table and written into a pixel buffer by a plain loop", ""),
    ("plot/gzip_day", "one 30-minute window of the compressed day, all eight channels", ""),
    ("plot/across_two_files", "a window across midnight of two days of the month opened as one series", "≤ 2 x its floor"),
    ("floor/across_two_files", "its floor, from the series' table", ""),
    ("open/two_hours", "opening a 2-hour file through \"&Files\": read, decoded, panel and first chart", ""),
    ("open/24_hours", "opening a 24-hour file of 68-byte records through \"&Files\"", "≤ 20 ms"),
    ("open/24_hours_file_only", "the same file opened and decoded by the reader alone", ""),
    ("open/gzip_day", "opening the archive's 24-hour file, 8-wide, gzip, through \"&Files\"", "≤ 1.3 x zcat"),
    ("open/gzip_day_file_only", "the same file opened by the reader alone: read, inflated, decoded", ""),
    ("open/month_series", "a month of one station (30 compressed 8-wide days) opened together as one series, on every core", "≤ 1 s on two cores"),
    ("open/four_stations_three_days", "four stations' three days each (12 compressed files) opened together", "≤ 0.5 s on two cores"),
    ("overview/day_1200px", "the day overview of the 24-hour file, 1200 x 400, all eight channels, on the real Qt surface", "≤ 2 ms"),
    ("overview/month_1200px", "the overview of the month's series at 1200 x 400, its bursts marked, through its index", "≤ 10 ms"),
    ("overview/four_stations_1200px", "the overview of the four stations over three days, a strip each", "≤ 15 ms"),
    ("overview/day_1200px_no_surface", "the same onto a surface that draws nothing: the columns' smallest and largest values, the calls", ""),
    ("bursts/day", "every burst of the 24-hour file found at each frequency, from the opened table", "≤ 30 ms"),
    ("browse/whole_day", "browsing the whole 24-hour file, 48 windows, through the dispatch", ""),
    ("interaction/slider_release", "slider let go to the window's pixels updated (real widget, offscreen)", "< 8 ms"),
    ("interaction/check_box_click", "check box click to the window's pixels updated", "< 8 ms"),
    ("interaction/cursor_readout", "a click in the plot to the read-out shown", ""),
    ("print/pdf_page", "one print to a PDF file", ""),
]

HEADER = [
    "# Performance",
    "",
    "Measured by `make bench` (regenerates this page). Files come from the sample tool:",
    "one record a second, 24 hours (86,400 seconds with one 40-second gap), all eight",
    "channels varying, a radio burst in the window that is plotted; the archive's day is",
    "the same in the 8-wide layout, LF, with the broken lines of `--broken`, gzip-compressed;",
    "the year is 365 such days (`--days 365 --width 8 --gzip`). Times are medians of five",
    "runs of each Google Benchmark; the peer is the median of 15 renders.",
    "",
]


def memory_lines(mem, mem_gz):
    return [f"- {name}: {mm['opened_kb'] / 1024:.1f} MB with the file open; peak with it open "
            f"{mm['opened_peak_kb'] / 1024:.1f} MB; peak after browsing to the end {mm['browsed_peak_kb'] / 1024:.1f} MB "
            f"(`time -v`: {mm['time_peak_kb'] / 1024:.1f} MB); growth while browsing "
            f"{mm['browse_last_kb'] - mm['browse_first_kb']} kB (fifth window to last)"
            for name, mm in (("68-byte day", mem), ("compressed 8-wide archive day", mem_gz))]


def month_lines(mm):
    return ["", f"With the month's {mm['files']} files on its command line, opened as one series (target: under 200 MB): "
            f"{mm['opened_kb'] / 1024:.1f} MB open, peak {mm['opened_peak_kb'] / 1024:.1f} MB; with its Day Overview "
            f"open (the overview's index, every burst found) {mm['overview_kb'] / 1024:.1f} MB, peak "
            f"{mm['overview_peak_kb'] / 1024:.1f} MB."]


def ratio_lines(m, zcat_us, peer_us, looks, year):
    plot, floor = m["plot/eight_channels"], m["floor/strokes_from_table"]
    across, across_floor = m["plot/across_two_files"], m["floor/across_two_files"]
    one = looks["one_core_ms"] / looks["files"]
    every = looks["all_cores_ms"] / looks["files"]
    return [
        f"- plotter / floor: {plot / floor:.2f} x (plot {fmt(plot)}, floor {fmt(floor)}); target at most 2 x.",
        f"- a window across two files / its floor: {across / across_floor:.2f} x (plot {fmt(across)}, floor "
        f"{fmt(across_floor)}); target at most 2 x.",
        f"- a month opened as one series: {fmt(m['open/month_series'])}; target at most 1 s on two cores.",
        f"- four stations over three days opened together: {fmt(m['open/four_stations_three_days'])}; target at most 0.5 s.",
        f"- the month's overview at 1200 px: {fmt(m['overview/month_1200px'])}; target at most 10 ms; the four "
        f"stations': {fmt(m['overview/four_stations_1200px'])}; target at most 15 ms.",
        f"- the burst catalogue of a year ({year['files']} compressed days, {year['bursts']} bursts) in one process on "
        f"{year['cores']} cores: {year['median_ms'] / 1000:.1f} s; target at most 15 s.",
        f"- opening a 68-byte day through \"&Files\": {fmt(m['open/24_hours'])}; target at most 20 ms.",
        f"- opening the compressed day / zcat: {m['open/gzip_day'] / zcat_us:.2f} x (open {fmt(m['open/gzip_day'])}, "
        f"zcat {fmt(zcat_us)}); target at most 1.3 x.",
        f"- the day overview at 1200 px: {fmt(m['overview/day_1200px'])}; target at most 2 ms.",
        f"- a day's bursts found: {fmt(m['bursts/day'])}; target at most 30 ms on one core.",
        f"- quicklooks of a year ({looks['files']} compressed days, {looks['compressed_bytes'] / 1048576:.0f} MB, "
        f"{looks['pictures']} pictures) in one process: {one:.1f} ms a file on one core, {every:.1f} ms on "
        f"{looks['cores']} cores ({one / every:.2f} x); target at most 45 ms on one core and close to half on two.",
        f"- peer / plotter: {peer_us / plot:.0f} x; target at least 100 x.",
        f"- browsing: {fmt(m['browse/whole_day'] / 48)} a window on average over the 48 windows of the day.",
    ]


def main():
    results, out = sys.argv[1], sys.argv[2]
    load = lambda name: json.load(open(os.path.join(results, name)))
    m = medians(os.path.join(results, "bench.json"))
    zcat_us = load("zcat.json")["median_ms"] * 1000.0
    peer_us = load("peer.json")["median_ms"] * 1000.0
    lines = HEADER + [f"Machine: {machine()}.", "", "| benchmark | what | median | target |", "|---|---|---|---|"]
    lines += [f"| `{name}` | {what} | {fmt(m[name])} | {target} |" for name, what, target in ROWS]
    lines.append(f"| `zcat` | `zcat FILE > /dev/null` over the same compressed day, median of 21 runs (a process each) | {fmt(zcat_us)} | |")
    lines.append(f"| `peer/pandas_matplotlib` | the same window read by pandas and drawn by matplotlib to a 798 x 574 PNG | {fmt(peer_us)} | |")
    lines += ["", "## Ratios and targets (same run)", ""] + ratio_lines(m, zcat_us, peer_us, load("quicklooks.json"),
                                                                      load("bursts-year.json"))
    lines += [
        "",
        "## Memory of the real program",
        "",
        "`Tarrawin` under Xvfb with a 24-hour file on its command line, then browsed to the end",
        "(52 samples, one per browse window); resident sizes from `/proc/PID/status`, the peak",
        "also from `/usr/bin/time -v`. Target: under 60 MB with the file open and browsed to its end.",
        "",
    ] + memory_lines(load("memory.json"), load("memory-archive.json")) + month_lines(load("memory-month.json")) + [
        "",
        "## Notes",
        "",
        "- Every file is read and decoded once, when it is opened, into a table of 44-byte rows",
        "  (3.8 MB for a day); a window plots from the table, so a compressed day's windows plot",
        "  as fast as a 68-byte file's. Files opened together are decoded on every core and their",
        "  tables joined into one series, each let go (and handed back to the system) once copied.",
        "- A window's strokes reach the Qt surface in one call, and are written into the window's",
        "  image directly; the overview reads a series through an index of 64-row blocks.",
        "- Compressed files are inflated with libdeflate, three times zlib's speed here.",
        "- Straight strokes, fills, the dotted grid and the small font's glyphs are written into",
        "  the window's image directly; text in other fonts goes through QPainter. A test pins",
        "  the pixels of several sample windows by checksum, so speed-ups cannot change a pixel.",
        "- The quicklooks' pictures are written as 8-bit PNG with their exact colours.",
        "- No timed test is part of `make test`.",
        "",
    ]
    with open(out, "w") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
