# Ravenpost: build, test, run and benchmark. Every target installs the Debian packages it needs first.
BUILD       ?= build
BENCH_BUILD ?= build-bench
FUZZ_BUILD  ?= build-fuzz
JOBS        ?= $(shell nproc)
ARGS        ?=

.PHONY: deps configure build programs test run tool package package-check bench fuzz fuzz-smoke format check-format check-layers translation-sources translations check-translations clean

deps:
	@sh scripts/deps.sh

# Once per build folder; after that ninja runs cmake again itself when a CMake file changes.
configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRAVENPOST_WERROR=ON >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The programs, the table tool and the side files only: what running and installing need.
programs: configure
	@cmake --build $(BUILD) -j $(JOBS) --target ravenpost ravenpost-batch xbase-tool sidefiles

# The printer-queue tests print on the cups-pdf queue the script sets up; they skip without it.
test: build check-format check-layers check-translations
	@sh scripts/cups-pdf-printer.sh >/dev/null 2>&1 || echo "No CUPS printer queue here: the printer-queue tests skip."
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Every C++ source as .clang-format has it; check-format fails on one that differs.
format: deps
	find . \( -name 'build*' -o -name '.*' ! -name . \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | xargs clang-format -i

check-format: deps
	@sh scripts/check-format.sh

# Each library includes only the folders below it (the table is in the script); fails naming
# every include against that.
check-layers: deps
	@sh scripts/check-layers.sh

# The build's list of the sources lupdate reads (BUILD/translations/sources.lst), up to date.
translation-sources: configure
	@cmake --build $(BUILD) --target ravenpost_translations >/dev/null

# Brings translations/*.ts up to date with the sources (lupdate): new texts are added unfinished,
# translations kept, texts the sources no longer have marked vanished. Translate in Qt Linguist.
translations: translation-sources
	@sh scripts/update-translations.sh $(BUILD) translations/*.ts

# Fails listing the unfinished, vanished or obsolete entries of a copy of each translations/*.ts
# brought up to date, and translations that lack a %1, %n or mnemonic & of their source.
check-translations: translation-sources
	@sh scripts/check-translations.sh $(BUILD)

# Starts the program; ARGS are passed on (make run ARGS="--home /tmp/ravenpost").
run: programs
	$(BUILD)/app/ravenpost $(ARGS)

# The table tool (make tool ARGS="info FILE.DBF").
tool: programs
	$(BUILD)/tools/xbase-tool $(ARGS)

# The Debian package of everything installed, written into $(BUILD)/ (ravenpost_VERSION_ARCH.deb).
package: build
	@cmake --build $(BUILD) --target package

# The package's control fields, and a label job run from its files extracted with dpkg-deb -x.
package-check: package
	@sh tests/install/package-test.sh $(BUILD)

bench: deps
	@cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DRAVENPOST_TESTS=OFF -DRAVENPOST_BENCH=ON >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	$(BENCH_BUILD)/bench/xbase_bench

# The fuzz targets only (the programs are not built here).
fuzz: deps
	@test -f $(FUZZ_BUILD)/build.ninja || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRAVENPOST_TESTS=OFF -DRAVENPOST_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_all

# Each fuzz target for a few seconds on its starting inputs in fuzz/corpus/ (CI runs it after the tests).
fuzz-smoke: fuzz
	@sh scripts/fuzz-smoke.sh $(FUZZ_BUILD) 10

clean:
	rm -rf $(BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
