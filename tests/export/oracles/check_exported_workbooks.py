#!/usr/bin/python3
"""Runs the command-line export on material lists and reads every workbook it
writes back with xlrd (formatting_info=True): worksheet order and names, every
text, the merged title, fonts, fills, alignments, borders and column widths.
The expected texts are derived here from the material list itself by the
rules of the category tables; the expected look is the fixed worksheet look.

    check_exported_workbooks.py PROGRAM SAMPLES_DOCUMENTS WORK_DIR [CASE...]
"""

import os
import shutil
import subprocess
import sys
from decimal import Decimal
from pathlib import Path

import xlrd

NBSP = "\u00a0"

# Category title in the material list -> (worksheet, title, name header,
# quantity header, total row text), in worksheet order.
CATEGORIES = [
    ("Rostliny projektu zahrady", "Kalkulace rostlin", "Kalkulace projektu zahrady - rostliny",
     "     Jméno rostliny", "kusů", "Celková cena rostlin"),
    ("Ostatní objekty zahrady", "Kalkulace zahradních objektů",
     "Kalkulace projektu zahrady - zahradní objekty", "     Objekt zahrady", "kusů/plocha",
     "Celková cena objektů zahrady"),
    ("Stavba", "Kalkulace stavebních objektů", "Kalkulace projektu zahrady - stavební objekty",
     "     Objekt stavby", "kusů/plocha", "Celková cena objektů stavby"),
    ("Bazén", "Kalkulace objektů bazénu", "Kalkulace projektu zahrady - objekty bazénu",
     "     Objekt bazénu", "kusů/plocha", "Celková cena objektů bazénu"),
    ("Objekty s vodou", "Kalkulace objektů s vodou", "Kalkulace projektu zahrady - objekty s vodou",
     "     Objekt s vodou", "kusů/plocha", "Celková cena objektů s vodou"),
    ("Terén", "Kalkulace pozemku", "Kalkulace projektu zahrady - pozemek", "     Objekt terénu",
     "kusů/plocha", "Celková cena pozemku"),
    ("Silnice", "Kalkulace objektů silnice", "Kalkulace projektu zahrady - objekty silnice",
     "     Objekt terénu", "kusů/plocha", "Celková cena objektů silnice"),
    ("Nástroje", "Kalkulace symbolů projektu", "Kalkulace projektu zahrady - symboly", "     Symbol",
     "kusů/plocha", "Celková cena symbolů"),
]
TITLES = [c[0] for c in CATEGORIES]

# xlrd's numbers: horizontal alignment, colour numbers (palette index + 7).
LEFT, CENTRE, RIGHT = 1, 2, 3
BLACK, WHITE, BRIGHT_GREEN, YELLOW, TURQUOISE = 8, 9, 11, 13, 15
AUTOMATIC_LINE_COLOUR = 64
THIN = 1

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


# ---------------------------------------------------------------- expectations


def money(hundredths, separator):
    """The money pattern: at least four whole digits, one blank before the hundreds."""
    sign = "-" if hundredths < 0 else ""
    whole, cents = divmod(abs(hundredths), 100)
    digits = f"{whole:04d}"
    return f"{sign}{digits[:-3]} {digits[-3:]}{separator}{cents:02d}"


def cleaned(field):
    return "" if len(field) < 4 else field[:-3].replace(NBSP, "").replace(".", ",")


def line_value(field):
    return int(field[:-3].replace(NBSP, "").replace(",", ""))


def read_lines(path):
    data = path.read_bytes()
    lines = data[2:].decode("utf-16-le").split("\r\n")
    # The lines after the last item line or title (such as "Konec") close the list.
    while lines and "\t" not in lines[-1] and lines[-1] not in TITLES:
        lines.pop()
    return lines


def expected_tables(path, plant_mode="oba"):
    """Worksheet -> rows of texts (header row to subtotal row), project total."""
    categories = {}
    current = None
    for line in read_lines(path):
        fields = line.split("\t")
        if fields[0] in TITLES:
            current = fields[0]
            categories[current] = []
        elif current is not None:
            categories[current].append((fields + ["", "", "", ""])[:4])
    tables, total = {}, 0
    for title, sheet, _, name_header, quantity_header, total_text in CATEGORIES:
        if title not in categories:
            continue
        rows = [["por.", name_header, quantity_header, "kus. cena", "cena celkem"]]
        subtotal = 0
        for number, (name, quantity, price, line_total) in enumerate(categories[title], 1):
            if title == TITLES[0]:
                name = name[10:-1] if len(name) >= 12 else ""
                assert plant_mode == "oba", "only the file order is derived here"
            rows.append([str(number), name, quantity, cleaned(price), cleaned(line_total)])
            subtotal += line_value(line_total)
        rows.append(["", total_text, "", "", None])  # subtotal text: separator-dependent
        tables[sheet] = (rows, subtotal)
        total += subtotal
    return tables, total


# ---------------------------------------------------------------- running


def run(program, documents, args, locale="cs_CZ.UTF-8"):
    env = dict(os.environ, LC_ALL=locale)
    result = subprocess.run([program, "--documents", str(documents)] + args,
                            capture_output=True, env=env, timeout=120)
    return result.returncode, result.stdout.decode("utf-8"), result.stderr.decode("utf-8")


def write_material_list(path, lines):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(b"\xff\xfe" + "".join(l + "\r\n" for l in lines).encode("utf-16-le"))


# ---------------------------------------------------------------- the look


def role_of(row, rows):
    if row == 0:
        return "title"
    if row == 1:
        return "header"
    if row == rows - 2:
        return "subtotal"
    if row == rows - 1:
        return "total"
    return "item"


def check_look(book, sheet, plants):
    name = sheet.name
    rows = sheet.nrows
    check(sheet.ncols == 5, f"{name}: {sheet.ncols} columns")
    check(sheet.merged_cells == [(0, 1, 0, 5)], f"{name}: merged {sheet.merged_cells}")
    widths = [950, 12982, 2230 if plants else 3254, 3254, 3254]
    for column, width in enumerate(widths):
        info = sheet.colinfo_map.get(column)
        check(info is not None and info.width == width,
              f"{name}: column {column} width {info.width if info else None}, not {width}")
    for row in range(rows):
        role = role_of(row, rows)
        for column in range(5):
            where = f"{name} {xlrd.cellname(row, column)} ({role})"
            xf = book.xf_list[sheet.cell_xf_index(row, column)]
            font = book.font_list[xf.font_index]
            title = role == "title" and column == 0
            bold = title or role in ("subtotal", "total")
            check(font.height == (280 if title else 200), f"{where}: font height {font.height}")
            # BIFF8 marks bold by the weight alone ([MS-XLS] 2.4.122).
            check(font.weight == (700 if bold else 400), f"{where}: weight {font.weight}")
            coloured = role in ("header", "subtotal", "total") or (role == "item" and column == 0)
            if coloured:
                check(font.colour_index == BLACK, f"{where}: font colour {font.colour_index}")
            fill = {"header": BRIGHT_GREEN, "subtotal": YELLOW, "total": WHITE}.get(role)
            if role == "item" and column == 0:
                fill = TURQUOISE
            background = xf.background
            if fill is None:
                check(background.fill_pattern == 0, f"{where}: fill pattern {background.fill_pattern}")
            else:
                check(background.fill_pattern == 1 and background.pattern_colour_index == fill,
                      f"{where}: fill {background.fill_pattern}/{background.pattern_colour_index}"
                      f", not {fill}")
            if column == 1:
                align = RIGHT if role in ("subtotal", "total") else LEFT
            else:
                align = CENTRE
            check(xf.alignment.hor_align == align, f"{where}: alignment {xf.alignment.hor_align}")
            border = xf.border
            edges = [("left", True), ("top", True), ("bottom", True), ("right", column == 4)]
            for edge, present in edges:
                style = getattr(border, f"{edge}_line_style")
                colour = getattr(border, f"{edge}_colour_index")
                if present:
                    check(style == THIN and colour == AUTOMATIC_LINE_COLOUR,
                          f"{where}: {edge} edge {style}/{colour}")
                else:
                    check(style == 0, f"{where}: {edge} edge {style} where the next cell has it")


def cell_texts(sheet):
    texts = []
    for row in range(sheet.nrows):
        values = []
        for column in range(5):
            cell = sheet.cell(row, column)
            if cell.ctype == xlrd.XL_CELL_TEXT:
                values.append(cell.value)
            elif cell.ctype in (xlrd.XL_CELL_BLANK, xlrd.XL_CELL_EMPTY):
                values.append("")
            else:
                values.append(("not text", cell.ctype, cell.value))
        texts.append(values)
    return texts


def check_workbook(path, tables, total, separator, extra_rows=None):
    """The workbook at `path` holds exactly `tables`, each with the project total."""
    book = xlrd.open_workbook(str(path), formatting_info=True)
    expected_names = [c[1] for c in CATEGORIES if c[1] in tables]
    check(book.sheet_names() == expected_names, f"{path.name}: sheets {book.sheet_names()}")
    total_text = " " + money(total, separator)
    for sheet in book.sheets():
        if sheet.name not in tables:
            continue
        rows, subtotal = tables[sheet.name]
        title = next(c[2] for c in CATEGORIES if c[1] == sheet.name)
        expected = [[title, "", "", "", ""]] + [list(r) for r in rows]
        expected[-1][4] = " " + money(subtotal, separator)
        expected.append([" ", "Celková cena projektu", " ", " ", total_text])
        got = cell_texts(sheet)
        check(sheet.nrows == len(rows) + 2, f"{sheet.name}: {sheet.nrows} rows")
        for row, (want, have) in enumerate(zip(expected, got)):
            check(want == have, f"{sheet.name} row {row + 1}: {have!r}, not {want!r}")
        check_look(book, sheet, sheet.name == CATEGORIES[0][1])
    return book


def expected_output(tables, total, separator, workbook):
    lines = [f"{c[1]}\t {money(tables[c[1]][1], separator)}" for c in CATEGORIES if c[1] in tables]
    lines.append(f"Celková cena projektu\t {money(total, separator)}")
    lines.append(f"Uloženo\t{workbook}")
    return "".join(line + "\n" for line in lines)


# ---------------------------------------------------------------- cases


def export_and_check(program, documents, material_list, separator=",", locale="cs_CZ.UTF-8"):
    workbook = material_list.with_name(material_list.name[:-4] + ".xls")
    if workbook.exists():
        workbook.unlink()
    status, out, err = run(program, documents, ["--export", str(material_list)], locale)
    check(status == 0, f"{material_list.name}: exit {status}, stderr {err!r}")
    tables, total = expected_tables(material_list)
    check(out == expected_output(tables, total, separator, workbook),
          f"{material_list.name}: output {out!r}")
    check(err == "", f"{material_list.name}: stderr {err!r}")
    if check(workbook.exists(), f"{workbook} missing"):
        check_workbook(workbook, tables, total, separator)
    return workbook


def case_worked_example(program, documents):
    lists = documents / "Verdigo 2016" / "Material Lists"
    workbook = export_and_check(program, documents, lists / "Zahrada u domu.txt")
    # The figures of the worked example, independently of the derivation.
    book = xlrd.open_workbook(str(workbook))
    check(book.sheet_names() == ["Kalkulace rostlin", "Kalkulace zahradních objektů",
                                 "Kalkulace symbolů projektu"], "worked example: sheets")
    plants = book.sheet_by_index(0)
    check(plants.row_values(2) == ["1", "Acer campestre - javor babyka", "3", "1250,00", "3750,00"],
          f"worked example: plant row {plants.row_values(2)}")
    check(plants.row_values(4)[4] == " 13 730,00", "worked example: project total")


def case_larger_sample(program, documents):
    lists = documents / "Verdigo 2016" / "Material Lists"
    workbook = export_and_check(program, documents, lists / "Rodinný dům Říčany.txt")
    check(len(xlrd.open_workbook(str(workbook)).sheet_names()) == 8, "larger sample: 8 sheets")


def case_decimal_point_locale(program, documents):
    lists = documents / "Verdigo 2016" / "Material Lists"
    export_and_check(program, documents, lists / "Zahrada u domu.txt", separator=".", locale="C")


def case_names_blanks_literals_and_short_sheets(program, documents, work):
    material_list = work / "vlastní" / "Můj projekt  s mezerami.txt"
    write_material_list(material_list, [
        "Můj projekt",
        "Rostliny projektu zahrady",
        "Pol. 0001 'Kanzan' - sakura;\t1\t890,00 Kč\t890,00 Kč",
        "Pol. 0002 =1+1;\t2\t10,00 Kč\t20,00 Kč",
        "Stavba",
        "Bazén",
        "=SUM(A1:A3)\t'3\t1\u00a0000,00 Kč\t3\u00a0000,00 Kč",
        "Konec",
    ])
    export_and_check(program, documents, material_list)
    book = xlrd.open_workbook(str(material_list.with_suffix(".xls")))
    building = book.sheet_by_name("Kalkulace stavebních objektů")
    check(building.nrows == 4, f"header-only category: {building.nrows} rows")
    check(book.sheet_by_index(0).cell_value(2, 1) == "'Kanzan' - sakura", "apostrophe kept")
    check(book.sheet_by_index(0).cell_value(3, 1) == "=1+1", "formula-like text kept")


def case_no_category(program, documents, work):
    material_list = work / "prázdný" / "Bez kategorií.txt"
    write_material_list(material_list, ["Projekt", "Nic k ocenění\t1\t1,00 Kč\t1,00 Kč", "Konec"])
    workbook = material_list.with_suffix(".xls")
    status, out, err = run(program, documents, ["--export", str(material_list)])
    check(status == 1, f"no category: exit {status} {err!r}")
    check(out == "", f"no category: {out!r}")
    check(err == f'Soubor "{material_list}" neobsahuje nadpis žádné kategorie (například '
                 '"Rostliny projektu zahrady"); není to seznam kalkulace, nebo je v kódování, '
                 'které program nezná.\n', f"no category: {err!r}")
    check(not workbook.exists(), "no category: a workbook was written")


def case_second_export_replaces(program, documents):
    lists = documents / "Verdigo 2016" / "Material Lists"
    material_list = lists / "Zahrada u domu.txt"
    workbook = lists / "Zahrada u domu.xls"
    run(program, documents, ["--export", str(material_list)])
    first = workbook.read_bytes()
    status, _, err = run(program, documents, ["--export", str(material_list), "--nazvy", "prvni"])
    check(status == 0, f"second export: exit {status} {err!r}")
    book = xlrd.open_workbook(str(workbook))
    check(book.sheet_by_index(0).cell_value(2, 1) == "Acer campestre",
          "second export: the file still holds the first export")
    check(workbook.read_bytes() != first, "second export: unchanged file")
    leftovers = sorted(p.name for p in lists.iterdir() if p.suffix not in (".txt", ".xls"))
    check(leftovers == [], f"second export: files left behind {leftovers}")
    status, _, _ = run(program, documents, ["--export", str(material_list), "--nazvy", "druhy"])
    book = xlrd.open_workbook(str(workbook))
    check(book.sheet_by_index(0).cell_value(2, 1) == "javor babyka", "mode druhy")


def case_failures(program, documents, work):
    folder = work / "chyby"
    long_name = "x" * 32768
    cases = [
        ("missing", None,
         f'Soubor "{folder / "missing.txt"}" nelze přečíst: soubor nebo jeho složka neexistuje.'),
        ("bad number", ["P", "Stavba", "Zeď\t1\t1,00 Kč\tabc Kč", "Konec"],
         f'Soubor "{folder / "bad number.txt"}", řádek 3: cena celkem "abc Kč" není platná '
         'částka.'),
        ("long text", ["P", "Stavba", f"{long_name}\t1\t1,00 Kč\t1,00 Kč", "Konec"],
         "Text na listu \"Kalkulace stavebních objektů\", řádek 3, je delší než 32 767 znaků; "
         "do souboru XLS jej nelze uložit."),
    ]
    for name, lines, message in cases:
        material_list = folder / f"{name}.txt"
        if lines is not None:
            write_material_list(material_list, lines)
        folder.mkdir(parents=True, exist_ok=True)
        status, out, err = run(program, documents, ["--export", str(material_list)])
        check(status == 1, f"{name}: exit {status}")
        check(out == "", f"{name}: output {out!r}")
        check(err.strip() != "", f"{name}: no message")
        if message is not None:
            check(err.strip().splitlines()[-1] == message, f"{name}: message {err!r}")
        check(not material_list.with_suffix(".xls").exists(), f"{name}: a workbook was written")
    check(sorted(p.suffix for p in folder.iterdir()) == [".txt", ".txt"],
          f"failures: files {sorted(p.name for p in folder.iterdir())}")


def case_help(program, documents):
    status, out, _ = run(program, documents, ["--help"])
    check(status == 0 and "--export" in out and "--nazvy" in out, f"help: {status} {out!r}")


def main():
    program, samples, work = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    chosen = sys.argv[4:]
    shutil.rmtree(work, ignore_errors=True)
    documents = work / "Documents"
    shutil.copytree(samples, documents)
    for path in documents.rglob("*.xls"):
        path.unlink()
    cases = {
        "worked_example": lambda: case_worked_example(program, documents),
        "larger_sample": lambda: case_larger_sample(program, documents),
        "decimal_point": lambda: case_decimal_point_locale(program, documents),
        "literals": lambda: case_names_blanks_literals_and_short_sheets(program, documents, work),
        "no_category": lambda: case_no_category(program, documents, work),
        "replaces": lambda: case_second_export_replaces(program, documents),
        "failures": lambda: case_failures(program, documents, work),
        "help": lambda: case_help(program, documents),
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
