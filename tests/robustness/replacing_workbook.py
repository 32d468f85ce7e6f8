#!/usr/bin/python3
"""Replacing a workbook from outside: the command-line export run as a real
process on real files, with a workbook already in place. Each case checks
that nothing was lost: after any failure the old workbook is byte for byte
as it was, and no temporary file is left in the folder.

    replacing_workbook.py PROGRAM WORK_DIR [CASE...]

Cases: interrupts (SIGINT, SIGTERM, SIGHUP sent during the save of a
65 530-item list), size_limit (a file-size limit standing in for a full
disk), link (a symbolic link at the workbook's name), mode (a 0600
workbook, and its owner), squatted (every temporary name of earlier
versions made beforehand).
"""

import os
import resource
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def write_material_list(path, items):
    lines = ["Projekt", "Rostliny projektu zahrady"]
    lines += [f"Pol {n:05d} Acer campestre - javor babyka;\t1\t{n % 900 + 1},00 Kč\t"
              f"{n % 900 + 1},00 Kč" for n in range(1, items + 1)]
    lines.append("Konec")
    path.write_bytes(b"\xff\xfe" + "".join(l + "\r\n" for l in lines).encode("utf-16-le"))


class Folder:
    """A folder holding one material list and the workbook exported from it."""

    def __init__(self, program, work, name, items=50):
        self.program = program
        self.documents = work / "Documents"
        for host in ("Material Lists", "Price Lists"):
            (self.documents / "Verdigo 2016" / host).mkdir(parents=True, exist_ok=True)
        self.path = work / name
        shutil.rmtree(self.path, ignore_errors=True)
        self.path.mkdir(parents=True)
        self.material_list = self.path / "Zahrada u domu.txt"
        self.workbook = self.path / "Zahrada u domu.xls"
        write_material_list(self.material_list, items)

    def command(self):
        return [self.program, "--documents", str(self.documents), "--export",
                str(self.material_list)]

    def export(self, preexec_fn=None, wrapper=()):
        result = subprocess.run(list(wrapper) + self.command(), capture_output=True,
                                cwd=self.path, preexec_fn=preexec_fn, timeout=300)
        return result.returncode, result.stdout.decode(), result.stderr.decode()

    def names(self):
        return sorted(p.name for p in self.path.iterdir())

    def expect_only_the_workbook(self, case, extra=()):
        expected = sorted([self.material_list.name, self.workbook.name, *extra])
        check(self.names() == expected, f"{case}: folder holds {self.names()}")

    def failure_message(self, reason):
        return f"Soubor \"{self.workbook}\" se nepodařilo uložit: {reason}."


def exported_bytes(program, work, items):
    """The workbook an undisturbed export of the same list writes."""
    reference = Folder(program, work, "reference", items)
    status, _, err = reference.export()
    check(status == 0, f"reference export: exit {status} {err!r}")
    return reference.workbook.read_bytes()


def new_file_open_in(pid, folder):
    """True once the process holds a new file of `folder` open (a temporary
    name, or an unnamed file shown as "#<inode> (deleted)")."""
    try:
        for fd in os.listdir(f"/proc/{pid}/fd"):
            target = os.readlink(f"/proc/{pid}/fd/{fd}")
            if target.startswith(f"{folder}/") and not target.endswith(".txt"):
                return True
    except OSError:
        pass  # the process ended, or a descriptor closed under us
    return False


def case_interrupts(program, work):
    items = 65530
    folder = Folder(program, work, "interrupts", items)
    old = b"the previous export " * 1000
    folder.workbook.write_bytes(old)
    complete = exported_bytes(program, work, items)
    kept_old = 0
    for number in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        name = signal.Signals(number).name
        process = subprocess.Popen(folder.command(), stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, cwd=folder.path)
        while process.poll() is None and not new_file_open_in(process.pid, folder.path):
            time.sleep(0.0005)
        check(process.poll() is None, f"{name}: the save ended before it could be interrupted")
        process.send_signal(number)
        status = process.wait(timeout=120)
        check(status == -number, f"{name}: exit {status}, not ended by the signal")
        saved = folder.workbook.read_bytes()
        # An interrupt that comes while the finished file is moved in place
        # waits until it is there: then the new workbook is whole.
        check(saved in (old, complete), f"{name}: the workbook is neither the old nor the new")
        kept_old += saved == old
        folder.workbook.write_bytes(old)
        folder.expect_only_the_workbook(name)
    check(kept_old > 0, "interrupts: none came during the writing")


def case_size_limit(program, work):
    folder = Folder(program, work, "size-limit", 3000)
    old = b"old workbook " * 100
    folder.workbook.write_bytes(old)
    limit = 64 * 1024  # less than the new workbook, more than the old

    def limited():
        resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))

    status, out, err = folder.export(preexec_fn=limited)
    check(status == 1, f"size limit: exit {status} (a signal ends it with a negative one)")
    check(out == "", f"size limit: output {out!r}")
    reason = "soubor by byl větší, než systém dovoluje"
    check(err.strip().splitlines()[-1:] == [folder.failure_message(reason)],
          f"size limit: message {err!r}")
    check(folder.workbook.read_bytes() == old, "size limit: the old workbook changed")
    folder.expect_only_the_workbook("size limit")


def case_link(program, work):
    folder = Folder(program, work, "link")
    elsewhere = folder.path / "jinde"
    elsewhere.mkdir()
    real = elsewhere / "skutečný.xls"
    real.write_bytes(b"old")
    folder.workbook.symlink_to(Path("jinde") / real.name)
    status, _, err = folder.export()
    check(status == 0, f"link: exit {status} {err!r}")
    check(folder.workbook.is_symlink(), "link: the link was replaced by a file")
    check(real.read_bytes() == exported_bytes(program, work, 50),
          "link: the file the link names does not hold the export")
    check(sorted(p.name for p in elsewhere.iterdir()) == [real.name],
          f"link: beside the file {sorted(p.name for p in elsewhere.iterdir())}")
    folder.expect_only_the_workbook("link", ["jinde"])


def case_mode(program, work):
    folder = Folder(program, work, "mode")
    folder.workbook.write_bytes(b"old")
    folder.workbook.chmod(0o600)
    owner = (1234, 2345) if os.geteuid() == 0 else None  # only root gives files away
    if owner:
        os.chown(folder.workbook, *owner)
    status, _, err = folder.export()
    check(status == 0, f"mode: exit {status} {err!r}")
    saved = folder.workbook.stat()
    check(saved.st_mode & 0o7777 == 0o600, f"mode: {oct(saved.st_mode & 0o7777)}, not 0600")
    if owner:
        check((saved.st_uid, saved.st_gid) == owner, f"mode: owner {saved.st_uid}:{saved.st_gid}")
    check(folder.workbook.read_bytes() != b"old", "mode: the workbook was not replaced")
    folder.expect_only_the_workbook("mode")


def case_squatted(program, work):
    folder = Folder(program, work, "squatted")
    folder.workbook.write_bytes(b"old")
    # The shell makes the names earlier versions used for its own process id,
    # then becomes the export (exec keeps the id).
    squatter = 'for i in $(seq 0 99); do : > ".~xls$$-$i.tmp"; done; exec "$@"'
    status, _, err = folder.export(wrapper=["/bin/sh", "-c", squatter, "sh"])
    check(status == 0, f"squatted: exit {status} {err!r}")
    check(folder.workbook.read_bytes() == exported_bytes(program, work, 50),
          "squatted: the workbook does not hold the export")
    squatted = [name for name in folder.names() if name.startswith(".~xls")]
    check(len(squatted) == 100, f"squatted: {len(squatted)} names made beforehand are left")
    check(all((folder.path / name).stat().st_size == 0 for name in squatted),
          "squatted: a name made beforehand was written to")
    folder.expect_only_the_workbook("squatted", squatted)


def main():
    program, work = str(Path(sys.argv[1]).resolve()), Path(sys.argv[2]).resolve()
    chosen = sys.argv[3:]
    work.mkdir(parents=True, exist_ok=True)
    cases = {
        "interrupts": case_interrupts,
        "size_limit": case_size_limit,
        "link": case_link,
        "mode": case_mode,
        "squatted": case_squatted,
    }
    for name, case in cases.items():
        if not chosen or name in chosen:
            case(program, work)
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
