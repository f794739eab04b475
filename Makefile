# A thin wrapper over CMake and CTest; see README.md.
BUILD := build
JOBS := $(shell nproc)
CMAKE_FLAGS := -DCMAKE_COMPILE_WARNING_AS_ERROR=ON

.PHONY: all deps configure build run test bench install package screenshot format clean

all: build

deps:
	tools/install-deps

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	    echo "make run: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2; \
	    exit 1; \
	fi
	$(BUILD)/tagwright

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Speed and memory figures against their floors, as one table; fails if a target is missed.
bench: build
	$(BUILD)/bench/tagwright_bench

# Installs under /usr/local, or under PREFIX=...; DESTDIR=... stages the files elsewhere.
install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# Builds $(BUILD)/tagwright_VERSION_ARCH.deb.
package: build
	cmake --build $(BUILD) --target package

screenshot: build
	tools/screenshot $(BUILD)/tagwright docs/screenshot.png

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
