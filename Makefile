# The two commands of the README, and the steps they are made of.
SHELL := /bin/bash
JOBS ?= $(shell nproc)

.PHONY: all deps build build-native build-win32 build-win64 test test-native test-win32 test-win64 medium demo bench clean

all: build

deps:
	@if [ "$$(id -u)" -eq 0 ]; then bash scripts/install-deps.sh; else sudo bash scripts/install-deps.sh; fi

build-native:
	cmake --preset native >/dev/null
	cmake --build --preset native -j $(JOBS)

build-win32:
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j $(JOBS)

build-win64:
	cmake --preset win64 >/dev/null
	cmake --build --preset win64 -j $(JOBS)

build: build-native build-win32 build-win64

test-native: build-native
	ctest --preset native -j $(JOBS)

test-win32: build-win32
	ctest --preset win32 -j $(JOBS)

test-win64: build-win64
	ctest --preset win64 -j $(JOBS)

# Every tree, each run to its end, and what this machine could run.
test: deps
	JOBS=$(JOBS) bash scripts/run-suites.sh

# Only the three programs of the medium; signed when SIGN_PFX names a
# certificate (README: "Signing the programs").
medium:
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j $(JOBS) --target Setup tessal Uninstall
	SIGN_PFX='$(SIGN_PFX)' SIGN_PASS_FILE='$(SIGN_PASS_FILE)' SIGN_TIMESTAMP_URL='$(SIGN_TIMESTAMP_URL)' \
	  bash scripts/make-medium.sh build/win32 build/medium

demo: deps
	bash scripts/demo.sh

bench: deps
	bash scripts/bench.sh

clean:
	rm -rf build
