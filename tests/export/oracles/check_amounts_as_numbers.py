#!/usr/bin/python3
"""--cisla read back by independent readers; expected figures are derived from
the material lists themselves, in exact decimals.

    check_amounts_as_numbers.py READER PROGRAM SAMPLES_DOCUMENTS WORK_DIR
xlrd: types, values and number formats of every cell, the look unchanged.
libreoffice, gnumeric: every SUM recomputed (CSV), to the hundredth, equals the
tool's subtotal, also from a copy whose stored results were spoilt (so it was
recomputed). Exit 77: not installed.
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
from check_exported_workbooks import check, failures  # noqa: E402

CROWNS = '#,##0.00 "Kč"'
FIGURE = r"^ *[+-]?\d+(,\d{%s})? *$"


def prepare(samples, work):
    shutil.rmtree(work, ignore_errors=True)
    shutil.copytree(samples, work / "Documents")
    lists = work / "Documents" / "Verdigo 2016" / "Material Lists"
    shutil.copy(Path(__file__).parent.parent / "golden" / "Dva tisíce položek.txt", lists)
    # Figures that are none, and cents whose doubles do not add up exactly.
    layout.write_material_list(lists / "Haléře.txt", [
        "Haléře", "Ostatní objekty zahrady",
        "Štěrk\t3\t0,03 Kč\t0,10 Kč", "Písek\t12,5\t0,016 Kč\t0,20 Kč",
        "Kůra\tasi 2\tzdarma\t1\u00a0234\u00a0567,89 Kč", "Bazén", "Konec"])
    return work / "Documents", sorted(lists.glob("*.txt"))


def export(program, documents, material_list):
    status, out, err = layout.run(program, documents, ["--export", str(material_list), "--cisla"])
    check(status == 0 and err == "", f"{material_list.name}: exit {status} {err!r}")
    return material_list.with_suffix(".xls"), out


def expected_cell(text, decimals):
    """The number a table text becomes, or the text itself."""
    if not re.match(FIGURE % decimals, text):
        return text
    return float(text.replace(",", ".")) if decimals == "1," else \
        int(Decimal(text.replace(",", ".")) * 100) / 100


def expect(book, sheet, row, column, want, number_format="General"):
    cell, where = sheet.cell(row, column), f"{sheet.name} {xlrd.cellname(row, column)}"
    if isinstance(want, str):
        check(cell.ctype == xlrd.XL_CELL_TEXT and cell.value == want, f"{where}: {cell!r}")
        return
    found = book.format_map[book.xf_list[sheet.cell_xf_index(row, column)].format_key].format_str
    check(cell.ctype == xlrd.XL_CELL_NUMBER and cell.value == want and found == number_format,
          f"{where}: {cell!r} [{found}], not {want!r} [{number_format}]")


def case_xlrd(program, documents, lists):
    for material_list in lists:
        workbook, out = export(program, documents, material_list)
        tables, total = layout.expected_tables(material_list)
        check(out == layout.expected_output(tables, total, ",", workbook), f"output {out!r}")
        book = xlrd.open_workbook(str(workbook), formatting_info=True)
        for sheet in book.sheets():
            rows, subtotal = tables[sheet.name]
            for row, (number, name, count, price, line_total) in enumerate(rows[1:-1], 2):
                expect(book, sheet, row, 0, number)
                expect(book, sheet, row, 2, expected_cell(count, "1,"))
                expect(book, sheet, row, 3, expected_cell(price, "1,2"), CROWNS)
                expect(book, sheet, row, 4, expected_cell(line_total, "1,2"), CROWNS)
            expect(book, sheet, len(rows), 4, subtotal / 100, CROWNS)  # the SUM's result
            expect(book, sheet, len(rows) + 1, 4, total / 100, CROWNS)
            layout.check_look(book, sheet, sheet.name == layout.CATEGORIES[0][1])


def spoilt_copy(workbook, copy):
    """A copy whose FORMULA records hold -1 as their result."""
    shutil.copy(workbook, copy)
    with olefile.OleFileIO(str(copy), write_mode=True) as ole:
        stream = bytearray(ole.openstream("Workbook").read())
        at = 0
        while at + 4 <= len(stream) and stream[at:at + 4] != b"\0\0\0\0":
            kind, length = struct.unpack_from("<HH", stream, at)
            if kind == 0x0006:
                stream[at + 10:at + 18] = struct.pack("<d", -1.0)
            at += 4 + length
        ole.write_stream("Workbook", bytes(stream))


def case_recomputed(program, documents, lists, work, reader):
    tool = shutil.which("soffice" if reader == "libreoffice" else "ssconvert")
    if tool is None:
        print(f"{reader} is not installed")
        return 77
    inputs, subtotals, out_dir = [], {}, work / "csv"
    for material_list in lists:
        workbook, out = export(program, documents, material_list)
        spoilt = work / f"{workbook.stem} spoilt.xls"
        spoilt_copy(workbook, spoilt)
        for line in out.splitlines()[:-2]:
            sheet, _, figure = line.partition("\t")
            for stem in (workbook.stem, spoilt.stem):
                subtotals[f"{stem}-{sheet}"] = int(re.sub("[ ,]", "", figure))
        inputs += [str(workbook), str(spoilt)]
    if reader == "libreoffice":
        options = "44,34,76,1,,0,true,true,false,false,false,-1"  # UTF-8, a file per sheet
        subprocess.run([tool, f"-env:UserInstallation=file://{work / 'profile'}", "--headless",
                        "--convert-to", f"csv:Text - txt - csv (StarCalc):{options}",
                        "--outdir", str(out_dir)] + inputs, check=True, capture_output=True,
                       timeout=300)
    else:
        out_dir.mkdir()
        for path in inputs:
            subprocess.run([tool, "--recalc", "-S", path, str(out_dir / f"{Path(path).stem}-%s.csv")],
                           check=True, capture_output=True, timeout=300)
    for name, subtotal in subtotals.items():
        with open(out_dir / f"{name}.csv", encoding="utf-8", newline="") as handle:
            figure = list(csv.reader(handle))[-2][4]
        # A recomputed sum of cents may miss the exact figure in its last binary
        # digit (0,10 + 0,20 + 1 234 567,89 gives 1234568.1899999999 in
        # Gnumeric); shown with two decimals it is the tool's figure.
        cents = Decimal(figure.replace(",", ".")).quantize(Decimal("0.01")) * 100
        check(cents == subtotal, f"{name}: SUM gives {figure}")
    return None


def main():
    reader, program, samples, work = sys.argv[1], sys.argv[2], Path(sys.argv[3]), Path(sys.argv[4])
    documents, lists = prepare(samples, work)
    if reader == "xlrd":
        case_xlrd(program, documents, lists)
    elif case_recomputed(program, documents, lists, work, reader) == 77:
        return 77
    for failure in failures[:50]:
        print("FAIL:", failure)
    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
