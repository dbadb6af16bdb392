# 嘉名 — convenience wrapper around CMake.
#   make run    install what is missing, build (Release) and start the program
#   make test   install what is missing, build and run every test
#   make asan   the test suite under AddressSanitizer + UndefinedBehaviorSanitizer
#   make bench  the benchmarks
#   make screenshot  pictures of the main window into docs/screenshots (Xvfb)

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test asan tsan bench screenshot clean

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
	cd build-tsan && ctest --output-on-failure -j $(JOBS) -L threads

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_BENCHMARKS=ON $(CMAKE_FLAGS)
	cmake --build build-bench -j $(JOBS)
	bench/run.sh build-bench

screenshot: configure
	cmake --build $(BUILD) -j $(JOBS) --target jiaming-screenshot
	tmp=$$(mktemp -d) && JIAMING_CONFIG=$$tmp/config.dat JIAMING_DATA_DIR=$$tmp/data \
	  xvfb-run -a -s "-screen 0 1024x768x24" ./$(BUILD)/jiaming-screenshot docs/screenshots 6 7 detail articles dictionary; \
	  status=$$?; rm -rf $$tmp; exit $$status

clean:
	rm -rf $(BUILD) build-asan build-tsan build-bench
