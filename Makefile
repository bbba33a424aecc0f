# Tavrel: `make run` starts the program, `make test` builds and runs every test.
# Both install the Debian packages they need first (scripts/install-deps).

BUILD_DIR ?= build
BUILD_TYPE ?= Release
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test bench clean install package
.PHONY: test-asan fuzz screenshots

ASAN_BUILD_DIR ?= build-asan
FUZZ_BUILD_DIR ?= build-fuzz
# Seconds each fuzz target runs for.
FUZZ_SECONDS ?= 120

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run-tavrel $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD_DIR)/bin/tavrel_bench --benchmark_repetitions=9 \
	  --benchmark_report_aggregates_only=true --benchmark_display_aggregates_only=true

# Pictures of the main window with each chart and the ephemeris panels, and of
# the station list, set-up and planner windows, for a sample pair of stations,
# rendered offscreen into docs/screenshots/.
screenshots: build
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/tavrel-screenshots docs/screenshots
	@# The manual shows some of the same pictures; they are refreshed with them.
	@for f in data/help/images/*.png; do cp docs/screenshots/$$(basename $$f) $$f; done

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer;
# any finding fails the test it happens in.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_CXX_FLAGS_RELEASE="-O1 -g1" -DCMAKE_C_FLAGS_RELEASE="-O1 -g1" \
	  -DTAVREL_SANITIZE=ON -DTAVREL_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	@cd $(ASAN_BUILD_DIR) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# The fuzz targets (clang's libFuzzer), each run for FUZZ_SECONDS.
fuzz: deps
	@CC=clang CXX=clang++ cmake -S fuzz -B $(FUZZ_BUILD_DIR) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS)
	@bash fuzz/run-fuzzers $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)

# make install [PREFIX=~/.local] [DESTDIR=...]: programs, launcher, library,
# shipped files, desktop entry and icon (default prefix /usr/local).
PREFIX ?=
install: build
	@$(if $(DESTDIR),DESTDIR=$(DESTDIR)) cmake --install $(BUILD_DIR) $(if $(PREFIX),--prefix $(PREFIX))

# make package: the Debian package, in $(BUILD_DIR)/package/.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB --config CPackConfig.cmake
	@ls -1 $(BUILD_DIR)/package/*.deb

clean:
	rm -rf $(BUILD_DIR)
