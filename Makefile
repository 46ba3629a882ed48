# Two commands set everything up: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
# ccache, where the machine has it, keeps rebuilds of several checkouts short.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps configure build run test bench package clean fuzz fuzz-build fuzz-seeds check-sanitize check-sanitize-core soak

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(LAUNCHER)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/pumpdrill

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package, in build/package (see "Installing" in the README).
package: build
	cmake --build $(BUILD_DIR) --target package

bench: build
	$(BUILD_DIR)/bin/pumpdrill-bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/pumpdrill-chart-bench
	$(BUILD_DIR)/bin/pumpdrill-sound-bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/pumpdrill-panel-bench

# Fuzzing: every reader's libFuzzer harness, built with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer, run FUZZ_SECONDS each from its seed corpus.
# The same tree builds the core tests, so that `check-sanitize-core` runs
# them under the sanitizers without a tree of its own.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
SANITIZE_DIR ?= build-sanitize
SANITIZE_ENV := QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp

$(FUZZ_DIR)/build.ninja:
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DPUMPDRILL_FUZZ=ON -DPUMPDRILL_WERROR=OFF -DPUMPDRILL_GUI=OFF -DPUMPDRILL_BENCH=OFF $(LAUNCHER)

fuzz-build: deps $(FUZZ_DIR)/build.ninja
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz-all

fuzz: fuzz-build
	$(SANITIZE_ENV) scripts/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

# Rewrites the seed corpora under fuzz/corpus from the program's writers.
fuzz-seeds: build
	$(BUILD_DIR)/fuzz/make-fuzz-seeds fuzz/corpus

# The whole test suite (window tests offscreen) in a tree built with
# AddressSanitizer and UndefinedBehaviorSanitizer.
$(SANITIZE_DIR)/build.ninja:
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPUMPDRILL_SANITIZE=ON \
	  -DPUMPDRILL_WERROR=OFF -DPUMPDRILL_BENCH=OFF $(LAUNCHER)

check-sanitize: deps $(SANITIZE_DIR)/build.ninja
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

# The core tests, the runner and the readers' seeds and reproducers (no
# windows) under the sanitizers, in the fuzz tree: what CI runs.
check-sanitize-core: deps $(FUZZ_DIR)/build.ninja
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	cd $(FUZZ_DIR) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

# Eight simulated hours of random operator actions in the runner, checked
# every sample.
SOAK_HOURS ?= 8
soak: build
	$(BUILD_DIR)/bin/pumpdrill-sim --soak $(SOAK_HOURS)

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR) $(SANITIZE_DIR)
