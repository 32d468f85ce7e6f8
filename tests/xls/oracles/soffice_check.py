#!/usr/bin/python3
"""Converts the sample workbooks to CSV with LibreOffice (headless, with a
private profile) and compares every sheet's texts and numbers with the JSON
file the sample writer left next to each workbook.

usage: soffice_check.py <sample folder> <work folder>
Exit code 77 (skipped) when LibreOffice is not installed.
"""
import csv
import glob
import json
import os
import shutil
import subprocess
import sys

# Separator ",", quote '"', UTF-8, from line 1, ..., the last token -1: one
# file per sheet, named <file>-<sheet>.csv.
CSV_FILTER = "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1"


def soffice():
    for name in ("soffice", "libreoffice"):
        path = shutil.which(name)
        if path:
            return path
    return None


def convert(program, path_xls, out_dir, profile):
    command = [program, "-env:UserInstallation=file://" + profile, "--headless", "--norestore",
               "--convert-to", CSV_FILTER, "--outdir", out_dir, path_xls]
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            timeout=540, check=False)
    return result.returncode, result.stdout.decode("utf-8", "replace")


def read_csv(path):
    with open(path, encoding="utf-8", newline="") as f:
        return list(csv.reader(f))


def compare_sheet(name, rows, expected, problems):
    texts = {(r, c): t for r, c, t in expected["texts"]}
    numbers = {(r, c): v for r, c, v in expected["numbers"]}
    for r, row in enumerate(rows):
        for c, value in enumerate(row):
            if (r, c) in texts:
                if value != texts[(r, c)]:
                    problems.append("%s!R%dC%d: %r, expected %r"
                                    % (name, r, c, value[:40], texts[(r, c)][:40]))
            elif (r, c) in numbers:
                want = numbers[(r, c)]
                try:
                    got = float(value)
                except ValueError:
                    got = None
                if got is None or abs(got - want) > 1e-9 * max(1.0, abs(want)):
                    problems.append("%s!R%dC%d: %r, expected %r" % (name, r, c, value, want))
            elif value != "":
                problems.append("%s!R%dC%d: unexpected %r" % (name, r, c, value[:40]))
    for (r, c), text in texts.items():
        if r >= len(rows) or c >= len(rows[r]):
            problems.append("%s!R%dC%d missing, expected %r" % (name, r, c, text[:40]))


def check(program, path_xls, path_json, work):
    with open(path_json, encoding="ascii") as f:
        expected = json.load(f)
    base = os.path.splitext(os.path.basename(path_xls))[0]
    out_dir = os.path.join(work, base)
    shutil.rmtree(out_dir, ignore_errors=True)
    os.makedirs(out_dir)
    code, output = convert(program, path_xls, out_dir, os.path.join(work, "profile"))
    produced = glob.glob(os.path.join(out_dir, "*.csv"))
    if code != 0 or not produced:
        return ["conversion failed (%d): %s" % (code, output.strip())]
    problems = []
    sheets = expected["sheets"]
    if len(sheets) == 1 and len(produced) == 1:
        by_name = {sheets[0]["name"]: produced[0]}
    else:
        by_name = {}
        for path in produced:
            stem = os.path.splitext(os.path.basename(path))[0]
            by_name[stem[len(base) + 1:]] = path
    names = [s["name"] for s in sheets]
    if sorted(by_name) != sorted(names):
        return ["sheets %r, expected %r" % (sorted(by_name), sorted(names))]
    for sheet in sheets:
        compare_sheet(sheet["name"], read_csv(by_name[sheet["name"]]), sheet, problems)
    return problems


def main():
    folder, work = sys.argv[1], sys.argv[2]
    program = soffice()
    if program is None:
        print("LibreOffice (soffice) is not installed: conversion check skipped")
        return 77
    os.makedirs(work, exist_ok=True)
    samples = sorted(glob.glob(os.path.join(folder, "*.json")))
    if not samples:
        print("no samples in", folder)
        return 1
    failed = False
    for path_json in samples:
        path_xls = path_json[:-len(".json")] + ".xls"
        problems = check(program, os.path.abspath(path_xls), path_json, os.path.abspath(work))
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
