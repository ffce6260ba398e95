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
PACKAGES += libbenchmark-dev            # the benchmarks
PACKAGES += clang-14 libclang-rt-14-dev # the fuzz targets (clang and libFuzzer)

.PHONY: all build run run-7k test test-sanitize fuzz bench clean packages

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
	cmake --build $(BUILD) -j $(JOBS) --target kvarn_bench
	./$(BUILD)/kvarn_bench 5 E

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
