#!/bin/sh
# Fails when a source includes a header its folder's library may not use.
#
# The libraries are stacked, one per top-level folder, and includes only point down:
#   app, batch                         everything but each other
#   labels envelopes letters reports utilities import dialer
#                                      itself, mailpiece, postal, data, framework, xbase
#   mailpiece, postal                  itself, data, framework, xbase
#   data                               data, xbase; Qt headers from QtCore only
#   framework                          framework; any Qt header
#   xbase                              xbase; no Qt header
#   tools                              tools, xbase, data (sidefile-build shares the side-file
#                                      field layouts); no Qt header
# tests/, bench/ and fuzz/ are checked only for the rule below. A folder with C++ sources that
# is not in this table fails until it is added to LAYERS below.
#
# The engine's public headers lie in xbase/; its internal ones in xbase/internal/, which only
# xbase, tools, the engine's own tests (tests/xbase) and the fuzzers (fuzz) may include. The
# rest of the program, the other tests and the benchmarks go through the public headers.
#
# Each offending line is printed as "file:line: folder must not include <header>" (the header
# as the source spells it), followed by ", an internal engine header" for that rule, and the
# exit status is 1; 0 when every include is allowed, 2 when the
# check cannot run. Only lines that start with #include are read, so a commented-out include
# inside a /* */ block counts as well.
#
# Usage: sh scripts/check-layers.sh [ROOT]    (ROOT defaults to this repository)
# RAVENPOST_QTCORE_DIR names the QtCore include folder; otherwise qmake6 is asked, then the
# Debian location is tried.
[ $# -le 1 ] || { echo "usage: $0 [ROOT]" >&2; exit 2; }
ROOT=${1:-"$(dirname "$0")/.."}
exec python3 - "$ROOT" <<'EOF'
import os
import re
import subprocess
import sys

SUBSYSTEMS = ["labels", "envelopes", "letters", "reports", "utilities", "import", "dialer"]
BELOW_SUBSYSTEMS = ["mailpiece", "postal", "data", "framework", "xbase"]

# Folder -> the project folders its sources may include.
LAYERS = {
    "xbase": {"xbase"},
    "tools": {"tools", "xbase", "data"},
    "framework": {"framework"},
    "data": {"data", "xbase"},
    "mailpiece": {"mailpiece", "data", "framework", "xbase"},
    "postal": {"postal", "data", "framework", "xbase"},
}
for name in SUBSYSTEMS:
    LAYERS[name] = {name, *BELOW_SUBSYSTEMS}
EVERYTHING = set(LAYERS) | {"app", "batch"}
LAYERS["app"] = EVERYTHING - {"batch"}
LAYERS["batch"] = EVERYTHING - {"app"}

NO_QT = {"xbase", "tools"}
QTCORE_ONLY = {"data"}
NOT_CHECKED = {"tests", "bench", "fuzz"}

INTERNAL = "xbase/internal/"
INTERNAL_ALLOWED = ("xbase/", "tools/", "tests/xbase/", "fuzz/")

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^Q")


def skipped_folder(name):
    # The same folders scripts/check-format.sh leaves out: build folders and hidden ones.
    return name.startswith("build") or name.startswith(".")


def qtcore_folder():
    folder = os.environ.get("RAVENPOST_QTCORE_DIR")
    if folder:
        return folder
    try:
        headers = subprocess.run(["qmake6", "-query", "QT_INSTALL_HEADERS"], capture_output=True,
                                 text=True, check=True).stdout.strip()
        if headers:
            return os.path.join(headers, "QtCore")
    except (OSError, subprocess.CalledProcessError):
        pass
    return "/usr/include/x86_64-linux-gnu/qt6/QtCore"


class QtCore:
    def __init__(self):
        self.folder = None

    def has(self, header):
        if self.folder is None:
            self.folder = qtcore_folder()
            if not os.path.isdir(self.folder):
                print(f"check-layers: no QtCore include folder at {self.folder}; "
                      "set RAVENPOST_QTCORE_DIR", file=sys.stderr)
                sys.exit(2)
        module, slash, name = header.partition("/")
        if slash:
            return module == "QtCore" and os.path.isfile(os.path.join(self.folder, name))
        return os.path.isfile(os.path.join(self.folder, header))


def project_path(root, source, quote, header):
    """The header's path from the root, as the compiler finds it."""
    if quote == '"':
        # The compiler looks beside the including source first.
        beside = os.path.normpath(os.path.join(os.path.dirname(source), header))
        if os.path.isfile(os.path.join(root, beside)):
            return beside
    return os.path.normpath(header)


def folder_of(path, top_folders):
    parts = path.split(os.sep)
    if len(parts) > 1 and (parts[0] in top_folders or parts[0] in EVERYTHING):
        return parts[0]
    return None


def internal_offence(source, path):
    return path.startswith(INTERNAL) and not source.startswith(INTERNAL_ALLOWED)


def layer_offence(folder, header, path, qtcore, top_folders):
    if folder in NOT_CHECKED:
        return False
    target = folder_of(path, top_folders)
    if target is not None:
        return target not in LAYERS[folder]
    if QT_HEADER.match(header):
        return folder in NO_QT or (folder in QTCORE_ONLY and not qtcore.has(header))
    return False


def offences(root, source, folder, qtcore, top_folders):
    with open(os.path.join(root, source), encoding="utf-8", errors="replace") as f:
        for number, line in enumerate(f, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            quote, header = match.groups()
            path = project_path(root, source, quote, header)
            spelled = f"<{header}>" if quote == "<" else f'"{header}"'
            if internal_offence(source, path):
                yield (f"{source}:{number}: {folder} must not include {spelled}, an internal "
                       "engine header")
            elif layer_offence(folder, header, path, qtcore, top_folders):
                yield f"{source}:{number}: {folder} must not include {spelled}"


def sources(root, folder):
    found = []
    for directory, subfolders, files in os.walk(os.path.join(root, folder)):
        subfolders[:] = [s for s in subfolders if not skipped_folder(s)]
        for name in files:
            if name.endswith(".h") or name.endswith(".cpp"):
                found.append(os.path.relpath(os.path.join(directory, name), root))
    return sorted(found)


def main():
    root = sys.argv[1]
    if not os.path.isdir(root):
        print(f"check-layers: {root} is not a folder", file=sys.stderr)
        return 2
    top_folders = {e.name for e in os.scandir(root) if e.is_dir() and not skipped_folder(e.name)}
    qtcore = QtCore()
    problems = []
    for folder in sorted(top_folders):
        files = sources(root, folder)
        if not files:
            continue
        if folder not in LAYERS and folder not in NOT_CHECKED:
            problems.append(f"{folder}/: {folder} is not a known layer; add it to the table in "
                            "scripts/check-layers.sh")
            continue
        for source in files:
            problems.extend(offences(root, source, folder, qtcore, top_folders))
    for problem in problems:
        print(problem)
    if problems:
        print(f"check-layers: {len(problems)} problem(s); see scripts/check-layers.sh for the "
              "layers", file=sys.stderr)
        return 1
    return 0


sys.exit(main())
EOF
