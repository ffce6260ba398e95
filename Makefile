# Thin wrapper around CMake: every target configures the build directory
# itself when it is missing or out of date.
BUILD ?= build
SAN_BUILD ?= build-san
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
# Seconds of fuzzing per target in `make fuzz`.
FUZZ_SECONDS ?= 60

# The Debian packages the build, the tests and the benchmarks need.
PACKAGES := cmake g++ make pkg-config   # the build
PACKAGES += libgtest-dev libgmock-dev   # the tests
PACKAGES += libmpfr-dev                 # the tests: exact reference of the fast trigonometry
PACKAGES += poppler-utils               # the tests: read the PDF report back
PACKAGES += clang-14 libclang-rt-14-dev # the fuzz targets (clang and libFuzzer)
PACKAGES += clang-format                # make check: the format of every file
PACKAGES += libbenchmark-dev nec2c      # the benchmarks, and their yardstick
PACKAGES += libcairo2-dev               # the field maps
PACKAGES += fonts-dejavu-core           # the drawings' "sans-serif": DejaVu Sans, with umlauts
PACKAGES += libtomlplusplus-dev         # kvarn: station files
PACKAGES += libcli11-dev                # kvarn: the command line
PACKAGES += nlohmann-json3-dev          # kvarn: summary.json
PACKAGES += libeigen3-dev               # kvarn: the method-of-moments solve

.PHONY: all build run run-7k test check test-sanitize fuzz bench clean packages

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

# No file includes from a layer above its own, and every file is formatted.
check: packages
	tools/check-layers
	tools/check-format

# The library, the programs and the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer; every test runs, and any report fails.
$(SAN_BUILD)/CMakeCache.txt: | packages
	cmake -S . -B $(SAN_BUILD) -DKVARN_SANITIZE=ON -DKVARN_WERROR=ON $(CMAKE_FLAGS)

test-sanitize: packages $(SAN_BUILD)/CMakeCache.txt
	cmake --build $(SAN_BUILD) -j $(JOBS)
	JOBS=$(JOBS) tools/test-sanitize $(SAN_BUILD)

# The libFuzzer targets of fuzz/, built with clang 14, each run for
# FUZZ_SECONDS from its seed corpus in fuzz/corpus/<name>/.
$(FUZZ_BUILD)/CMakeCache.txt: | packages
	cmake -S . -B $(FUZZ_BUILD) -DKVARN_FUZZ=ON -DKVARN_WERROR=ON \
	    -DCMAKE_CXX_COMPILER=clang++-14 $(CMAKE_FLAGS)

fuzz: packages $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) tools/run-fuzz $(FUZZ_BUILD)

bench: packages $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target kvarn_scan_bench kvarn_map_bench kvarn-batch \
	    kvarn_trig_bench kvarn_yardstick kvarn-7t kvarn_mom_bench kvarn_zone_bench \
	    kvarn_real_ground_bench
	./$(BUILD)/kvarn_scan_bench
	./$(BUILD)/kvarn_trig_bench
	./$(BUILD)/kvarn_map_bench
	./$(BUILD)/kvarn_yardstick $(BUILD)/kvarn-7t
	./$(BUILD)/kvarn_mom_bench
	./$(BUILD)/kvarn_zone_bench
	./$(BUILD)/kvarn_real_ground_bench
	@echo "A 4-band, 3-height assessment of an 80 m wire on 101 x 101 points:"
	@start=$$(date +%s.%N); ./$(BUILD)/kvarn assess bench/station_80m.toml --quiet \
	    --out $(BUILD)/bench-assessment; status=$$?; end=$$(date +%s.%N); \
	    echo "$$start $$end" | awk '{ printf "%.2f s\n", $$2 - $$1 }'; test $$status -le 1

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
