# Thin wrapper around CMake: every target configures the build directory
# itself when it is missing or out of date.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all build run run-7k test bench clean

all: build

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DKVARN_WERROR=ON $(CMAKE_FLAGS)

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target kvarn-7t
	./$(BUILD)/kvarn-7t

run-7k: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target kvarn-7k
	./$(BUILD)/kvarn-7k

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target kvarn_bench
	./$(BUILD)/kvarn_bench 5 E

clean:
	rm -rf $(BUILD)
