# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A thin wrapper over CMake and CTest; see README.md.
BUILD := build
JOBS := $(shell nproc)
CMAKE_FLAGS := -DCMAKE_COMPILE_WARNING_AS_ERROR=ON

.PHONY: all deps deps-test configure configure-test build build-test run test test-sanitize soak fuzz fuzz-build fuzz-replay check-browsers bench install package dist check-reproducible screenshot format clean

all: build

# Running, building, installing and packaging need only tools/install-deps' run set and build
# without the tests; testing and the other checks install the test set and build everything.
deps:
	tools/install-deps run

deps-test:
	tools/install-deps test

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DBUILD_TESTING=OFF

configure-test: deps-test
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DBUILD_TESTING=ON

build: configure
	cmake --build $(BUILD) -j $(JOBS)

build-test: configure-test
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	    echo "make run: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2; \
	    exit 1; \
	fi
	$(BUILD)/tagwright

test: build-test
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Speed and memory figures against their floors, as one table; fails if a target is missed.
bench: build-test
	$(BUILD)/bench/tagwright_bench

# Installs under /usr/local, or under PREFIX=...; DESTDIR=... stages the files elsewhere.
install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# Builds $(BUILD)/tagwright_VERSION_ARCH.deb. CPack gives its members the time SOURCE_DATE_EPOCH,
# by default the last commit's, so that one commit's package is the same byte for byte wherever
# and whenever it is built. A tarball from `make dist` has no .git, but git archive gave each of
# its files the commit's time. CPack takes the modes of the package's top folder and of its
# own members from the umask: 022 gives Debian's.
COMMIT_TIME = $(if $(wildcard .git),$(shell git log -1 --format=%ct),$(shell stat -c %Y CMakeLists.txt))
package: export SOURCE_DATE_EPOCH ?= $(COMMIT_TIME)
package: build
	umask 022 && cmake --build $(BUILD) --target package

# Builds $(BUILD)/tagwright-VERSION.tar.gz, the source release of the checked-out commit.
dist: configure
	cmake --build $(BUILD) --target dist

# Builds the package twice, from two clones in two folders, and says what differs if anything.
check-reproducible:
	tools/check-reproducible

# The program and every test built with AddressSanitizer and UndefinedBehaviorSanitizer
# (leak detection on), then the whole suite run; any finding fails the test that met it.
# Strict string checks stay off: libxkbcommon lawfully strndup()s a buffer with no NUL in
# it. The benchmark smoke pass is left out: it times start-up through an LD_PRELOAD probe,
# which cannot load ahead of the sanitizer runtime, and timings mean nothing here anyway.
SANITIZE_BUILD := build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1 -g
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=0:detect_stack_use_after_return=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitize/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-sanitize: deps-test
	cmake -S . -B $(SANITIZE_BUILD) $(CMAKE_FLAGS) -DBUILD_TESTING=ON -DCMAKE_BUILD_TYPE=Sanitize \
	    -DCMAKE_CXX_FLAGS_SANITIZE="$(SANITIZE_FLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS_SANITIZE="-fsanitize=address,undefined"
	cmake --build $(SANITIZE_BUILD) -j 2
	$(SANITIZE_ENV) ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j 2 -LE bench

# One long run of the model-based random test: SOAK_ACTIONS random actions from SOAK_SEED.
SOAK_SEED := $(shell date +%s)
SOAK_ACTIONS := 200000
soak: build-test
	TAGWRIGHT_SEED=$(SOAK_SEED) TAGWRIGHT_ACTIONS=$(SOAK_ACTIONS) QTEST_FUNCTION_TIMEOUT=86400000 \
	    QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 $(BUILD)/tests/robust/tst_random_use

# The page's encoding under libFuzzer (clang), a target for each thing it checks: `make fuzz`
# searches FUZZ_SECONDS seconds with each and adds what it finds to the corpus they share;
# `make fuzz-replay` runs the saved corpus once through each.
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS := 600
FUZZ_CORPUS := tests/fuzz/corpus
FUZZ_TARGETS := fuzz_page_encoder fuzz_page_readings fuzz_saved_page

fuzz-build: deps-test
	CC=clang CXX=clang++ cmake -S tests/fuzz -B $(FUZZ_BUILD) $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j 2

fuzz: fuzz-build
	for target in $(FUZZ_TARGETS); do \
	    mkdir -p $(FUZZ_BUILD)/found-$$target && \
	    LC_ALL=C.UTF-8 $(FUZZ_BUILD)/$$target -max_total_time=$(FUZZ_SECONDS) \
	        -print_final_stats=1 $(FUZZ_BUILD)/found-$$target $(FUZZ_CORPUS) && \
	    LC_ALL=C.UTF-8 $(FUZZ_BUILD)/$$target -merge=1 $(FUZZ_CORPUS) $(FUZZ_BUILD)/found-$$target \
	    || exit 1; \
	done

fuzz-replay: fuzz-build
	for target in $(FUZZ_TARGETS); do \
	    LC_ALL=C.UTF-8 $(FUZZ_BUILD)/$$target -runs=0 $(FUZZ_CORPUS) || exit 1; \
	done

# Every row of the saved-bytes table, saved as the program saves it, read back in Chromium,
# Firefox ESR and WebKitGTK over file: and loopback HTTP; one table, failing if a page reads
# otherwise than typed. Not part of make test: it needs the browsers.
BROWSER_PAGES := $(BUILD)/browser-pages

check-browsers: build-test
	tools/install-deps browsers
	rm -rf $(BROWSER_PAGES)
	$(BUILD)/tests/browsers/save_pages $(BROWSER_PAGES)
	tools/check-browsers $(BROWSER_PAGES)

screenshot: deps-test build
	tools/screenshot $(BUILD)/tagwright docs/screenshot.png

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
