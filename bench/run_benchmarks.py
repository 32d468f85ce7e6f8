#!/usr/bin/python3
"""Runs the benchmark programs and the command-line export as a process,
then prints one table: medians with min-max, the targets and whether each is
met, and the growth of the time when the items double. Called by
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
import time
from pathlib import Path

SIZES = [8192, 16384, 32768, 65530]
MODEL_ROWS = [8192, 16384, 32768, 65536]  # the model bench fills whole sheets
PROGRAMS = ["reading", "model", "export", "save"]
MIB = 1024 * 1024


def run_program(bin_dir, out_dir, program, repetitions):
    """Every repetition of every benchmark of one program: name -> [runs]."""
    out = out_dir / f"{program}.json"
    subprocess.run(
        [str(bin_dir / f"bench_{program}"),
         f"--benchmark_repetitions={repetitions}",
         # Repetitions of all the program's benchmarks in a random order, so
         # that a slow spell of the shared machine falls on every size alike
         # rather than on the ones that happened to run then.
         "--benchmark_enable_random_interleaving=true",
         "--benchmark_out_format=json", f"--benchmark_out={out}",
         "--benchmark_format=console"],
        check=True, stdout=subprocess.DEVNULL)
    runs = {}
    for entry in json.loads(out.read_text())["benchmarks"]:
        if entry.get("run_type") != "iteration":
            continue
        runs.setdefault(entry["run_name"], []).append(entry)
    return runs


def seconds(entry):
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[entry["time_unit"]]
    return entry["real_time"] * scale


class Figure:
    """Median and range of repeated measurements."""

    def __init__(self, values):
        self.values = sorted(values)
        self.median = statistics.median(self.values)
        self.low = self.values[0]
        self.high = self.values[-1]


def time_of(runs, name):
    return Figure([seconds(entry) for entry in runs[name]])


def counter_of(runs, name, counter):
    return Figure([entry[counter] for entry in runs[name]])


def material_list(bin_dir, documents, plants):
    folder = documents / "Verdigo 2016" / "Material Lists"
    folder.mkdir(parents=True, exist_ok=True)
    path = folder / f"Projekt {plants}.txt"
    subprocess.run([str(bin_dir / "write-material-list"), str(plants), str(path)], check=True)
    return path


def run_export_process(bin_dir, documents, path):
    """Wall seconds and peak resident kilobytes of one command-line export,
    both from /usr/bin/time -v; the wall time is also taken around it, at a
    finer resolution than time's hundredths."""
    command = ["/usr/bin/time", "-v", str(bin_dir / "export-kalkulace"),
               "--documents", str(documents), "--export", str(path)]
    start = time.perf_counter()
    done = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
                          env=dict(os.environ, LC_ALL="C.UTF-8"))
    wall = time.perf_counter() - start
    if done.returncode != 0:
        raise SystemExit(f"export-kalkulace failed on {path}:\n{done.stderr}")
    elapsed = re.search(r"Elapsed \(wall clock\) time.*: (?:(\d+):)?(\d+):([\d.]+)", done.stderr)
    hours = int(elapsed.group(1) or 0)
    time_wall = hours * 3600 + int(elapsed.group(2)) * 60 + float(elapsed.group(3))
    peak_kib = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", done.stderr).group(1))
    return wall, time_wall, peak_kib


def measure_processes(bin_dir, repetitions):
    """Every size once per round, round after round, for the same reason as
    the interleaved benchmarks."""
    with tempfile.TemporaryDirectory(prefix="ek-bench-cli-") as scratch:
        documents = Path(scratch) / "Documents"
        paths = {plants: material_list(bin_dir, documents, plants) for plants in SIZES}
        for path in paths.values():
            run_export_process(bin_dir, documents, path)  # warms the page cache
        samples = {plants: [] for plants in SIZES}
        for _ in range(repetitions):
            for plants, path in paths.items():
                samples[plants].append(run_export_process(bin_dir, documents, path))
        return {
            plants: {
                "wall": Figure([s[0] for s in runs]),
                "time_wall": Figure([s[1] for s in runs]),
                "peak": Figure([s[2] * 1024 for s in runs]),
                "input": paths[plants].stat().st_size,
                "output": paths[plants].with_suffix(".xls").stat().st_size,
            }
            for plants, runs in samples.items()
        }


def count_instructions(bin_dir, sizes):
    """Instructions of one command-line export per size, from callgrind;
    empty when valgrind is missing."""
    if subprocess.run(["which", "valgrind"], stdout=subprocess.DEVNULL).returncode != 0:
        print("valgrind not found: no instruction counts")
        return []
    print("counting instructions with callgrind ...", flush=True)
    counts = []
    with tempfile.TemporaryDirectory(prefix="ek-bench-cg-") as scratch:
        documents = Path(scratch) / "Documents"
        for plants in sizes:
            path = material_list(bin_dir, documents, plants)
            done = subprocess.run(
                ["valgrind", "--tool=callgrind", f"--callgrind-out-file={scratch}/cg.out",
                 str(bin_dir / "export-kalkulace"), "--documents", str(documents),
                 "--export", str(path)],
                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
                env=dict(os.environ, LC_ALL="C.UTF-8"))
            collected = re.search(r"Collected : (\d+)", done.stderr)
            if done.returncode != 0 or not collected:
                raise SystemExit(f"callgrind failed on {path}:\n{done.stderr}")
            counts.append(int(collected.group(1)))
    return counts


def ms(value):
    return f"{value * 1e3:.2f}"


def row(label, figure, unit_format=ms, target="", met=None):
    verdict = "" if met is None else ("yes" if met else "NO")
    return (label, unit_format(figure.median),
            f"{unit_format(figure.low)}-{unit_format(figure.high)}", target, verdict)


def print_table(title, header, rows):
    widths = [max(len(str(cell)) for cell in column) for column in zip(header, *rows)]
    print(f"\n{title}")
    line = "  ".join(f"{{:<{w}}}" for w in widths)
    print(line.format(*header))
    print(line.format(*["-" * w for w in widths]))
    for cells in rows:
        print(line.format(*cells))


def main():
    bin_dir = Path(sys.argv[1])
    out_dir = Path(sys.argv[2])
    repetitions = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    out_dir.mkdir(parents=True, exist_ok=True)

    runs = {}
    for program in PROGRAMS:
        print(f"running bench_{program} ({repetitions} repetitions) ...", flush=True)
        runs.update(run_program(bin_dir, out_dir, program, repetitions))
    print("running export-kalkulace --export as a process ...", flush=True)
    processes = measure_processes(bin_dir, repetitions)

    header = ("measurement", "median", "min-max", "target", "met")
    rows = []
    targets_met = []

    def checked(label, figure, unit_format, target, met):
        targets_met.append(met)
        rows.append(row(label, figure, unit_format, target, met))

    largest = processes[SIZES[-1]]
    checked("CLI export 65 530 plants: wall [ms]", largest["wall"], ms, "<= 150",
            largest["wall"].median <= 0.150)
    rows.append(row("  same, /usr/bin/time's wall [ms]", largest["time_wall"], ms))
    checked("CLI export 65 530 plants: peak RSS [MiB]", largest["peak"],
            lambda v: f"{v / MIB:.1f}", "<= 64", largest["peak"].median <= 64 * MIB)
    for mode, name in enumerate(["první", "druhý", "oba"]):
        figure = time_of(runs, f"BM_Prevod/plants:65530/mode:{mode}")
        checked(f"Prevod 65 530 plants, mode {name} [ms]", figure, ms, "< 50", figure.median < 0.050)
    fill = time_of(runs, "BM_FillSheet/rows:65536")
    checked("model: 65 536 x 5 texts, column formats [ms]", fill, ms, "< 300", fill.median < 0.300)
    per_cell = counter_of(runs, "BM_FillSheet/rows:65536", "bytes_per_cell")
    checked("model: heap per stored cell [bytes]", per_cell, lambda v: f"{v:.1f}", "< 120",
            per_cell.median < 120)
    rows.append(row("export layout 65 530 plants: model [ms]",
                    time_of(runs, "BM_BuildWorkbook/plants:65530"), ms))
    rows.append(row("export layout 65 530 plants: save [ms]",
                    time_of(runs, "BM_SaveWorkbook/plants:65530"), ms))
    rows.append(row("  same save into memory [ms]",
                    time_of(runs, "BM_SaveWorkbookToMemory/plants:65530"), ms))
    rows.append(row("  fwrite of the same bytes [ms]",
                    time_of(runs, "BM_FwriteSameBytes/plants:65530"), ms))
    rows.append(row("GenerovatTabulku 65 530 plants [ms]",
                    time_of(runs, "BM_GenerovatTabulku/plants:65530"), ms))

    # The save makes its file durable (fsync before the rename that replaces
    # the old one), so its target is set against fwrite with the same fsync;
    # the ratio to a bare fwrite, which leaves the bytes in the page cache,
    # is shown beside it.
    ratio_sets = [
        ("8 x 8 192 rows", "BM_SaveAs/sheets:8/rows:8192", "BM_FwriteSynced/sheets:8/rows:8192",
         "BM_Fwrite/sheets:8/rows:8192"),
        ("1 x 65 536 rows", "BM_SaveAs/sheets:1/rows:65536", "BM_FwriteSynced/sheets:1/rows:65536",
         "BM_Fwrite/sheets:1/rows:65536"),
        ("export of 65 530 plants", "BM_SaveWorkbook/plants:65530",
         "BM_FwriteSameBytesSynced/plants:65530", "BM_FwriteSameBytes/plants:65530"),
    ]
    for label, save, synced, plain in ratio_sets:
        save_time = time_of(runs, save)
        synced_time, plain_time = time_of(runs, synced), time_of(runs, plain)
        rows.append(row(f"  save {save.split('/', 1)[1]} [ms]", save_time, ms))
        rows.append(row(f"  fwrite + fsync of the same bytes [ms]", synced_time, ms))
        rows.append(row(f"  fwrite alone [ms]", plain_time, ms))
        ratio = save_time.median / synced_time.median
        targets_met.append(ratio <= 3)
        rows.append((f"save / (fwrite + fsync), {label}", f"{ratio:.2f}", "", "<= 3",
                     "yes" if ratio <= 3 else "NO"))
        rows.append((f"  save / fwrite alone, {label}", f"{save_time.median / plain_time.median:.2f}",
                     "", "", ""))
    for name in ["BM_SaveAs/sheets:8/rows:8192", "BM_SaveAs/sheets:1/rows:65536"]:
        rows.append(row(f"  {name}: written [MiB]", counter_of(runs, name, "bytes"),
                        lambda v: f"{v / MIB:.2f}"))
        rows.append(row(f"  {name}: peak heap during the save [MiB]",
                        counter_of(runs, name, "peak_save_MiB"), lambda v: f"{v:.1f}"))
    print_table("Benchmarks (median of the repetitions, min-max)", header, rows)

    growth_rows = []
    series = [(f"Prevod mode {m}", [f"BM_Prevod/plants:{n}/mode:{m}" for n in SIZES]) for m in range(3)]
    series += [
        ("model fill (rows 8 192 .. 65 536)", [f"BM_FillSheet/rows:{n}" for n in MODEL_ROWS]),
        ("export model", [f"BM_BuildWorkbook/plants:{n}" for n in SIZES]),
        ("export save", [f"BM_SaveWorkbook/plants:{n}" for n in SIZES]),
        ("GenerovatTabulku", [f"BM_GenerovatTabulku/plants:{n}" for n in SIZES]),
    ]
    # Beside a series, the floor of its memory traffic: the bytes it leaves
    # on the heap streamed in stages, nothing else done. It has no target;
    # it shows how this machine's caches let memory-bound work grow.
    # Each is shown after the series it belongs to (the readings' after the
    # last mode).
    floors = {
        "Prevod mode 2": ("  floor of the readings: their memory traffic alone",
                          [f"BM_PrevodStreamFloor/plants:{n}" for n in SIZES]),
        "model fill (rows 8 192 .. 65 536)": (
            "  floor: its memory traffic alone",
            [f"BM_FillSheetStreamFloor/rows:{n}" for n in MODEL_ROWS]),
        "export model": ("  floor: its memory traffic alone",
                         [f"BM_BuildWorkbookStreamFloor/plants:{n}" for n in SIZES]),
    }

    def growth_row(label, values, show, target=True):
        ratios = [b / a for a, b in zip(values, values[1:])]
        # Linear: the time per item does not grow, so the three doublings
        # together at most multiply it by 8 (a mean of 2 per doubling; one
        # step alone moves by the machine's noise).
        per_doubling = (values[-1] / values[0]) ** (1 / 3)
        met = per_doubling <= 2.0
        if target:
            targets_met.append(met)
        growth_rows.append((label, *[show(v) for v in values], *[f"{r:.2f}" for r in ratios],
                            f"{per_doubling:.2f}", ("yes" if met else "NO") if target else ""))

    for label, names in series:
        growth_row(label, [time_of(runs, name).median for name in names], ms)
        if label in floors:
            floor_label, floor_names = floors[label]
            growth_row(floor_label, [time_of(runs, name).median for name in floor_names], ms,
                       target=False)
    growth_row("CLI export process", [processes[n]["wall"].median for n in SIZES], ms)
    print_table("Growth when the items double (medians in ms; a mean of <= 2 per doubling wanted;"
                " the floors have no target)",
                ("series", "8 192", "16 384", "32 768", "65 530", "x2", "x4/x2", "x8/x4",
                 "mean", "met"),
                growth_rows)

    # Instruction counts do not depend on the machine's load: the same growth
    # without its noise (callgrind; every thread counted).
    counts = count_instructions(bin_dir, SIZES)
    if counts:
        instruction_rows = []
        ratios = [b / a for a, b in zip(counts, counts[1:])]
        met = all(r <= 2.0 for r in ratios)
        targets_met.append(met)
        instruction_rows.append(("CLI export process [M instructions]",
                                 *[f"{c / 1e6:.0f}" for c in counts],
                                 *[f"{r:.2f}" for r in ratios], "yes" if met else "NO"))
        print_table("Growth of the instructions executed (callgrind; each ratio <= 2 wanted)",
                    ("series", "8 192", "16 384", "32 768", "65 530", "x2", "x4/x2", "x8/x4",
                     "met"),
                    instruction_rows)

    process_rows = []
    for plants in SIZES:
        result = processes[plants]
        process_rows.append((f"{plants}", ms(result["wall"].median),
                             f"{ms(result['wall'].low)}-{ms(result['wall'].high)}",
                             f"{result['peak'].median / MIB:.1f}",
                             f"{result['input'] / MIB:.2f}", f"{result['output'] / MIB:.2f}"))
    print_table("export-kalkulace --export as a process",
                ("plants", "wall median [ms]", "min-max", "peak RSS [MiB]", "list [MiB]", "xls [MiB]"),
                process_rows)

    print(f"\nTargets met: {sum(targets_met)} of {len(targets_met)}")
    return 0 if all(targets_met) else 1


if __name__ == "__main__":
    sys.exit(main())
