#!/usr/bin/python3
"""Runs bench_export and the command-line export as a process, then prints
one table of what a user waits for: medians with min-max of the export as a
whole and of the save alone, at 2 000 and 65 530 items, the peak memory of
the process, and the instructions of one export per size (callgrind), which
show how the work grows with the items on a shared machine. Called by
scripts/bench after the release build:

    bench/run_benchmarks.py BIN_DIR OUT_DIR [REPETITIONS]
"""

import json
import os
import re
import statistics
import subprocess
import sys
import tempfile
from pathlib import Path

PROCESS_SIZES = [2000, 65530]
INSTRUCTION_SIZES = [2000, 8192, 32768, 65530]
PEAK_LIMIT_MIB = 96
MIB = 1024 * 1024


class Figure:
    """Median and range of repeated measurements."""

    def __init__(self, values):
        values = sorted(values)
        self.median = statistics.median(values)
        self.low = values[0]
        self.high = values[-1]

    def cells(self, scale, digits):
        return (f"{self.median * scale:.{digits}f}",
                f"{self.low * scale:.{digits}f}-{self.high * scale:.{digits}f}")


def run_benchmarks(bin_dir, out_dir, repetitions):
    """Seconds of every repetition of each benchmark: name -> Figure."""
    out = out_dir / "export.json"
    subprocess.run(
        [str(bin_dir / "bench_export"), f"--benchmark_repetitions={repetitions}",
         # A slow spell of the shared machine then falls on every benchmark alike.
         "--benchmark_enable_random_interleaving=true",
         "--benchmark_out_format=json", f"--benchmark_out={out}"],
        check=True, stdout=subprocess.DEVNULL)
    runs = {}
    for entry in json.loads(out.read_text())["benchmarks"]:
        if entry.get("run_type") == "iteration":
            scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[entry["time_unit"]]
            runs.setdefault(entry["run_name"], []).append(entry["real_time"] * scale)
    return {name: Figure(values) for name, values in runs.items()}


def write_material_list(bin_dir, folder, items):
    path = folder / f"Projekt {items}.txt"
    subprocess.run([str(bin_dir / "write-material-list"), str(items), str(path)], check=True)
    return path


def export_command(bin_dir, folder, path):
    return [str(bin_dir / "export-kalkulace"), "--documents", str(folder), "--export", str(path)]


def peak_memory(bin_dir, folder, path, repetitions):
    """Peak resident bytes of the export process, from /usr/bin/time -v."""
    peaks = []
    for _ in range(repetitions):
        done = subprocess.run(["/usr/bin/time", "-v", *export_command(bin_dir, folder, path)],
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
                              check=True)
        kib = re.search(r"Maximum resident set size \(kbytes\): (\d+)", done.stderr)
        peaks.append(int(kib.group(1)) * 1024)
    return Figure(peaks)


def instructions(bin_dir, folder, path):
    """Instructions of one export process, from callgrind."""
    done = subprocess.run(
        ["valgrind", "--tool=callgrind", f"--callgrind-out-file={folder}/callgrind.out",
         *export_command(bin_dir, folder, path)],
        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    collected = re.search(r"Collected : (\d+)", done.stderr)
    if done.returncode != 0 or not collected:
        raise SystemExit(f"callgrind failed on {path}:\n{done.stderr}")
    return int(collected.group(1))


def print_table(title, header, rows):
    widths = [max(len(str(cell)) for cell in column) for column in zip(header, *rows)]
    line = "  ".join(f"{{:<{w}}}" for w in widths)
    print(f"\n{title}\n{line.format(*header)}\n{line.format(*['-' * w for w in widths])}")
    for cells in rows:
        print(line.format(*cells))


def main():
    bin_dir, out_dir = Path(sys.argv[1]), Path(sys.argv[2])
    repetitions = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    out_dir.mkdir(parents=True, exist_ok=True)

    print(f"running bench_export ({repetitions} repetitions) ...", flush=True)
    times = run_benchmarks(bin_dir, out_dir, repetitions)
    rows = []
    for items in PROCESS_SIZES:
        rows.append((f"command-line export, {items} items [ms]",
                     *times[f"BM_CommandLineExport/items:{items}/cisla:0"].cells(1e3, 1)))
        rows.append(("  the same with --cisla [ms]",
                     *times[f"BM_CommandLineExport/items:{items}/cisla:1"].cells(1e3, 1)))
        rows.append((f"save alone, {items} items [ms]", *times[f"BM_Save/{items}"].cells(1e3, 1)))

    with tempfile.TemporaryDirectory(prefix="ek-bench-") as scratch:
        folder = Path(scratch)
        lists = {items: write_material_list(bin_dir, folder, items)
                 for items in sorted(set(PROCESS_SIZES + INSTRUCTION_SIZES))}
        for items in PROCESS_SIZES:
            peak = peak_memory(bin_dir, folder, lists[items], repetitions)
            rows.append((f"export process, {items} items: peak memory [MiB]",
                         *peak.cells(1 / MIB, 1)))
            if items == PROCESS_SIZES[-1]:
                within = "yes" if peak.median <= PEAK_LIMIT_MIB * MIB else "NO"
                rows.append((f"  at most {PEAK_LIMIT_MIB} MiB", within, ""))
        print_table("What a user waits for (medians of interleaved repetitions)",
                    ("measurement", "median", "min-max"), rows)

        if subprocess.run(["which", "valgrind"], stdout=subprocess.DEVNULL).returncode != 0:
            print("\nvalgrind not found: no instruction counts")
            return 0
        print("\ncounting instructions with callgrind ...", flush=True)
        counts = [instructions(bin_dir, folder, lists[items]) for items in INSTRUCTION_SIZES]
    growth = [""] + [f"{b / a:.2f} for x{n2 / n1:.2f} items" for a, b, n1, n2 in
                     zip(counts, counts[1:], INSTRUCTION_SIZES, INSTRUCTION_SIZES[1:])]
    print_table("Instructions of one command-line export (callgrind)",
                ("items", "instructions", "per item", "growth"),
                [(items, f"{count:,}", f"{count / items:,.0f}", step)
                 for items, count, step in zip(INSTRUCTION_SIZES, counts, growth)])
    return 0


if __name__ == "__main__":
    sys.exit(main())
