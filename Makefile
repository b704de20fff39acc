# The README's commands. Everything builds with CMake + Ninja; see README.md.
BUILD      ?= build
TEST_BUILD ?= build-test
JOBS       ?= 2

.PHONY: all setup build run test bench clean

all: build

setup:
	@bash scripts/setup-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The two programs only; `make test` builds the tests.
build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target quorvex quorvex-cli

run: build
	@bash scripts/run-desktop.sh $(BUILD)/quorvex

$(TEST_BUILD)/build.ninja:
	cmake -S . -B $(TEST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Sanitize

# All tests, built with address and undefined-behaviour sanitizers.
test: setup $(TEST_BUILD)/build.ninja
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j $(JOBS) -LE long

bench: build
	@bash bench/run-all.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(TEST_BUILD)
