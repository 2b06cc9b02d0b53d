# Entry points: `make run` starts the program on the bundled examples,
# `make test` installs what is missing, builds and runs every test, the
# Windows test programs under Wine and the packages as installed included;
# `make sanitize` builds and runs the tests of the Qt-free code under
# AddressSanitizer and UndefinedBehaviorSanitizer in a build of its own;
# `make package` makes the Debian packages and `make windows` the Windows zip,
# setup program and MSI, in dist/.
BUILD ?= build
WINDOWS_BUILD ?= build-windows
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

VERSION := $(shell grep -o 'siconv VERSION [0-9.]*' CMakeLists.txt | cut -d' ' -f3)

.PHONY: all deps configure build run test sanitize bench fuzz package clean \
	windows-configure windows windows-test

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
	@bash scripts/run-tests $(BUILD) $(WINDOWS_BUILD) $(JOBS)

sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DSICONV_SANITIZE=ON -DSICONV_WITH_UI=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)

windows-configure: deps
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
	  -DSICONV_WITH_UI=OFF $(CMAKE_FLAGS) >/dev/null

windows: windows-configure
	@cmake --build $(WINDOWS_BUILD) --target siconv siconv-cli -j $(JOBS)
	@bash scripts/package-windows $(WINDOWS_BUILD) $(VERSION) dist

# The Windows test programs under Wine, the examples converted by both builds'
# siconv-cli, then the setup program and the MSI installed, upgraded and
# removed; the time of this part is printed at its end.
windows-test: windows-configure
	@bash scripts/windows-tests $(BUILD) $(WINDOWS_BUILD) $(JOBS)

bench: deps
	@bash bench/install-deps
	@cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSICONV_WITH_BENCH=ON -DSICONV_WITH_TESTS=OFF >/dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS)
	@bash bench/run-benchmarks $(BUILD)-bench

fuzz: deps
	@bash fuzz/install-deps
	@bash fuzz/run-fuzzers

package: build
	@bash scripts/install-deps lintian
	@cd $(BUILD) && cpack -G DEB -D CPACK_OUTPUT_FILE_PREFIX=$(CURDIR)/dist
	@bash scripts/check-packages dist/siconv*_$(VERSION)_*.deb

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(WINDOWS_BUILD) $(SANITIZE_BUILD) dist
