# A thin wrapper over CMake and CTest; see README.md.
BUILD := build
JOBS := $(shell nproc)
CMAKE_FLAGS := -DCMAKE_COMPILE_WARNING_AS_ERROR=ON

.PHONY: all deps configure build run test screenshot format clean

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

screenshot: build
	tools/install-deps xvfb xauth xdotool imagemagick
	tools/screenshot $(BUILD)/tagwright docs/screenshot.png

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
