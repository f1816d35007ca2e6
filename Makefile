# The two commands that matter: `make run` and `make test`; `make check` is
# the quick loop while working. Each installs what it lacks first
# (scripts/install-deps.sh, as root).
#
# Every recipe runs in bash with -e and pipefail: a failing command anywhere
# in a pipeline fails the target.
SHELL := /bin/bash
.SHELLFLAGS := -eu -o pipefail -c
MAKEFLAGS += --no-print-directory
JOBS ?= 2
DEPS := scripts/install-deps.sh

.PHONY: all native asan clang fuzz fuzz-build fuzz-smoke soak dist windows win32 win64 check test unit-test wine-test wine-test-i686 \
        import-check bench measure run run-sim clean lint format format-check

all: native windows

native:
	@$(DEPS) native
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j$(JOBS)

asan:
	@$(DEPS) native
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j$(JOBS)

# The core, the simulation and the tests built with clang as well, warnings
# as errors there too.
clang:
	@$(DEPS) native clang
	@cmake --preset clang >/dev/null
	@cmake --build --preset clang -j$(JOBS)

# Every fuzz target for FUZZ_SECONDS each (default 60): executions per
# second, coverage and findings.
FUZZ_SECONDS ?= 60
fuzz: fuzz-build
	@scripts/fuzz.sh $(FUZZ_SECONDS)

# The short form in make test: a few seconds each.
fuzz-smoke: fuzz-build
	@scripts/fuzz.sh 5

# The soak: SOAK_EVENTS random events (default a million) on the simulated
# Windows with the checks after each. SOAK_SEED replays a run; without it a
# new seed is drawn and printed. make test runs a short form (20,000 events,
# a fixed seed) with the unit tests.
SOAK_EVENTS ?= 1000000
SOAK_SEED ?=
soak: native
	@build/native/bin/panel_soak --events $(SOAK_EVENTS) $(if $(SOAK_SEED),--seed $(SOAK_SEED))

fuzz-build:
	@$(DEPS) native fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j$(JOBS) --target fuzz_targets

windows: win32 win64

win32 win64:
	@$(DEPS) windows
	@cmake --preset $@ >/dev/null
	@cmake --build --preset $@ -j$(JOBS)

# The quick loop: the native tests without sanitizers, and the x86_64
# Windows build (what only MinGW rejects), then the format check. No Wine.
check: native win64
	@scripts/run-ctest.sh build/native $(JOBS)
	@$(MAKE) format-check

# clang-tidy and cppcheck over src/ (the core, the simulation, the adapter)
# and tools/; fails on any finding (scripts/lint.sh; its own builds are
# build/lint-native and build/lint-win64, configured only).
lint:
	@$(DEPS) native windows lint
	@scripts/lint.sh $(JOBS)

# Rewrites every C++ file of src/, tests/, tools/, fuzz/ and bench/ as
# .clang-format says; format-check (part of check) fails while one differs.
format:
	@$(DEPS) format
	@scripts/format.sh $(JOBS)

format-check:
	@$(DEPS) format
	@scripts/check-format.sh $(JOBS)

# Native unit tests under AddressSanitizer and UBSan. Passing tests are one
# summary line; a failing one shows its whole output.
unit-test: asan
	@scripts/run-ctest.sh build/asan $(JOBS)

import-check: windows
	@tests/wine/scripts/check-imports.sh build/win32/bin/UsbPhonePanel.exe build/win64/bin/UsbPhonePanel.exe

# The Wine tests of the x86_64 programs.
# The packages of make dist are checked here too (t_installer_and_zip).
wine-test: win64 dist
	@$(DEPS) wine
	@WINE_TEST_BIN=$(CURDIR)/build/win64/bin WINE_TEST_ROOT=$(CURDIR)/build/wine-test tests/wine/run.sh

# The same tests of the i686 programs, what 32-bit Windows runs. They need
# Wine's 32-bit side (wine32:i386); when it cannot be installed they are
# skipped with a note, and the failed install is not tried again until
# build/wine32-unavailable goes.
wine-test-i686: win32 dist
	@$(DEPS) wine
	@if $(DEPS) wine32; then \
	  WINE_TEST_BIN=$(CURDIR)/build/win32/bin WINE_TEST_ROOT=$(CURDIR)/build/wine-test-i686 tests/wine/run.sh; \
	else \
	  echo "SKIPPED: the Wine tests of the i686 programs (no wine32)"; \
	fi

test: unit-test fuzz-smoke import-check wine-test-i686 wine-test

# Google Benchmark is needed here only; the native build skips the
# benchmarks while it is missing.
bench:
	@$(DEPS) native bench
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j$(JOBS) --target panel_bench
	@build/native/bin/panel_bench --benchmark_min_time=0.2

# Figures of the real program under Wine (scripts/measure-*.sh, one per
# measurement): the start-up against two minimal tray programs, the faults
# and load (driver round trip, idle CPU, a hung driver, a flood, a drop of
# 1,000 files) and the programs' sizes. MEASURE_ROUNDS sets the starts per
# program (default 12).
measure: windows
	@$(DEPS) wine
	@scripts/measure.sh

# The release: installers and zips for both Windows builds in dist/
# (scripts/dist.sh; the version is the VERSION file's).
dist: windows
	@$(DEPS) native dist
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j$(JOBS) --target make_ring_tone
	@scripts/dist.sh

run-sim: native
	@build/native/bin/panel_simrun

run: win64
	@$(DEPS) wine display
	@scripts/run-wine.sh

clean:
	rm -rf build dist
