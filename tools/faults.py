#!/usr/bin/env python3
"""Plants one-line faults in a scratch copy of the game, one at a time, and tells which of them the
test suite catches.

    tools/faults.py [--rev REV] [--only ID[,ID...]] [--scratch DIR] [--faults FILE]

Each fault of tools/faults.txt replaces exact fragments of lines (each must occur once in its file),
the scratch build is brought up to date (ccache; one build directory reused), the fault's tests run
(by default the fast ones; the X server, fuzz, soak and media tests only where a fault names them)
and the copy is put back. A fault is caught when a test fails; "build" means it did not compile (a
fault to rewrite, not a catch). --rev plays the faults against the tests of another commit.
"""
import argparse
import os
import pathlib
import re
import shutil
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
FAST = ["-R", "^test_", "-E", "^test_(soak|media|badmedia)$"]
SLOW = {"test_media", "test_soak", "test_lifetimes", "test_badmedia", "xtest_desktop", "fuzz_media"}


def parse(path):
    faults, cur, file = [], None, None
    for raw in open(path, encoding="utf-8"):
        line = raw.rstrip("\n")
        if line.startswith("## "):
            ident, _, what = line[3:].partition(":")
            kind, _, desc = what.strip().partition(" - ")
            cur = {"id": ident.strip(), "kind": kind, "desc": desc, "tests": FAST, "edits": []}
            faults.append(cur)
        elif line.startswith("tests: "):
            cur["tests"] = ["-R", line[7:].strip()]
        elif line.startswith("file: "):
            file = line[6:].strip()
        elif line.startswith("- "):
            cur["edits"].append([file, line[2:], None])
        elif line.startswith("+ "):
            cur["edits"][-1][2] = line[2:]
    return faults


def run(cmd, cwd, timeout=None, log=None):
    with open(log or os.devnull, "a") as out:
        try:
            return subprocess.run(cmd, cwd=cwd, stdout=out, stderr=subprocess.STDOUT, timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            return 124


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--rev", help="commit whose tree (tests included) is used; default: the working tree")
    ap.add_argument("--only", help="comma-separated fault ids")
    ap.add_argument("--scratch", default=str(ROOT / "build-faults"))
    ap.add_argument("--faults", default=str(ROOT / "tools" / "faults.txt"))
    ap.add_argument("--timeout", type=int, default=300, help="seconds for one fault's tests")
    args = ap.parse_args()

    faults = parse(args.faults)
    if args.only:
        keep = set(args.only.split(","))
        faults = [f for f in faults if f["id"] in keep]
    scratch = pathlib.Path(args.scratch).resolve()
    # The build directory sits inside the copy as build/ does in the tree, so that ccache, which
    # compares paths relative to the build directory, finds what the other builds compiled.
    src, log = scratch / "src", scratch / "log.txt"
    build = src / "build"
    scratch.mkdir(parents=True, exist_ok=True)
    log.write_text("")

    # A fresh copy of the tracked files; the build directory is kept from run to run.
    src.mkdir(exist_ok=True)
    for old in src.iterdir():
        if old.name != "build":
            shutil.rmtree(old) if old.is_dir() and not old.is_symlink() else old.unlink()
    if args.rev:
        archive = subprocess.run(["git", "-C", str(ROOT), "archive", args.rev], check=True, capture_output=True)
        subprocess.run(["tar", "-x", "-C", str(src)], input=archive.stdout, check=True)
    else:
        files = subprocess.run(["git", "-C", str(ROOT), "ls-files", "-z"], check=True, capture_output=True)
        for name in files.stdout.decode().split("\0"):
            if name and (ROOT / name).is_file():
                (src / name).parent.mkdir(parents=True, exist_ok=True)
                shutil.copy2(ROOT / name, src / name)
    nice = ["nice", "-n", "10"]
    if run(["cmake", "-S", str(src), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
            "-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold"], src, log=log) != 0:
        sys.exit("configure failed, see " + str(log))
    if run(nice + ["cmake", "--build", str(build), "-j2"], src, log=log) != 0:
        sys.exit("the unchanged copy does not build, see " + str(log))

    rows, started = [], time.time()
    for f in faults:
        t0 = time.time()
        originals, result = {}, None
        for file, old, new in f["edits"]:
            path = src / file
            text = originals.setdefault(file, path.read_text(encoding="utf-8"))
            text = path.read_text(encoding="utf-8")
            if text.count(old) != 1:
                result = "n/a (%s: fragment found %d times)" % (file, text.count(old))
                break
            path.write_text(text.replace(old, new), encoding="utf-8")
        if result is None:
            # Only the programs of the fault's tests are brought up to date (the fit and walkthrough
            # tests run one program several times).
            listed = subprocess.run(["ctest", "-N"] + f["tests"], cwd=build, capture_output=True, text=True)
            names = re.findall(r"Test +#\d+: (\S+)", listed.stdout)
            targets = sorted({re.sub(r"_(en|x[\d.]+)$", "", n) for n in names} - {"fuzz_media"})
            if not names:
                result = "n/a (no tests)"
            elif run(nice + ["cmake", "--build", str(build), "-j2", "--target"] + targets, src, log=log) != 0:
                result = "build"
            else:
                # The quick tests first; the slow ones only for a fault the quick ones let through.
                quick = [n for n in names if n not in SLOW]
                rc = 0
                for batch in (quick, [n for n in names if n in SLOW]):
                    if batch and rc == 0:
                        rc = run(["ctest", "-j2", "--timeout", "240", "--stop-on-failure", "-R",
                                  "^(%s)$" % "|".join(map(re.escape, batch))], build, timeout=args.timeout, log=log)
                result = "caught" if rc != 0 else "MISSED"
        for file, text in originals.items():
            (src / file).write_text(text, encoding="utf-8")
        rows.append((f, result, time.time() - t0))
        print("%-4s %-7s %-10s %5.0fs  %s" % (f["id"], result.split()[0], f["kind"], time.time() - t0, f["desc"]),
              flush=True)
    # Leave the copy built as it was, for the next run.
    run(nice + ["cmake", "--build", str(build), "-j2"], src, log=log)

    counted = [r for r in rows if r[1] in ("caught", "MISSED")]
    caught = sum(r[1] == "caught" for r in counted)
    print("\n| fault | kind | what | result |\n|---|---|---|---|")
    for f, result, _ in rows:
        print("| %s | %s | %s | %s |" % (f["id"], f["kind"], f["desc"], result))
    print("\ncaught %d of %d (%.0f %%) in %.0f min" % (caught, len(counted), 100.0 * caught / max(1, len(counted)),
                                                      (time.time() - started) / 60))


if __name__ == "__main__":
    main()
