# 嘉名 — convenience wrapper around CMake.
#   make run    install what is missing, build (Release) and start the program
#   make test   install what is missing, build and run every test
#   make asan   the test suite under AddressSanitizer + UndefinedBehaviorSanitizer
#   make bench  the benchmarks and command timings, written to bench/RESULTS.md
#   make fuzz   every fuzz target under libFuzzer (clang), FUZZ_RUNS (ten million) executions each
#   make fuzz-smoke  the same, about 20 seconds per target
#   make sanitizers  the asan and tsan runs one after the other
#   make screenshot  pictures of the windows into docs/screenshots (Xvfb)

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test asan tsan sanitizers fuzz fuzz-build fuzz-smoke bench screenshot clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/jiaming

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DWITH_ASAN=ON $(CMAKE_FLAGS)
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

tsan: deps
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DWITH_TSAN=ON $(CMAKE_FLAGS)
	cmake --build build-tsan -j $(JOBS)
	cd build-tsan && TSAN_OPTIONS="suppressions=$(CURDIR)/tests/tsan.supp halt_on_error=1" \
	  ctest --output-on-failure -j $(JOBS) -L threads

sanitizers: asan tsan

FUZZ_RUNS ?= 10000000
# Seconds per target, 0 for no limit (the full runs take hours on a busy machine).
FUZZ_MAX_TIME ?= 0
FUZZ_TARGETS = text settings records chart marker hanzi dbload cliargs
FUZZ_NICE ?= nice -n 19
fuzz-build: deps
	@scripts/install-deps.sh fuzz
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_GUI=OFF \
	  -DBUILD_TESTING=OFF -DBUILD_FUZZERS=ON -DWITH_ASAN=ON $(CMAKE_FLAGS)
	cmake --build build-fuzz -j $(JOBS) --target $(addsuffix _fuzz,$(FUZZ_TARGETS))

# One target after the other, each from the committed seeds plus what earlier
# runs found (build-fuzz/corpus/<target>); logs in build-fuzz/logs, figures
# per target printed at the end by fuzz/summary.py.
fuzz: fuzz-build
	mkdir -p build-fuzz/logs
	for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t && \
	  $(FUZZ_NICE) ./build-fuzz/$${t}_fuzz -runs=$(FUZZ_RUNS) -max_total_time=$(FUZZ_MAX_TIME) \
	    -print_final_stats=1 build-fuzz/corpus/$$t fuzz/corpus/$$t > build-fuzz/logs/$$t.log 2>&1 \
	    || { tail -40 build-fuzz/logs/$$t.log; exit 1; }; \
	done
	fuzz/summary.py $(addprefix build-fuzz/logs/,$(addsuffix .log,$(FUZZ_TARGETS)))

# A short run of every target (about 20 s each), for CI.
fuzz-smoke:
	$(MAKE) fuzz FUZZ_RUNS=200000 FUZZ_MAX_TIME=20

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_BENCHMARKS=ON -DBUILD_GUI=OFF \
	  -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build build-bench -j $(JOBS)
	bench/report.py build-bench build-bench/data/namedata.db

screenshot: configure
	cmake --build $(BUILD) -j $(JOBS) --target jiaming-screenshot
	tmp=$$(mktemp -d) && JIAMING_CONFIG=$$tmp/config.dat JIAMING_DATA_DIR=$$tmp/data \
	  xvfb-run -a -s "-screen 0 1024x768x24" ./$(BUILD)/jiaming-screenshot docs/screenshots 7 highscore detail articles; \
	  status=$$?; rm -rf $$tmp; [ $$status -eq 0 ] || exit $$status
	scripts/screenshots.sh docs/screenshots $(BUILD)/jiaming

clean:
	rm -rf $(BUILD) build-asan build-tsan build-bench build-fuzz
