#!/usr/bin/python3
"""Exports material lists with --cisla and reads the workbooks back with
independent readers. The expected figures are derived here from the material
list itself, in exact decimals.

    check_amounts_as_numbers.py xlrd PROGRAM SAMPLES_DOCUMENTS WORK_DIR
        xlrd: cell types and values, number format texts, the unchanged look,
        and the same output as without the option
    check_amounts_as_numbers.py libreoffice PROGRAM SAMPLES_DOCUMENTS WORK_DIR
    check_amounts_as_numbers.py gnumeric PROGRAM SAMPLES_DOCUMENTS WORK_DIR
        the spreadsheet program recomputes every SUM: its values (CSV) are the
        tool's subtotals, also from a copy whose stored SUM results were
        spoilt (so the values seen are computed, not the stored ones)

Exit 77 when the spreadsheet program is not installed.
"""

import csv
import re
import shutil
import struct
import subprocess
import sys
from decimal import Decimal
from pathlib import Path

import olefile
import xlrd

sys.path.insert(0, str(Path(__file__).parent))
import check_exported_workbooks as layout  # noqa: E402

CROWNS = '#,##0.00 "Kč"'
QUANTITY = re.compile(r"^ *[+-]?\d+(,\d+)? *$")
MONEY = re.compile(r"^ *[+-]?\d+(,\d{1,2})? *$")
FORMULA = 0x0006

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def material_lists(samples):
    lists = samples / "Verdigo 2016" / "Material Lists"
    golden = Path(__file__).parent.parent / "golden"
    return [lists / "Zahrada u domu.txt", lists / "Rodinný dům Říčany.txt",
            golden / "Dva tisíce položek.txt"]


def export(program, documents, material_list, numbers=True):
    workbook = material_list.with_suffix(".xls")
    args = ["--export", str(material_list)] + (["--cisla"] if numbers else [])
    status, out, err = layout.run(program, documents, args)
    check(status == 0 and err == "", f"{material_list.name}: exit {status} {err!r}")
    return workbook, out


def prepare(work, samples):
    shutil.rmtree(work, ignore_errors=True)
    documents = work / "Documents"
    shutil.copytree(samples, documents)
    lists = documents / "Verdigo 2016" / "Material Lists"
    golden = material_lists(samples)[2]
    shutil.copy(golden, lists / golden.name)
    return documents, [lists / p.name for p in material_lists(samples)]


# ---------------------------------------------------------------- xlrd


def expect_cell(book, sheet, row, column, text_or_value, number_format=None):
    cell = sheet.cell(row, column)
    where = f"{sheet.name} {xlrd.cellname(row, column)}"
    if isinstance(text_or_value, str):
        check(cell.ctype == xlrd.XL_CELL_TEXT and cell.value == text_or_value,
              f"{where}: {cell!r}, not the text {text_or_value!r}")
        return
    check(cell.ctype == xlrd.XL_CELL_NUMBER and cell.value == text_or_value,
          f"{where}: {cell!r}, not the number {text_or_value!r}")
    if number_format is not None:
        xf = book.xf_list[sheet.cell_xf_index(row, column)]
        found = book.format_map[xf.format_key].format_str
        check(found == number_format, f"{where}: format {found!r}, not {number_format!r}")


def quantity(text):
    return float(text.replace(",", ".")) if QUANTITY.match(text) else text


def crowns(text):
    """A price or total of the table: hundredths / 100, or the text."""
    if not MONEY.match(text):
        return text
    return int(Decimal(text.replace(",", ".")) * 100) / 100


def check_sheet(book, sheet, rows, subtotal, total):
    items = rows[1:-1]
    last = len(rows) + 1  # the project total row, 0-based
    for index, (number, name, count, price, line_total) in enumerate(items):
        row = index + 2
        expect_cell(book, sheet, row, 0, number)
        expect_cell(book, sheet, row, 1, name)
        expect_cell(book, sheet, row, 2, quantity(count), "General")
        expect_cell(book, sheet, row, 3, crowns(price), CROWNS)
        expect_cell(book, sheet, row, 4, crowns(line_total), CROWNS)
    expect_cell(book, sheet, last - 1, 1, rows[-1][1])
    expect_cell(book, sheet, last - 1, 4, subtotal / 100, CROWNS)
    expect_cell(book, sheet, last, 1, "Celková cena projektu")
    expect_cell(book, sheet, last, 2, " ")
    expect_cell(book, sheet, last, 4, total / 100, CROWNS)


def case_xlrd(program, samples, work):
    documents, lists = prepare(work, samples)
    for material_list in lists:
        workbook, out = export(program, documents, material_list)
        tables, total = layout.expected_tables(material_list)
        check(out == layout.expected_output(tables, total, ",", workbook),
              f"{material_list.name}: output {out!r}")
        book = xlrd.open_workbook(str(workbook), formatting_info=True)
        check(book.sheet_names() == [c[1] for c in layout.CATEGORIES if c[1] in tables],
              f"{material_list.name}: sheets {book.sheet_names()}")
        for sheet in book.sheets():
            rows, subtotal = tables[sheet.name]
            check(sheet.nrows == len(rows) + 2, f"{sheet.name}: {sheet.nrows} rows")
            check_sheet(book, sheet, rows, subtotal, total)
            layout.check_look(book, sheet, sheet.name == layout.CATEGORIES[0][1])
        formulas = sum(1 for record in records(stream_of(workbook)) if record[0] == FORMULA)
        check(formulas == len(tables), f"{material_list.name}: {formulas} formulas")
    # Without the option the workbook is the text layout of old.
    workbook, _ = export(program, documents, lists[0], numbers=False)
    book = xlrd.open_workbook(str(workbook))
    check(book.sheet_by_index(0).row_values(2)[2:] == ["3", "1250,00", "3750,00"],
          "without --cisla: the texts")


# ---------------------------------------------------------------- spreadsheet programs


def stream_of(workbook):
    with olefile.OleFileIO(str(workbook)) as ole:
        return ole.openstream("Workbook").read()


def records(stream):
    at = 0
    while at + 4 <= len(stream):
        kind, length = struct.unpack_from("<HH", stream, at)
        if kind == 0 and length == 0:
            break  # the padding
        yield kind, at + 4, length
        at += 4 + length


def spoil_formula_results(workbook, copy):
    """A copy whose stored SUM results are -1: what a program shows from it
    was computed by the program."""
    shutil.copy(workbook, copy)
    stream = bytearray(stream_of(copy))
    for kind, data, _ in records(bytes(stream)):
        if kind == FORMULA:
            stream[data + 6:data + 14] = struct.pack("<d", -1.0)
    with olefile.OleFileIO(str(copy), write_mode=True) as ole:
        ole.write_stream("Workbook", bytes(stream))


def subtotals_from_output(out):
    """Worksheet -> the subtotal the tool printed, in hundredths."""
    shown = {}
    for line in out.splitlines():
        name, _, figure = line.partition("\t")
        if name.startswith("Kalkulace "):
            shown[name] = int(figure.replace(" ", "").replace(",", ""))
    return shown


def check_csv(files, prefix, shown, total, program):
    names = {f.stem[len(prefix) + 1:]: f for f in files if f.stem.startswith(prefix + "-")}
    check(sorted(names) == sorted(shown), f"{program} {prefix}: sheets {sorted(names)}")
    for name, file in names.items():
        with open(file, encoding="utf-8", newline="") as handle:
            rows = list(csv.reader(handle))
        where = f"{program} {prefix} / {name}"
        subtotal, project = rows[-2][4], rows[-1][4]
        check(Decimal(subtotal.replace(",", ".")) * 100 == shown.get(name),
              f"{where}: SUM gives {subtotal}, the tool {shown.get(name)}")
        check(Decimal(project.replace(",", ".")) * 100 == total, f"{where}: total {project}")


def case_program(program, samples, work, which):
    tool = shutil.which("soffice") if which == "libreoffice" else shutil.which("ssconvert")
    if tool is None:
        print(f"{which} is not installed")
        return 77
    documents, lists = prepare(work, samples)
    out_dir = work / "csv"
    out_dir.mkdir()
    expected = {}
    inputs = []
    for material_list in lists[:2]:
        workbook, out = export(program, documents, material_list)
        _, total = layout.expected_tables(material_list)
        spoilt = work / (workbook.stem + " spoilt.xls")
        spoil_formula_results(workbook, spoilt)
        for path in (workbook, spoilt):
            expected[path.stem] = (subtotals_from_output(out), total)
            inputs.append(path)
    if which == "libreoffice":
        # UTF-8, comma-separated, every text quoted, every sheet into its own file.
        options = "44,34,76,1,,0,true,true,false,false,false,-1"
        subprocess.run([tool, f"-env:UserInstallation=file://{work / 'profile'}", "--headless",
                        "--convert-to", f"csv:Text - txt - csv (StarCalc):{options}",
                        "--outdir", str(out_dir)] + [str(p) for p in inputs],
                       check=True, capture_output=True, timeout=300)
    else:
        for path in inputs:
            subprocess.run([tool, "--recalc", "-S", str(path),
                            str(out_dir / f"{path.stem}-%s.csv")],
                           check=True, capture_output=True, timeout=300)
    files = sorted(out_dir.glob("*.csv"))
    for prefix, (shown, total) in expected.items():
        check_csv(files, prefix, shown, total, which)
    return None


def main():
    which, program, samples, work = sys.argv[1], sys.argv[2], Path(sys.argv[3]), Path(sys.argv[4])
    if which == "xlrd":
        case_xlrd(program, samples, work)
    else:
        skipped = case_program(program, samples, work, which)
        if skipped is not None:
            return skipped
    for failure in failures[:50]:
        print("FAIL:", failure)
    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
