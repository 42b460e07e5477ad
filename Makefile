# Two commands set everything up on a fresh Debian 12 machine:
#   make run    installs what the program needs, builds the program alone in
#               build-program/ and starts it in run/ (both ignored by git)
#   make test   also installs the test tools, then runs the whole suite
#               (plain and sanitized)
# Each target installs only the package groups it needs (scripts/install-deps).

PREFIX ?= /usr/local
FUZZ_SECONDS ?= 30
# One compile job per core.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build run test fuzz bench package install clean windows test-windows package-windows

all: build

build:
	@scripts/install-deps run
	@cmake --preset program >/dev/null
	@cmake --build --preset program -j $(JOBS)

# The program works in the current directory: run/ keeps its files
# (history, theme, charts) out of the checkout.
run: build
	@mkdir -p run
	@cd run && ../build-program/tavrik-terminal

test:
	@scripts/install-deps run test
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)
	ctest --preset release
	@cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan

fuzz:
	@scripts/install-deps run fuzz
	@cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	scripts/run-fuzzers $(FUZZ_SECONDS)

bench:
	@scripts/install-deps run test
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)
	scripts/bench/all

# The Debian package, in this directory, built with debhelper from a copy of
# the checkout in build-deb/ and checked by lintian (pedantic tags included).
package:
	@scripts/install-deps run package
	@rm -f tavrik-terminal_*.deb
	scripts/build-deb build-deb
	cp build-deb/tavrik-terminal_*.deb .
	lintian --pedantic --fail-on error,warning tavrik-terminal_*.deb

# The Windows program, cross-built with MinGW-w64: build-windows/tavrik-terminal.exe.
windows:
	@scripts/install-deps run windows
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows -j $(JOBS)

# Its tests under Wine, in a Wine prefix made for this run in build-windows/
# and removed after it; the .exe is compared with the Linux program, and its
# chart files are read back by the Linux chart tests, both built first. On a
# machine where Wine cannot start a program of its own, it says why and runs
# only the checks that need no Wine (the .exe's resources and the zip).
test-windows:
	@scripts/install-deps run test windows
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) --target tavrik-terminal unit-chart
	@cmake --preset windows-test >/dev/null
	@cmake --build --preset windows-test -j $(JOBS)
	@prefix=$$(mktemp -d "$(CURDIR)/build-windows/wine.XXXXXX"); \
	  trap 'WINEPREFIX='"$$prefix"' wineserver -k 2>/dev/null; rm -rf "$$prefix"' EXIT; \
	  export WINEPREFIX="$$prefix"; \
	  if scripts/wine-run cmd /c exit; then ctest --preset windows-test; else \
	    echo "make test-windows: Wine cannot start here (see above): only the checks without Wine run" >&2; \
	    ctest --preset windows-test -R '^windows/package$$'; fi

# The zip for Windows users (CPack): the .exe, its DLLs, its data, README.txt,
# LICENSE.txt and NOTICES.txt.
package-windows: windows
	cd build-windows && cpack -G ZIP
	cp build-windows/tavrik-terminal-*-windows-x86_64.zip .

# Installs what is built, nothing else: no packages, no configure step.
install:
	@test -x build-program/tavrik-terminal || { echo "make install: nothing is built yet: run 'make build' first" >&2; exit 1; }
	cmake --install build-program --prefix $(PREFIX)
	@# Run as root (sudo make install), the list of installed files in
	@# build-program/ goes back to the owner of build-program/.
	@if [ "$$(id -u)" -eq 0 ] && [ -f build-program/install_manifest.txt ]; then \
	  chown --reference=build-program build-program/install_manifest.txt; fi

clean:
	rm -rf build build-program build-asan build-fuzz build-windows build-deb tavrik-terminal_*.deb tavrik-terminal-*-windows-x86_64.zip
