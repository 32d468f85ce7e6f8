#!/usr/bin/python3
"""Reads the sample workbooks with xlrd (formatting records included) and
compares them with the JSON file the sample writer left next to each: sheet
names, texts, numbers, merged areas, column widths, and per cell the font
size, weight and colour, the fill, the horizontal alignment and the borders.

usage: xlrd_check.py <folder>      (run with Debian's /usr/bin/python3)
"""
import glob
import json
import os
import sys

import xlrd

THIN = 1
AUTOMATIC = 64


def check_sheet(book, sheet, expected, problems):
    where = "%s!" % expected["name"]
    texts = {(r, c): t for r, c, t in expected["texts"]}
    numbers = {(r, c): v for r, c, v in expected["numbers"]}
    for (r, c), text in texts.items():
        if r >= sheet.nrows or c >= sheet.row_len(r):
            problems.append("%sR%dC%d missing" % (where, r, c))
            continue
        cell = sheet.cell(r, c)
        if cell.ctype != xlrd.XL_CELL_TEXT or cell.value != text:
            problems.append("%sR%dC%d: %r, expected %r" % (where, r, c, cell.value[:40]
                                                           if isinstance(cell.value, str)
                                                           else cell.value, text[:40]))
    for (r, c), value in numbers.items():
        cell = sheet.cell(r, c)
        if cell.ctype != xlrd.XL_CELL_NUMBER or cell.value != value:
            problems.append("%sR%dC%d: %r, expected number %r" % (where, r, c, cell.value, value))
    for r in range(sheet.nrows):
        for c in range(sheet.row_len(r)):
            cell = sheet.cell(r, c)
            if cell.ctype == xlrd.XL_CELL_TEXT and (r, c) not in texts:
                problems.append("%sR%dC%d: unexpected text %r" % (where, r, c, cell.value[:40]))
            if cell.ctype == xlrd.XL_CELL_NUMBER and (r, c) not in numbers:
                problems.append("%sR%dC%d: unexpected number %r" % (where, r, c, cell.value))

    merges = sorted(tuple(m) for m in expected["merges"])
    if sorted(sheet.merged_cells) != merges:
        problems.append("%s merged %r, expected %r" % (where, sorted(sheet.merged_cells), merges))

    for column, width in expected["widths"].items():
        info = sheet.colinfo_map.get(int(column))
        if info is None or info.width != width:
            problems.append("%s column %s width %r, expected %r"
                            % (where, column, info and info.width, width))

    for r, c, look in expected["formats"]:
        xf = book.xf_list[sheet.cell_xf_index(r, c)]
        font = book.font_list[xf.font_index]
        got = {
            "height": font.height,
            "bold": font.weight == 700,
            "font_colour": font.colour_index,
            "fill": xf.background.pattern_colour_index if xf.background.fill_pattern == 1
            else None,
            "horizontal": xf.alignment.hor_align,
            "edges": [xf.border.left_line_style == THIN, xf.border.right_line_style == THIN,
                      xf.border.top_line_style == THIN, xf.border.bottom_line_style == THIN],
        }
        want = dict(look)
        want["edges"] = [bool(e) for e in look["edges"]]
        if xf.background.fill_pattern not in (0, 1):
            problems.append("%sR%dC%d fill pattern %d" % (where, r, c, xf.background.fill_pattern))
        if got != want:
            problems.append("%sR%dC%d look %r, expected %r" % (where, r, c, got, want))
        colours = [(xf.border.left_line_style, xf.border.left_colour_index),
                   (xf.border.right_line_style, xf.border.right_colour_index),
                   (xf.border.top_line_style, xf.border.top_colour_index),
                   (xf.border.bottom_line_style, xf.border.bottom_colour_index)]
        for style, colour in colours:
            if style == THIN and colour != AUTOMATIC:
                problems.append("%sR%dC%d border colour %d" % (where, r, c, colour))


def check(path_xls, path_json):
    problems = []
    with open(path_json, encoding="ascii") as f:
        expected = json.load(f)
    book = xlrd.open_workbook(path_xls, formatting_info=True, on_demand=False)
    names = [s["name"] for s in expected["sheets"]]
    if book.sheet_names() != names:
        problems.append("sheet names %r, expected %r" % (book.sheet_names(), names))
        return problems
    for index, sheet_expected in enumerate(expected["sheets"]):
        check_sheet(book, book.sheet_by_index(index), sheet_expected, problems)
    return problems


def main():
    folder = sys.argv[1]
    samples = sorted(glob.glob(os.path.join(folder, "*.json")))
    if not samples:
        print("no samples in", folder)
        return 1
    failed = False
    for path_json in samples:
        path_xls = path_json[:-len(".json")] + ".xls"
        try:
            problems = check(path_xls, path_json)
        except Exception as error:  # a file xlrd rejects is a failure
            problems = ["xlrd rejected the file: %s" % (repr(error)[:300],)]
        name = os.path.basename(path_xls)
        if problems:
            failed = True
            print("%s: %d problems" % (name, len(problems)))
            for problem in problems[:20]:
                print("  " + problem)
        else:
            print("%s: ok" % name)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
