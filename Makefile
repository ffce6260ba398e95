# Thin wrapper around CMake: every target configures the build directory
# itself when it is missing or out of date.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

# The Debian packages the build, the tests and the benchmarks need.
PACKAGES := cmake g++ make pkg-config   # the build
PACKAGES += libgtest-dev libgmock-dev   # the tests
PACKAGES += poppler-utils               # the tests: read the PDF report back
PACKAGES += libbenchmark-dev            # the benchmarks
PACKAGES += libcairo2-dev               # the field maps
PACKAGES += libtomlplusplus-dev         # kvarn: station files
PACKAGES += libcli11-dev                # kvarn: the command line
PACKAGES += nlohmann-json3-dev          # kvarn: summary.json

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
	cmake --build $(BUILD) -j $(JOBS) --target kvarn_scan_bench kvarn_map_bench kvarn-batch
	./$(BUILD)/kvarn_scan_bench
	./$(BUILD)/kvarn_map_bench
	@echo "A 4-band, 3-height assessment of an 80 m wire on 101 x 101 points:"
	@start=$$(date +%s.%N); ./$(BUILD)/kvarn assess bench/station_80m.toml --quiet \
	    --out $(BUILD)/bench-assessment; status=$$?; end=$$(date +%s.%N); \
	    echo "$$start $$end" | awk '{ printf "%.2f s\n", $$2 - $$1 }'; test $$status -le 1

clean:
	rm -rf $(BUILD)
