"""Writes docs/PERFORMANCE.md and its chart from the figures of one benchmark run.

usage: write-report.py FIGURES NOTES REPORT CHART

FIGURES holds lines "round=N name=value ...", written by bench/run-benchmarks.sh (round 0 for
what runs once). NOTES is the hand-written prose with placeholders, filled in here:
  {{name}}           the median over the rounds, in a form chosen from the name
  {{name:.2f}}       the same with a format of Python's own
  {{name~}}          the spread over the rounds, "smallest to largest"
  {{table:NAME}}     a table made here (targets, rounds)
Ratios between the program and its peers are worked out round by round, then their median
taken, so that a round slowed by other work slows both sides of its ratio alike.
"""

import re
import statistics
import sys
from collections import defaultdict

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402  (the backend must be chosen first)


def read_figures(path):
    rounds = defaultdict(dict)
    for line in open(path, encoding="utf-8"):
        fields = dict(field.split("=", 1) for field in line.split() if "=" in field)
        number = int(fields.pop("round", "0"))
        for name, text in fields.items():
            try:
                rounds[number][name] = float(text)
            except ValueError:
                rounds[number][name] = text
    return rounds


# Figures worked out from others within one round: name -> (formula, the names it needs).
DERIVED = {
    "tojpeg_ratio": (lambda f: f["tojpeg_ms"] / f["cjpeg_ms"], ("tojpeg_ms", "cjpeg_ms")),
    "tojpeg_ratio_unstarted": (lambda f: f["tojpeg_ms"] / (f["cjpeg_ms"] - f["cjpeg_start_ms"]),
                               ("tojpeg_ms", "cjpeg_ms", "cjpeg_start_ms")),
    "pack_ratio": (lambda f: f["pack_ms"] / f["zip_ms"], ("pack_ms", "zip_ms")),
    "unpack_ratio": (lambda f: f["unpack_ms"] / f["unzip_ms"], ("unpack_ms", "unzip_ms")),
    "play_ratio": (lambda f: f["play_tick_ms"] / f["djpeg_ms"], ("play_tick_ms", "djpeg_ms")),
    "play_decode_ratio": (lambda f: f["play_decode_ms"] / f["djpeg_ms"], ("play_decode_ms", "djpeg_ms")),
    "capture_ratio": (lambda f: f["capture_snapshot_ms"] / f["ffmpeg_frame_ms"],
                      ("capture_snapshot_ms", "ffmpeg_frame_ms")),
    "capture_tick_ratio": (lambda f: f["capture_tick_ms"] / f["ffmpeg_file_frame_ms"],
                           ("capture_tick_ms", "ffmpeg_file_frame_ms")),
    "capture_cpu_ratio": (lambda f: f["capture_cpu_ms"] / f["ffmpeg_cpu_ms"], ("capture_cpu_ms", "ffmpeg_cpu_ms")),
    "capture_floor_ratio": (lambda f: f["capture_tick_ms"] / f["capture_floor_ms"], ("capture_tick_ms", "capture_floor_ms")),
    "save_speed": (lambda f: f["save_frames"] * 100 / f["save_whole_ms"], ("save_frames", "save_whole_ms")),
    "save_cpu_speed": (lambda f: f["save_frames"] * 100 / f["save_cpu_ms"], ("save_frames", "save_cpu_ms")),
    "save_pack_progress_ms": (lambda f: f["save_pack_ms"] - f["pack_ms"], ("save_pack_ms", "pack_ms")),
    "save_pack_ratio": (lambda f: f["save_pack_ms"] / f["pack_ms"], ("save_pack_ms", "pack_ms")),
    "tools_fps": (lambda f: f["save_frames"] * 1000 / (f["tools_cjpeg_total_ms"] + f["tools_zip_ms"]),
                  ("save_frames", "tools_cjpeg_total_ms", "tools_zip_ms")),
    "save_tools_ratio": (lambda f: f["save_whole_ms"] / (f["tools_cjpeg_total_ms"] + f["tools_zip_ms"]),
                         ("save_whole_ms", "tools_cjpeg_total_ms", "tools_zip_ms")),
    "pack_mib": (lambda f: f["pack_mb"] / 1048576, ("pack_mb",)),
    "mp4_speed": (lambda f: f["mp4_fps"] / 10, ("mp4_fps",)),
    "gif_speed": (lambda f: f["gif_fps"] / 10, ("gif_fps",)),
    "mp4_ffmpeg_ratio": (lambda f: f["mp4_save_ms"] / f["ffmpeg_mp4_ms"], ("mp4_save_ms", "ffmpeg_mp4_ms")),
    "gif_ffmpeg_ratio": (lambda f: f["gif_save_ms"] / f["ffmpeg_gif_ms"], ("gif_save_ms", "ffmpeg_gif_ms")),
    "ffmpeg_mp4_mib": (lambda f: f["ffmpeg_mp4_mb"] / 1048576, ("ffmpeg_mp4_mb",)),
    "ffmpeg_gif_mib": (lambda f: f["ffmpeg_gif_mb"] / 1048576, ("ffmpeg_gif_mb",)),
    "zip_mib": (lambda f: f["zip_mb"] / 1048576, ("zip_mb",)),
    "long_unpack_ratio": (lambda f: f["long_unpack_ms"] / f["long_unzip_ms"], ("long_unpack_ms", "long_unzip_ms")),
    "long_entry_ms": (lambda f: f["long_unpack_ms"] / f["long_frames"], ("long_unpack_ms", "long_frames")),
    "floor_entry_ms": (lambda f: f["floor_ms"] / f["floor_files"], ("floor_ms", "floor_files")),
    "long_floor_ratio": (lambda f: f["long_unpack_ms"] / f["floor_ms"], ("long_unpack_ms", "floor_ms")),
    "long_unzip_entry_ms": (lambda f: f["long_unzip_ms"] / f["long_frames"], ("long_unzip_ms", "long_frames")),
    # Lean takes (run once, round 0; the per-desktop ratios below need bitmap_gb_per_min, worked out first): a minute is 600 frames, in GB of 10^9 bytes as the brief's figures are.
    "bitmap_gb_per_min": (lambda f: f["bitmap_folder_bytes"] * 600 / f["bitmap_frames"] / 1e9,
                          ("bitmap_folder_bytes", "bitmap_frames")),
    "bitmap_frame_bytes": (lambda f: f["bitmap_folder_bytes"] / f["bitmap_files"], ("bitmap_folder_bytes", "bitmap_files")),
    "lean_take_gb": (lambda f: f["lean_take_bytes"] / 1e9, ("lean_take_bytes",)),
    "lean_take_gb_per_min": (lambda f: f["lean_take_bytes"] * 600 / f["lean_take_frames"] / 1e9,
                             ("lean_take_bytes", "lean_take_frames")),
    "lean_save60_s": (lambda f: f["lean_save60_ms"] / 1000, ("lean_save60_ms",)),
    "lean_save80_s": (lambda f: f["lean_save80_ms"] / 1000, ("lean_save80_ms",)),
    "bitmap_save_s": (lambda f: f["bitmap_save600_ms"] * f["lean_take_frames"] / f["bitmap_frames"] / 1000,
                      ("bitmap_save600_ms", "lean_take_frames", "bitmap_frames")),
    "bitmap_save60_s": (lambda f: f["bitmap_save600_at60_ms"] * f["lean_take_frames"] / f["bitmap_frames"] / 1000,
                        ("bitmap_save600_at60_ms", "lean_take_frames", "bitmap_frames")),
    "lean_save60_ratio": (lambda f: f["lean_save60_ms"] / 1000 / (f["bitmap_save600_at60_ms"] * f["lean_take_frames"]
                                                                  / f["bitmap_frames"] / 1000),
                          ("lean_save60_ms", "bitmap_save600_at60_ms", "lean_take_frames", "bitmap_frames")),
}
for _scene in ("scrolling", "still", "noise"):
    DERIVED["lean_%s_ratio" % _scene] = (
        lambda f, s=_scene: f["lean_%s_gb_per_min" % s] / f["bitmap_gb_per_min"],
        ("lean_%s_gb_per_min" % _scene, "bitmap_gb_per_min"))
    DERIVED["lean_%s_frames_mb" % _scene] = (
        lambda f, s=_scene: f["lean_%s_folder_bytes" % s] / 1e6, ("lean_%s_folder_bytes" % _scene,))
    DERIVED["lean_%s_coded_mb" % _scene] = (
        lambda f, s=_scene: f["lean_%s_coded_bytes" % s] / 1e6, ("lean_%s_coded_bytes" % _scene,))


def add_derived(rounds):
    for figures in rounds.values():
        for name, (formula, needs) in DERIVED.items():
            if all(isinstance(figures.get(need), float) for need in needs):
                figures[name] = formula(figures)


def summarise(rounds):
    """name -> (median, smallest, largest, values by round)."""
    series = defaultdict(list)
    for number in sorted(rounds):
        for name, value in rounds[number].items():
            series[name].append(value)
    summary = {}
    for name, values in series.items():
        numbers = [v for v in values if isinstance(v, float)]
        if numbers:
            summary[name] = (statistics.median(numbers), min(numbers), max(numbers), numbers)
        else:
            summary[name] = (values[-1], values[-1], values[-1], values)
    return summary


def natural_format(name, value):
    if isinstance(value, str):
        return value
    if "ratio" in name or "speed" in name or name.endswith("_mib"):
        return "%.2f" % value
    if value == int(value) and abs(value) >= 10 or name.endswith(("_10", "_1000")) or name in ("rounds", "cores"):
        return "%d" % value
    return "%.1f" % value


def fill(text, summary, tables):
    def replace(match):
        name, spread, form = match.group(1), match.group(2), match.group(3)
        if name not in summary:
            return "(not measured)"
        median, smallest, largest, _ = summary[name]
        show = (lambda v: format(v, form)) if form else (lambda v: natural_format(name, v))
        return "%s to %s" % (show(smallest), show(largest)) if spread else show(median)

    text = re.sub(r"\{\{table:(\w+)\}\}", lambda match: tables[match.group(1)], text)
    return re.sub(r"\{\{(\w+)(~)?(?::([^}]+))?\}\}", replace, text)


class Target:
    """A target from the issue: `figure` at most (or at least) `limit`."""

    def __init__(self, what, figure, limit, at_most, unit, shown=None, form=None):
        self.what, self.figure, self.limit, self.at_most, self.unit = what, figure, limit, at_most, unit
        self.shown = shown or figure
        self.form = form

    def standing(self, summary):
        """Measured ÷ target for an upper bound, target ÷ measured for a lower one: 1 or
        below is met. With the spread over the rounds."""
        median, smallest, largest, _ = summary[self.figure]
        if self.at_most:
            return median / self.limit, smallest / self.limit, largest / self.limit
        return self.limit / median, self.limit / largest, self.limit / smallest

    def met(self, summary):
        return self.standing(summary)[0] <= 1


TARGETS = [
    Target("capture tick ÷ the platform's floor at 1920x1080", "capture_floor_ratio", 1.1, True, "×"),
    Target("sustained rate of a take", "capture_fps", 9.9, False, "frames/s"),
    Target("ConvertToJpeg ÷ cjpeg (1920x1080 BMP)", "tojpeg_ratio", 1.2, True, "×"),
    Target("Pack ÷ zip -8 (100 frames)", "pack_ratio", 1.1, True, "×"),
    Target("Unpack ÷ unzip (100 frames)", "unpack_ratio", 1.0, True, "×"),
    Target("first frame of an hour's recording (36,000 frames)", "long_first_frame_ms", 2000, True, "ms"),
    Target("slowest far seek to the frame on screen, hour's recording still unpacking", "long_seek_worst_ms", 1000,
           True, "ms"),
    Target("playback tick at 1536x864", "play_tick_ms", 15, True, "ms"),
    Target("whole save ÷ real time (100 frames)", "save_speed", 3, False, "× real time"),
    Target("save as MP4 ÷ real time (100 frames)", "mp4_speed", 5, False, "× real time"),
    Target("save as GIF ÷ real time (100 frames)", "gif_speed", 1, False, "× real time"),
    Target("working folder of a minute's take, busy desktop scrolling", "lean_scrolling_gb_per_min", 0.19, True,
           "GB/min", form="%.3f"),
    Target("working folder of a minute's take, desktop standing still", "lean_still_gb_per_min", 0.04, True,
           "GB/min", form="%.3f"),
    Target("working folder of a minute's take of noise ÷ today's bitmaps", "lean_noise_ratio", 1.01, True, "×",
           form="%.3f"),
    Target("save of a 10-minute take coded ahead at 80, dialog's answer to success", "lean_save80_s", 5, True, "s"),
    Target("save of the same take at 60 ÷ today's save at 60", "lean_save60_ratio", 1.0, True, "×"),
]


def resource_rows(summary):
    rows = []
    for run in ("capture", "playback"):
        for kind, label in (("gdi", "GDI objects"), ("user", "windows (USER objects)"), ("handles", "kernel handles")):
            after10, after1000 = (summary.get("%s_%s_%s" % (run, kind, n), (None,))[0] for n in (10, 1000))
            rows.append((run, label, after10, after1000))
    return rows


def targets_table(summary):
    lines = ["| target | measured (median) | spread over the rounds | limit | met |", "|---|---|---|---|---|"]
    for target in TARGETS:
        if target.figure not in summary:
            lines.append("| %s | not measured | | | |" % target.what)
            continue
        median, smallest, largest, _ = summary[target.figure]
        form = target.form or ("%.2f" if target.unit == "×" or "real time" in target.unit else "%.1f")
        bound = ("at most " if target.at_most else "at least ") + (form % target.limit) + " " + target.unit
        lines.append("| %s | %s %s | %s to %s | %s | %s |" % (
            target.what, form % median, target.unit, form % smallest, form % largest, bound,
            "yes" if target.met(summary) else "**no**"))
    growth = [summary.get(n, (None,))[0] for n in ("memory_working_set_growth_kb_per_frame",
                                                   "memory_private_growth_kb_per_frame")]
    if None not in growth:
        lines.append("| memory per frame during a 300-frame save | %+.1f KB working set, %+.1f KB private | one run |"
                     " no growth | %s |" % (growth[0], growth[1], "yes" if max(abs(g) for g in growth) < 1 else "**no**"))
    growth = [summary.get(n, (None,))[0] for n in ("lean_memory_working_set_growth_kb_per_frame",
                                                   "lean_memory_private_growth_kb_per_frame")]
    if None not in growth:
        lines.append("| memory per frame during a 6,000-frame take | %+.2f KB working set, %+.2f KB private | one run |"
                     " no growth | %s |" % (growth[0], growth[1], "yes" if max(abs(g) for g in growth) < 1 else "**no**"))
    rows = resource_rows(summary)
    if all(row[2] is not None for row in rows):
        flat = all(row[2] == row[3] for row in rows)
        lines.append("| GDI objects, windows, handles after 1,000 ticks | %s | one run | as after 10 | %s |" % (
            "the same as after 10" if flat else "changed", "yes" if flat else "**no**"))
    return "\n".join(lines)


ROUND_COLUMNS = [("load", "load"), ("capture_tick_ms", "capture tick ms"), ("ffmpeg_frame_ms", "ffmpeg frame ms"),
                 ("tojpeg_ms", "ConvertToJpeg ms"), ("cjpeg_ms", "cjpeg ms"), ("pack_ms", "Pack ms"),
                 ("zip_ms", "zip ms"), ("unpack_ms", "Unpack ms"), ("unzip_ms", "unzip ms"),
                 ("save_whole_ms", "save ms"), ("play_tick_ms", "playback tick ms"), ("djpeg_ms", "djpeg ms")]


def rounds_table(rounds):
    numbers = [n for n in sorted(rounds) if n > 0]
    lines = ["| round | " + " | ".join(label for _, label in ROUND_COLUMNS) + " |",
             "|---" * (len(ROUND_COLUMNS) + 1) + "|"]
    for number in numbers:
        cells = [natural_format(name, rounds[number][name]) if name in rounds[number] else "" for name, _ in ROUND_COLUMNS]
        lines.append("| %d | %s |" % (number, " | ".join(cells)))
    return "\n".join(lines)


def resources_table(summary):
    lines = ["| ticks | counted | after 10 | after 1,000 |", "|---|---|---|---|"]
    for run, label, after10, after1000 in resource_rows(summary):
        if after10 is not None:
            lines.append("| %s | %s | %d | %d |" % (run, label, after10, after1000))
    return "\n".join(lines)


def draw_chart(summary, path):
    shown = [t for t in TARGETS if t.figure in summary]
    figure, axes = plt.subplots(figsize=(9, 0.6 * len(shown) + 1.6), dpi=100)
    for row, target in enumerate(reversed(shown)):
        median, low, high = target.standing(summary)
        colour = "#3a8f3a" if median <= 1 else "#c0392b"
        axes.barh(row, median, color=colour, height=0.6)
        axes.errorbar(median, row, xerr=[[median - low], [high - median]], color="#333333", capsize=3, linewidth=1)
        value = summary[target.figure][0]
        axes.text(max(high, median) + 0.05, row, "%.2f %s" % (value, target.unit) if target.unit != "ms"
                  else "%.1f ms" % value, va="center", fontsize=9)
    axes.axvline(1, color="#333333", linestyle="--", linewidth=1)
    axes.set_yticks(range(len(shown)))
    axes.set_yticklabels([t.what for t in reversed(shown)], fontsize=9)
    axes.set_xlabel("figure ÷ target (below 1 meets it; bars: median round, whiskers: the other rounds)")
    axes.set_xscale("log")
    axes.set_xticks([0.1, 0.2, 0.5, 1, 2, 5, 10])
    axes.set_xticklabels(["0.1", "0.2", "0.5", "1", "2", "5", "10"])
    axes.set_title("Velmo under Wine against its targets")
    figure.tight_layout()
    figure.savefig(path)


def main(figures_path, notes_path, report_path, chart_path):
    rounds = read_figures(figures_path)
    add_derived(rounds)
    summary = summarise(rounds)
    tables = {"targets": targets_table(summary), "rounds": rounds_table(rounds), "resources": resources_table(summary)}
    report = fill(open(notes_path, encoding="utf-8").read(), summary, tables)
    open(report_path, "w", encoding="utf-8").write(report)
    draw_chart(summary, chart_path)


if __name__ == "__main__":
    main(*sys.argv[1:5])
