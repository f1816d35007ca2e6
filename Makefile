# The two commands that matter: `make run` and `make test`. Each installs what
# it lacks first (scripts/install-deps.sh, as root).
JOBS ?= 2
DEPS := scripts/install-deps.sh

.PHONY: all native asan windows win32 win64 test unit-test wine-test import-check bench run run-sim clean

all: native windows

native:
	@$(DEPS) native
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j$(JOBS)

asan:
	@$(DEPS) native
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j$(JOBS)

windows: win32 win64

win32 win64:
	@$(DEPS) windows
	@cmake --preset $@ >/dev/null
	@cmake --build --preset $@ -j$(JOBS)

# Native unit tests run under AddressSanitizer and UBSan.
unit-test: asan
	@cd build/asan && ctest --output-on-failure -j$(JOBS) | tail -n 25

import-check: windows
	@tests/wine/scripts/check-imports.sh build/win32/bin/UsbPhonePanel.exe build/win64/bin/UsbPhonePanel.exe

wine-test: win64
	@$(DEPS) wine
	@tests/wine/run.sh

test: unit-test import-check wine-test

bench: native
	@build/native/bin/panel_bench --benchmark_min_time=0.2

run-sim: native
	@build/native/bin/panel_simrun

run: win64
	@$(DEPS) wine
	@scripts/run-wine.sh

clean:
	rm -rf build
