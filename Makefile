# Two commands set everything up on a fresh Debian 12 machine:
#   make run    installs what is missing, builds, starts the program
#   make test   the same set-up, then the whole suite (plain and sanitized)

PREFIX ?= /usr/local
FUZZ_SECONDS ?= 30

.PHONY: all deps build run test test-release test-asan fuzz bench install clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release

run: build
	@./build/tavrik-terminal

test: build
	ctest --preset release
	cmake --preset asan >/dev/null
	cmake --build --preset asan
	ctest --preset asan

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	scripts/run-fuzzers $(FUZZ_SECONDS)

bench: build
	scripts/bench/all

install: build
	cmake --install build --prefix $(PREFIX)

clean:
	rm -rf build build-asan build-fuzz
