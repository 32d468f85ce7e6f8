"""Checks a compound file with olefile, an independent reader.

Usage: olefile_check.py FILE REFERENCE

The file must open without a defect of DEFECT_INCORRECT or worse, hold
exactly one stream, "Workbook", in its root storage, and that stream's bytes
must equal REFERENCE. Exit status 0 when all holds, 1 otherwise.
"""

import sys

import olefile


def check(path, reference_path):
    with open(reference_path, "rb") as reference_file:
        reference = reference_file.read()
    ole = olefile.OleFileIO(path, raise_defects=olefile.DEFECT_INCORRECT)
    try:
        entries = ole.listdir(streams=True, storages=True)
        if entries != [["Workbook"]]:
            return "root storage holds %r, not exactly the stream Workbook" % (entries,)
        if ole.get_type("Workbook") != olefile.STGTY_STREAM:
            return "Workbook is not a stream"
        if ole.root.clsid not in ("", "00000000-0000-0000-0000-000000000000"):
            return "root storage has class id %s" % ole.root.clsid
        if ole.get_size("Workbook") != len(reference):
            return "Workbook size %d, reference %d" % (ole.get_size("Workbook"), len(reference))
        data = ole.openstream("Workbook").read()
    finally:
        ole.close()
    if data != reference:
        first = next(i for i in range(min(len(data), len(reference))) if data[i] != reference[i])
        return "Workbook differs from the reference at byte %d" % first
    return None


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        problem = check(argv[1], argv[2])
    except Exception as error:  # olefile raises its own and OSError types
        problem = "olefile rejected the file: %s: %s" % (type(error).__name__, error)
    if problem:
        print("%s: %s" % (argv[1], problem), file=sys.stderr)
        return 1
    print("%s: olefile reads one stream Workbook, %d bytes as expected" % (argv[1], len(open(argv[2], "rb").read())))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
