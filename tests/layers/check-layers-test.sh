#!/bin/sh
# Runs scripts/check-layers.sh over small trees written into a temporary folder and compares its
# exit status and every line it prints with what each tree should give.
# Usage: sh tests/layers/check-layers-test.sh [path/to/check-layers.sh]
set -u
CHECK=${1:-"$(dirname "$0")/../../scripts/check-layers.sh"}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FAILED=0

# put FILE LINE...: writes the lines into $TREE/FILE, making its folders.
put() {
    file="$TREE/$1"
    shift
    mkdir -p "$(dirname "$file")"
    printf '%s\n' "$@" >"$file"
}

# expect NAME STATUS [LINE...]: runs the check over $TREE; its status and its output must match.
expect() {
    name=$1
    status=$2
    shift 2
    if [ $# -gt 0 ]; then printf '%s\n' "$@" >"$WORK/expected"; else : >"$WORK/expected"; fi
    sh "$CHECK" "$TREE" >"$WORK/actual" 2>"$WORK/errors"
    got=$?
    if [ "$got" -ne "$status" ]; then
        echo "FAIL $name: exit status $got, expected $status"
        cat "$WORK/errors"
        FAILED=1
    fi
    if ! diff -u "$WORK/expected" "$WORK/actual"; then
        echo "FAIL $name: output differs"
        FAILED=1
    fi
}

# A fake QtCore include folder, so the QtCore-only rule does not depend on the Qt installed.
QTCORE="$WORK/qtcore"
mkdir -p "$QTCORE"
for h in QString QFile QDir QtCore QtGlobal; do : >"$QTCORE/$h"; done
export RAVENPOST_QTCORE_DIR="$QTCORE"

# Every include here is allowed; tests/, bench/, fuzz/ and build folders are not read.
TREE="$WORK/good"
put xbase/Table.h '#pragma once' '#include <vector>' '#include "xbase/Field.h"'
put xbase/Field.h '#pragma once' '#include <string>'
put tools/CsvLine.h '#pragma once' '#include "xbase/Table.h"'
put tools/sidefiles/Writer.cpp '#include "Writer.h"' '#include "../CsvLine.h"' \
    '#include "tools/CsvLine.h"'
put tools/sidefiles/Writer.h '#pragma once'
put framework/Messages.h '#pragma once' '#include <QWidget>' '#include <QtWidgets/QDialog>'
put data/AddressFile.cpp '#include "data/AddressFile.h"' '#include "xbase/Table.h"' \
    '#include <QString>' '#  include <QtCore/QFile>' '#include <QtCore>' \
    '#include "moc_AddressFile.cpp"' '// #include <QWidget>'
put data/AddressFile.h '#pragma once' '#include <QDir> // paths'
put mailpiece/Piece.h '#pragma once' '#include "data/AddressFile.h"' '#include "framework/Messages.h"'
put postal/Presort.h '#pragma once' '#include "data/AddressFile.h"' '#include <QPainter>'
put labels/Labels.cpp '#include "postal/Presort.h"' '#include "mailpiece/Piece.h"' \
    '#include "labels/Labels.h"' '#include <nlohmann/json.hpp>'
put labels/Labels.h '#pragma once'
put dialer/Dialer.cpp '#include "dialer/Dialer.h"' '#include "xbase/Table.h"'
put app/Main.cpp '#include "labels/Labels.h"' '#include "dialer/Dialer.cpp"' \
    '#include "tools/CsvLine.h"' '#include <QApplication>'
put batch/Batch.cpp '#include "postal/Presort.h"' '#include <data/AddressFile.h>'
put tests/xbase/TableTest.cpp '#include <QWidget>' '#include "app/Main.h"'
put bench/Bench.cpp '#include "app/Main.h"'
put fuzz/fuzz_table.cpp '#include <QString>'
put build/xbase/moc_Table.cpp '#include <QObject>'
put labels/build-debug/moc_Labels.cpp '#include "app/Main.h"'
put scripts/notes.txt '#include <QWidget>'
expect "allowed includes" 0

# Each rule broken once; the lines come sorted by file, then by line.
TREE="$WORK/bad"
put xbase/Table.h '#pragma once' '#include <QString>' '#include "framework/Messages.h"'
put xbase/Table.cpp '#include "xbase/Table.h"' '#include "QString"'
put tools/sidefiles/Writer.cpp '#include "framework/Fields.h"' '#include <QtCore/QFile>'
put framework/Messages.h '#pragma once' '#include "data/Fields.h"'
put data/Fields.h '#pragma once' '#include <QWidget>' '#include <QString>' \
    '#include "framework/Messages.h"' '#include <QtGui/QColor>' '#include <QtCore/QColor>'
put mailpiece/Piece.h '#pragma once' '#include "postal/Presort.h"'
put postal/Presort.h '#pragma once' '#include "mailpiece/Piece.h"' '#include "labels/Labels.h"'
put labels/Labels.h '#pragma once' '#include "envelopes/Envelopes.h"' '#include "app/Main.h"' \
    '#include "tests/TableBytes.h"'
put envelopes/Envelopes.h '#pragma once' '#include "labels/Labels.h"'
put app/Main.h '#pragma once' '#include "batch/Batch.h"'
put batch/Batch.h '#pragma once' '#include <app/Main.h>'
put tests/TableBytes.h '#pragma once'
put newlayer/Thing.cpp '#include "xbase/Table.h"'
expect "forbidden includes" 1 \
    'app/Main.h:2: app must not include "batch/Batch.h"' \
    'batch/Batch.h:2: batch must not include <app/Main.h>' \
    'data/Fields.h:2: data must not include <QWidget>' \
    'data/Fields.h:4: data must not include "framework/Messages.h"' \
    'data/Fields.h:5: data must not include <QtGui/QColor>' \
    'data/Fields.h:6: data must not include <QtCore/QColor>' \
    'envelopes/Envelopes.h:2: envelopes must not include "labels/Labels.h"' \
    'framework/Messages.h:2: framework must not include "data/Fields.h"' \
    'labels/Labels.h:2: labels must not include "envelopes/Envelopes.h"' \
    'labels/Labels.h:3: labels must not include "app/Main.h"' \
    'labels/Labels.h:4: labels must not include "tests/TableBytes.h"' \
    'mailpiece/Piece.h:2: mailpiece must not include "postal/Presort.h"' \
    'newlayer/: newlayer is not a known layer; add it to the table in scripts/check-layers.sh' \
    'postal/Presort.h:2: postal must not include "mailpiece/Piece.h"' \
    'postal/Presort.h:3: postal must not include "labels/Labels.h"' \
    'tools/sidefiles/Writer.cpp:1: tools must not include "framework/Fields.h"' \
    'tools/sidefiles/Writer.cpp:2: tools must not include <QtCore/QFile>' \
    'xbase/Table.cpp:2: xbase must not include "QString"' \
    'xbase/Table.h:2: xbase must not include <QString>' \
    'xbase/Table.h:3: xbase must not include "framework/Messages.h"'

# Without the override the QtCore folder of the installed Qt decides.
unset RAVENPOST_QTCORE_DIR
TREE="$WORK/installed"
put data/Names.h '#pragma once' '#include <QStringList>' '#include <QCoreApplication>' \
    '#include <QMessageBox>' '#include <QPainter>'
expect "installed QtCore" 1 \
    'data/Names.h:4: data must not include <QMessageBox>' \
    'data/Names.h:5: data must not include <QPainter>'

# The engine's internal headers: for the engine, its tools, its own tests and the fuzzers.
export RAVENPOST_QTCORE_DIR="$QTCORE"
TREE="$WORK/engine-inside"
put xbase/Table.h '#pragma once' '#include "xbase/internal/File.h"'
put xbase/Table.cpp '#include "xbase/Table.h"' '#include "internal/File.h"'
put xbase/internal/File.h '#pragma once' '#include "xbase/Error.h"' '#include "MappedRead.h"'
put xbase/internal/MappedRead.h '#pragma once'
put xbase/Error.h '#pragma once'
put tools/Info.cpp '#include "xbase/internal/File.h"' '#include <xbase/internal/MappedRead.h>'
put tests/xbase/FileTest.cpp '#include "xbase/internal/File.h"'
put fuzz/fuzz_file.cpp '#include "../xbase/internal/File.h"'
put app/Main.cpp '#include "xbase/Table.h"' '#include "xbase/Error.h"'
put tests/app/MainTest.cpp '#include "xbase/Table.h"'
expect "internal engine headers inside" 0

TREE="$WORK/engine-outside"
put xbase/internal/File.h '#pragma once'
put xbase/internal/IndexKey.h '#pragma once'
put xbase/Table.h '#pragma once'
put app/Main.cpp '#include "xbase/Table.h"' '#include "xbase/internal/IndexKey.h"'
put data/Fields.cpp '#include "../xbase/internal/File.h"'
put utilities/Copy.cpp '#include <xbase/internal/File.h>'
put tests/app/MainTest.cpp '#include "xbase/internal/File.h"'
put tests/xbase-extra/Test.cpp '#include "xbase/internal/File.h"'
put bench/Bench.cpp '#include "xbase/./internal/IndexKey.h"'
expect "internal engine headers outside" 1 \
    'app/Main.cpp:2: app must not include "xbase/internal/IndexKey.h", an internal engine header' \
    'bench/Bench.cpp:1: bench must not include "xbase/./internal/IndexKey.h", an internal engine header' \
    'data/Fields.cpp:1: data must not include "../xbase/internal/File.h", an internal engine header' \
    'tests/app/MainTest.cpp:1: tests must not include "xbase/internal/File.h", an internal engine header' \
    'tests/xbase-extra/Test.cpp:1: tests must not include "xbase/internal/File.h", an internal engine header' \
    'utilities/Copy.cpp:1: utilities must not include <xbase/internal/File.h>, an internal engine header'

# No QtCore folder to decide with: the check cannot run.
TREE="$WORK/installed"
export RAVENPOST_QTCORE_DIR="$WORK/missing"
expect "no QtCore folder" 2
if ! grep -q "no QtCore include folder" "$WORK/errors"; then
    echo "FAIL no QtCore folder: the reason is not given"
    FAILED=1
fi

[ "$FAILED" -eq 0 ] && echo "check-layers: every case passed"
exit "$FAILED"
