# Entry points: `make run` starts the program on the bundled examples,
# `make test` installs what is missing, builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench fuzz package clean

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run-examples $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	@bash bench/install-deps
	@cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSICONV_WITH_BENCH=ON -DSICONV_WITH_TESTS=OFF >/dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS)
	@bash bench/run-benchmarks $(BUILD)-bench

fuzz: deps
	@bash fuzz/run-fuzzers

package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(BUILD)-bench
