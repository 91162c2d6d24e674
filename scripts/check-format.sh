#!/bin/sh
# Fails when a C++ source of the repository differs from what clang-format makes of it with the
# repository's .clang-format; clang-format names each place. `make format` rewrites the files.
# Build folders are left out.
cd "$(dirname "$0")/.."
find . \( -name 'build*' -o -name '.*' ! -name . \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror
