# SPDX-FileCopyrightText: 2026 The Morvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Two commands for a new user: `make run` and `make test`. Both install what
# is missing, then build incrementally in build/.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

.PHONY: all deps deps-dev configure build run test install package sanitize lint format fuzz bench clean

all: build

deps:
	@scripts/install-deps

deps-dev:
	@scripts/install-deps dev

# Flags given on the command line reconfigure an existing build tree, so a
# changed setting is never silently dropped.
configure: deps
	@if [ ! -f $(BUILD_DIR)/CMakeCache.txt ] || [ -n "$(CMAKE_FLAGS)" ]; then \
		cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS); fi

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/morvane

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A .deb in build/, its dependencies worked out by dpkg-shlibdeps.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# The whole test suite built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer; any finding stops the run.
sanitize: deps-dev
	@if [ ! -f $(SANITIZE_DIR)/CMakeCache.txt ] || [ -n "$(CMAKE_FLAGS)" ]; then \
		CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_DIR) $(CMAKE_FLAGS) \
		-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"; fi
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# reuse (every file's licence), clang-format in check mode and clang-tidy.
lint: deps-dev configure
	scripts/lint $(BUILD_DIR)

# Applies what lint checks for the layout of the code: clang-format in place.
format: deps-dev
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Each fuzz target for FUZZ_SECONDS seconds, from the committed seed corpus.
fuzz: deps-dev
	CMAKE_FLAGS="$(CMAKE_FLAGS)" scripts/fuzz $(FUZZ_SECONDS)

# Start-up time and memory against a minimal two-tab Qt dialog (paired rounds,
# median ratio with its 95% interval), the key-to-screen time of Morvane's
# interactions, micro-benchmarks, and morvane-cli's throughput against awk.
bench: deps-dev build
	cmake -S . -B $(BUILD_DIR) >/dev/null  # finds Google Benchmark if it came with deps-dev
	cmake --build $(BUILD_DIR) --target micro_bench morvane_timed
	./$(BUILD_DIR)/micro_bench
	scripts/bench
	scripts/bench-cli $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) build-fuzz build-bench
