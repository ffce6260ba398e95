# Thin wrapper around CMake: every target configures the build directory
# itself when it is missing or out of date.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

# The Debian packages the build, the tests and the benchmarks need.
PACKAGES := cmake g++ make pkg-config   # the build
PACKAGES += libgtest-dev libgmock-dev   # the tests
PACKAGES += libbenchmark-dev            # the benchmarks
PACKAGES += libcairo2-dev               # the field maps

.PHONY: all build run run-7k test bench clean packages

all: build

# Installs what is missing (as root), or says what to install.
packages:
	@tools/ensure-packages $(PACKAGES)

$(BUILD)/CMakeCache.txt: | packages
	cmake -S . -B $(BUILD) -DKVARN_WERROR=ON $(CMAKE_FLAGS)

build: packages $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: packages $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target kvarn-7t
	./$(BUILD)/kvarn-7t

run-7k: packages $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target kvarn-7k
	./$(BUILD)/kvarn-7k

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: packages $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target kvarn_scan_bench
	./$(BUILD)/kvarn_scan_bench

clean:
	rm -rf $(BUILD)
