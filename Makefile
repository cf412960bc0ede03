# make run   installs what is missing, builds, and opens the program on its history
#            (or prints the prediction where there is no display)
# make test  installs what is missing, builds, and runs every test
# make bench installs what is missing, builds, and runs the benchmarks and the start-up
#            comparison with a bare Qt program

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench format clean

all: build

deps:
	@./scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then \
	  cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS); \
	fi

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@./scripts/run-pirumo $(BUILD_DIR)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS) --timeout 300

bench: build
	$(BUILD_DIR)/benchmarks/pirumo_bench
	if [ -x $(BUILD_DIR)/benchmarks/pirumo_ui_bench ]; then $(BUILD_DIR)/benchmarks/pirumo_ui_bench; fi
	if [ -x $(BUILD_DIR)/pirumo ]; then ./scripts/bench-startup $(BUILD_DIR); fi

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
