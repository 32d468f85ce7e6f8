#!/usr/bin/python3
"""Exports the worked example with the command-line program and has LibreOffice
(headless, private profile) convert every worksheet to CSV: the three
worksheets must be there with their texts (xlrd checks their order).

    check_libreoffice_export.py PROGRAM SAMPLES_DOCUMENTS WORK_DIR
Exit 77 when LibreOffice is not installed.
"""

import csv
import os
import shutil
import subprocess
import sys
from pathlib import Path

EXPECTED = {
    "Kalkulace rostlin": [
        ["Kalkulace projektu zahrady - rostliny", "", "", "", ""],
        ["por.", "     Jméno rostliny", "kusů", "kus. cena", "cena celkem"],
        ["1", "Acer campestre - javor babyka", "3", "1250,00", "3750,00"],
        ["", "Celková cena rostlin", "", "", " 3 750,00"],
        [" ", "Celková cena projektu", " ", " ", " 13 730,00"],
    ],
    "Kalkulace zahradních objektů": [
        ["Kalkulace projektu zahrady - zahradní objekty", "", "", "", ""],
        ["por.", "     Objekt zahrady", "kusů/plocha", "kus. cena", "cena celkem"],
        ["1", "Lavička (dřevo/kov)", "2", "4500,00", "9000,00"],
        ["", "Celková cena objektů zahrady", "", "", " 9 000,00"],
        [" ", "Celková cena projektu", " ", " ", " 13 730,00"],
    ],
    "Kalkulace symbolů projektu": [
        ["Kalkulace projektu zahrady - symboly", "", "", "", ""],
        ["por.", "     Symbol", "kusů/plocha", "kus. cena", "cena celkem"],
        ["1", "Lampa", "1", "980,00", "980,00"],
        ["", "Celková cena symbolů", "", "", " 0 980,00"],
        [" ", "Celková cena projektu", " ", " ", " 13 730,00"],
    ],
}


def main():
    program, samples, work = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    office = shutil.which("soffice") or shutil.which("libreoffice")
    if office is None:
        print("LibreOffice is not installed")
        return 77
    shutil.rmtree(work, ignore_errors=True)
    documents = work / "Documents"
    shutil.copytree(samples, documents)
    material_list = documents / "Verdigo 2016" / "Material Lists" / "Zahrada u domu.txt"
    env = dict(os.environ, LC_ALL="cs_CZ.UTF-8")
    subprocess.run([program, "--documents", str(documents), "--export", str(material_list)],
                   check=True, env=env, capture_output=True, timeout=120)
    workbook = material_list.with_suffix(".xls")
    out = work / "csv"
    # UTF-8, comma-separated, every text quoted, every sheet into its own file.
    filter_options = "44,34,76,1,,0,true,true,false,false,false,-1"
    subprocess.run([office, f"-env:UserInstallation=file://{work / 'profile'}", "--headless",
                    "--convert-to", f"csv:Text - txt - csv (StarCalc):{filter_options}",
                    "--outdir", str(out), str(workbook)],
                   check=True, capture_output=True, timeout=300)
    failures = []
    files = sorted(out.glob("*.csv"))
    names = [f.stem[len(workbook.stem) + 1:] for f in files]
    if sorted(names) != sorted(EXPECTED):
        failures.append(f"sheets {names}")
    for file, name in zip(files, names):
        with open(file, encoding="utf-8", newline="") as handle:
            rows = [row + [""] * (5 - len(row)) for row in csv.reader(handle)]
        if name in EXPECTED and rows != EXPECTED[name]:
            failures.append(f"{name}: {rows}")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
