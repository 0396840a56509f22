"""The same chart window drawn the way a solar physicist would draw it:
pandas reads the fixed-width file, matplotlib draws the eight traces on a log
scale and writes a PNG of the viewer's size. Prints the median time of a
render as JSON.

peer_matplotlib.py FILE INDEX OUT.png [REPEATS]
"""
import json
import statistics
import sys
import time

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import pandas as pd  # noqa: E402

LABELS = ["245", "410", "610", "1415", "2695", "4995", "8800", "15400"]
COLOURS = ["#d2691e", "#ff0000", "#ffa500", "#ffff00", "#32cd32", "#7fffd4", "#00bfff", "#ee82ee"]
COLSPECS = [(12, 14), (14, 16), (16, 18)] + [(19 + 6 * k, 25 + 6 * k) for k in range(7)] + [(61, 66)]
NAMES = ["h", "m", "s"] + [f"c{k}" for k in range(8)]


def render(path, index, out):
    frame = pd.read_fwf(path, colspecs=COLSPECS, names=NAMES, header=None, skiprows=index, nrows=1861)
    seconds = frame.h * 3600 + frame.m * 60 + frame.s
    start = (seconds.iloc[0] // 60 + 1) * 60
    offset = (seconds - start) % 86400
    window = frame[(offset < 1800) & (seconds // 60 != seconds.iloc[0] // 60)]
    offset = offset[window.index]
    fig = plt.figure(figsize=(7.98, 5.74), dpi=100)
    ax = fig.add_axes([0.1, 0.08, 0.75, 0.87], facecolor="black")
    for k in range(8):
        ax.plot(offset / 60.0, window[f"c{k}"].clip(lower=1), color=COLOURS[k], linewidth=1, label=LABELS[k] + " MHz")
    ax.set_yscale("log")
    ax.set_ylim(4.9, 501188)
    ax.set_xlim(0, 30)
    ax.grid(True, which="major", axis="y", color="#444444", linestyle=":")
    ax.set_xlabel("Universal Time (minutes from window start)")
    ax.set_ylabel("Flux density (SFU)")
    fig.legend(loc="center right", fontsize=7)
    fig.savefig(out, dpi=100)
    plt.close(fig)


def main():
    path, index, out = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    repeats = int(sys.argv[4]) if len(sys.argv) > 4 else 15
    render(path, index, out)  # warm up imports and caches
    times = []
    for _ in range(repeats):
        t0 = time.perf_counter()
        render(path, index, out)
        times.append(time.perf_counter() - t0)
    print(json.dumps({"name": "peer/pandas_matplotlib", "median_ms": statistics.median(times) * 1000.0, "repeats": repeats}))


if __name__ == "__main__":
    main()
