#!/usr/bin/python3
"""Runs the built command-line program on real files and folders and checks,
for each kind of input a user may give it, what it prints, its exit status and
that nothing is lost: a workbook that existed before a refusal keeps its bytes,
and no file is left behind beside it.

    check_command_line.py PROGRAM SOURCE_DIR WORK_DIR [CASE...]
"""

import os
import shutil
import subprocess
import sys
from pathlib import Path

import xlrd

failures = []

# The program must answer well within this; it guards against a hang only.
TIMEOUT = 120


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def run(program, args, cwd=None, prefix=()):
    """Exit status, standard output and error (UTF-8) of one run."""
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env["LC_ALL"] = "cs_CZ.UTF-8"
    try:
        result = subprocess.run(list(prefix) + [program] + args, capture_output=True, env=env,
                                cwd=cwd, timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        return None, "", f"no answer within {TIMEOUT} s"
    return result.returncode, result.stdout.decode("utf-8"), result.stderr.decode("utf-8")


def material_list(lines, mark=True):
    text = "".join(line + "\r\n" for line in lines)
    return (b"\xff\xfe" if mark else b"") + text.encode("utf-16-le")


WORKED_EXAMPLE = [
    "Zahrada u domu",
    "Rostliny projektu zahrady",
    "Položka 1 Acer campestre - javor babyka;\t3\t1\u00a0250,00 Kč\t3\u00a0750,00 Kč",
    "Ostatní objekty zahrady",
    "Lavička (dřevo/kov)\t2\t4\u00a0500,00 Kč\t9\u00a0000,00 Kč",
    "Nástroje",
    "Lampa\t1\t980,00 Kč\t980,00 Kč",
    "Konec",
]


class Scene:
    """A folder holding a material list and the workbook an earlier export left."""

    def __init__(self, program, documents, folder, name="Projekt"):
        self.program, self.documents = program, documents
        self.folder = folder
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        self.list = folder / f"{name}.txt"
        self.workbook = folder / f"{name}.xls"
        self.list.write_bytes(material_list(WORKED_EXAMPLE))
        status, _, err = self.export(self.list)
        check(status == 0 and self.workbook.exists(), f"{folder.name}: first export {err!r}")
        self.before = self.workbook.read_bytes()

    def export(self, path, *more, prefix=()):
        return run(self.program, ["--documents", str(self.documents), "--export", str(path)]
                   + list(more), prefix=prefix)

    def entries(self):
        return sorted(p.name for p in self.folder.iterdir())

    def refused(self, what, path, status, err, message, expected_status=1, entries=None):
        """A refusal with `message` alone; the old workbook and the folder as they were."""
        check(status == expected_status, f"{what}: exit {status}, not {expected_status}")
        check(err == message + "\n", f"{what}: stderr {err!r}, not {message!r}")
        check(self.workbook.read_bytes() == self.before, f"{what}: the old workbook changed")
        wanted = entries if entries is not None else sorted({self.list.name, self.workbook.name,
                                                             Path(path).name})
        check(self.entries() == wanted, f"{what}: the folder holds {self.entries()}")


def sheet_rows(workbook, sheet):
    book = xlrd.open_workbook(str(workbook))
    return [book.sheet_by_name(sheet).row_values(r) for r in range(book.sheet_by_name(sheet).nrows)]


# ---------------------------------------------------------------- cases


def case_closing_lines(program, documents, work):
    """Every item before the closing lines is exported, whatever closes the list."""
    items = ["P", "Stavba", "Zeď\t1\t1,00 Kč\t1,00 Kč", "Plot\t1\t2,00 Kč\t2,00 Kč"]
    endings = {
        "no Konec": [],
        "Konec": ["Konec"],
        "empty lines after Konec": ["Konec", "", ""],
        "a note without TAB": ["", "Poznámka", "Konec"],
    }
    for what, ending in endings.items():
        scene = Scene(program, documents, work / "closing")
        scene.list.write_bytes(material_list(items + ending))
        status, out, err = scene.export(scene.list)
        check(status == 0 and err == "", f"{what}: exit {status} {err!r}")
        check(out.startswith("Kalkulace stavebních objektů\t 0 003,00\n"), f"{what}: {out!r}")
        rows = sheet_rows(scene.workbook, "Kalkulace stavebních objektů")
        check([r[1] for r in rows[2:4]] == ["Zeď", "Plot"], f"{what}: items {rows}")
        check(scene.entries() == ["Projekt.txt", "Projekt.xls"], f"{what}: {scene.entries()}")
    # Without a final CR LF the last line comes whole.
    scene = Scene(program, documents, work / "closing")
    scene.list.write_bytes(material_list(items)[:-4])
    status, _, err = scene.export(scene.list)
    rows = sheet_rows(scene.workbook, "Kalkulace stavebních objektů")
    check(status == 0 and rows[3][4] == "2,00", f"no final line end: {status} {err!r} {rows}")


def case_untrusted_structure(program, documents, work):
    """A repeated title or no title at all: refused, and the old workbook stays."""
    scene = Scene(program, documents, work / "structure")
    name = f'Soubor "{scene.list}"'
    no_title = (f'{name} neobsahuje nadpis žádné kategorie (například "Rostliny projektu '
                'zahrady"); není to seznam kalkulace, nebo je v kódování, které program nezná.')
    cases = {
        "a repeated title": (
            material_list(["P", "Stavba", "Zeď\t1\t1,00 Kč\t1,00 Kč", "Bazén", "Stavba",
                           "Plot\t1\t2,00 Kč\t2,00 Kč", "Konec"]),
            f'{name} má nadpis kategorie "Stavba" dvakrát, na řádku 2 a na řádku 5; nelze určit, '
            'ke které kategorii patří položky.'),
        "an empty file": (b"", no_title),
        "no title": (material_list(["P", "Zeď\t1\t1,00 Kč\t1,00 Kč", "Konec"]), no_title),
        "garbage": (bytes(range(256)) * 16, no_title),
        "lines cut at CR only": (("\ufeff" + "\r".join(WORKED_EXAMPLE)).encode("utf-16-le"),
                                 no_title),
    }
    for what, (content, message) in cases.items():
        scene.list.write_bytes(content)
        status, out, err = scene.export(scene.list)
        check(out == "", f"{what}: output {out!r}")
        scene.refused(what, scene.list, status, err, message)


def case_messages(program, documents, work):
    """Each error names the file, and the line and the field where one is at fault."""
    scene = Scene(program, documents, work / "messages", name="Zahrada")
    quoted = f'Soubor "{scene.list}"'
    lines = {
        "a total that is no amount": (["P", "Stavba", "Zeď\t1\t1,00 Kč\tabc Kč", "Konec"],
                                      f'{quoted}, řádek 3: cena celkem "abc Kč" není platná '
                                      'částka.'),
        "a missing total": (["P", "Stavba", "Zeď\t1\t1,00 Kč", "Plot\t1\t1,00 Kč\t1,00 Kč"],
                            f"{quoted}, řádek 3: chybí cena celkem (čtvrté pole řádku)."),
        "a sum beyond the range": (["P", "Stavba", "A\t1\t1,00 Kč\t92233720368547758,07 Kč",
                                    "B\t1\t1,00 Kč\t0,01 Kč", "Konec"],
                                   f'{quoted}, řádek 4: součet kategorie "Stavba" přesahuje '
                                   'největší částku, kterou program sečte.'),
    }
    for what, (content, message) in lines.items():
        scene.list.write_bytes(material_list(content))
        status, _, err = scene.export(scene.list)
        scene.refused(what, scene.list, status, err, message)
    scene.list.write_bytes(material_list(WORKED_EXAMPLE))

    # Files the list of material lists does not show.
    csv = scene.folder / "Zahrada.csv"
    csv.write_bytes(material_list(WORKED_EXAMPLE))
    folder = scene.folder / "Složka.txt"
    folder.mkdir()
    missing = scene.folder / "Chybí.txt"
    others = {
        "not a .txt": (csv, f'Soubor "{csv}" nemá příponu ".txt"; seznamy kalkulací program čte '
                            'jen z takových souborů.'),
        "a folder": (folder, f'Soubor "{folder}" nelze přečíst: je to složka, ne soubor.'),
        "a missing file": (missing, f'Soubor "{missing}" nelze přečíst: soubor nebo jeho složka '
                                    'neexistuje.'),
    }
    for what, (path, message) in others.items():
        status, _, err = scene.export(path)
        scene.refused(what, path, status, err, message,
                      entries=["Složka.txt", "Zahrada.csv", "Zahrada.txt", "Zahrada.xls"])
    # A relative name is named as the absolute path it stands for.
    status, _, err = run(program, ["--export", "Chybí.txt"], cwd=scene.folder)
    check(err == others["a missing file"][1] + "\n", f"relative name: {status} {err!r}")

    # Unreadable: root runs without the capabilities that pass over file modes.
    scene.list.chmod(0)
    prefix = ["setpriv", "--bounding-set=-all", "--inh-caps=-all"] if os.geteuid() == 0 else []
    if not prefix or shutil.which("setpriv"):
        status, _, err = scene.export(scene.list, prefix=prefix)
        scene.refused("no right to read", scene.list, status, err,
                      f"{quoted} nelze přečíst: přístup byl odepřen.",
                      entries=["Složka.txt", "Zahrada.csv", "Zahrada.txt", "Zahrada.xls"])
    scene.list.chmod(0o644)


def case_utf16_without_mark(program, documents, work, source):
    """The worked example without its byte-order mark gives the golden workbook."""
    folder = work / "utf16"
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    path = folder / "Bez značky.txt"
    path.write_bytes(material_list(WORKED_EXAMPLE, mark=False))
    status, _, err = run(program, ["--documents", str(documents), "--export", str(path)])
    check(status == 0 and err == "", f"without mark: exit {status} {err!r}")
    golden = source / "tests" / "export" / "golden" / "zahrada-oba.xls"
    check(path.with_suffix(".xls").read_bytes() == golden.read_bytes(),
          "without mark: not the worked example's workbook")


def case_samples(program, documents, work, source):
    """The bundled samples and the golden list give the golden workbooks, byte for byte."""
    golden = source / "tests" / "export" / "golden"
    samples = source / "samples" / "Documents" / "Verdigo 2016" / "Material Lists"
    cases = [(samples / "Zahrada u domu.txt", "zahrada", ["prvni", "druhy", "oba"]),
             (samples / "Rodinný dům Říčany.txt", "ricany", ["prvni", "druhy", "oba"]),
             (golden / "Dva tisíce položek.txt", "dva-tisice", ["prvni"])]
    folder = work / "samples"
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for original, stem, modes in cases:
        copy = folder / original.name
        shutil.copyfile(original, copy)
        for mode in modes:
            status, _, err = run(program, ["--documents", str(documents), "--export", str(copy),
                                           "--nazvy", mode])
            check(status == 0 and err == "", f"{stem} {mode}: exit {status} {err!r}")
            check(copy.with_suffix(".xls").read_bytes() == (golden / f"{stem}-{mode}.xls")
                  .read_bytes(), f"{stem} {mode}: not the golden workbook")


def case_options(program, documents, work):
    """Missing or empty values: a usage error, status 2, nothing written, no window."""
    scene = Scene(program, documents, work / "options")
    given = ["--documents", str(documents)]
    cases = [
        (["--export", ""], "--export"),
        (["--export="], "--export"),
        (["--export"], "--export"),
        (["--tabulka="], "--tabulka"),
        (["--export", str(scene.list), "--nazvy="], "--nazvy"),
        (["--export", str(scene.list), "--documents", ""], "--documents"),
    ]
    for args, option in cases:
        status, out, err = run(program, given + args)
        what = " ".join(args)
        check(status == 2, f"{what}: exit {status}")
        check(out == "", f"{what}: output {out!r}")
        check(err.startswith(f"Volba {option} potřebuje hodnotu.\nPoužití: "), f"{what}: {err!r}")
        check(scene.workbook.read_bytes() == scene.before, f"{what}: the workbook changed")
        check(scene.entries() == ["Projekt.txt", "Projekt.xls"], f"{what}: {scene.entries()}")


def case_names_not_in_utf8(program, documents, work):
    """A name in another encoding is refused, not taken for its look-alike."""
    scene = Scene(program, documents, work / "names", name="Zahrada \ufffd")
    latin2 = os.fsencode(scene.folder) + b"/Zahrada \xe8.txt"
    with open(latin2, "wb") as file:
        file.write(material_list(["P", "Stavba", "Zeď\t1\t1,00 Kč\t1,00 Kč", "Konec"]))
    before = sorted(os.listdir(os.fsencode(scene.folder)))
    result = subprocess.run([program, "--export", latin2], capture_output=True, timeout=TIMEOUT,
                            env=dict(os.environ, LC_ALL="cs_CZ.UTF-8"))
    err = result.stderr.decode("utf-8")
    check(result.returncode == 2, f"latin-2 name: exit {result.returncode}")
    check(err.startswith('Argument č. 2 ("' + os.fsdecode(scene.folder) + '/Zahrada \ufffd.txt") '
                         "není platný text UTF-8; soubor s takovým názvem program neotevře.\n"),
          f"latin-2 name: {err!r}")
    check(scene.workbook.read_bytes() == scene.before, "latin-2 name: the look-alike's workbook")
    check(sorted(os.listdir(os.fsencode(scene.folder))) == before, "latin-2 name: files changed")


def case_host_folders(program, documents, work):
    """The window's start-up messages about the host's folders do not reach --export."""
    empty = work / "no documents"
    shutil.rmtree(empty, ignore_errors=True)
    empty.mkdir(parents=True)
    scene = Scene(program, empty, work / "host")
    status, out, err = scene.export(scene.list)
    check(status == 0 and err == "", f"no host folders: exit {status} {err!r}")
    check(out.endswith(f"Uloženo\t{scene.workbook}\n"), f"no host folders: {out!r}")


def case_bounded(program, documents, work):
    """Files at the size limit: read or refused, and the old workbook stays."""
    scene = Scene(program, documents, work / "bounded")
    quoted = f'Soubor "{scene.list}"'
    limit = 64 * 1024 * 1024
    title = material_list(["Stavba"])
    huge_line = ("\t1\t1,00 Kč\t1,00 Kč\r\n").encode("utf-16-le")
    tabs = b"a\x00" + b"\t\x00" * 65534 + b"\n\x00"
    cases = {
        "line feeds": (b"\n" * limit,
                       f"{quoted} má víc než 1 000 000 řádků; seznam kalkulace jich tolik mít "
                       "nemůže."),
        "one byte more": (b"\n" * (limit + 1), f"{quoted} je příliš velký (nejvýše 64 MiB)."),
        "one huge item": (title + b"x\x00" * ((limit - len(title) - len(huge_line)) // 2)
                          + huge_line, None),
        "lines of TABs": (title + tabs * ((limit - len(title)) // len(tabs)),
                          f"{quoted}, řádek 2: chybí cena celkem (čtvrté pole řádku)."),
    }
    for what, (content, message) in cases.items():
        scene.list.write_bytes(content)
        status, _, err = scene.export(scene.list)
        if message is None:  # the worksheet's own limit, shown as the export's message
            message = ('Text na listu "Kalkulace stavebních objektů", řádek 3, je delší než '
                       "32 767 znaků; do souboru XLS jej nelze uložit.")
        scene.refused(what, scene.list, status, err, message)
    scene.list.unlink()


def main():
    program, source, work = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    chosen = sys.argv[4:]
    shutil.rmtree(work, ignore_errors=True)
    documents = work / "Documents"
    shutil.copytree(source / "samples" / "Documents", documents)
    cases = {
        "closing_lines": lambda: case_closing_lines(program, documents, work),
        "untrusted_structure": lambda: case_untrusted_structure(program, documents, work),
        "messages": lambda: case_messages(program, documents, work),
        "utf16_without_mark": lambda: case_utf16_without_mark(program, documents, work, source),
        "samples": lambda: case_samples(program, documents, work, source),
        "options": lambda: case_options(program, documents, work),
        "names_not_in_utf8": lambda: case_names_not_in_utf8(program, documents, work),
        "host_folders": lambda: case_host_folders(program, documents, work),
        "bounded": lambda: case_bounded(program, documents, work),
    }
    for name, case in cases.items():
        if not chosen or name in chosen:
            case()
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
