# The README's commands. Everything builds with CMake + Ninja; see README.md.
BUILD      ?= build
TEST_BUILD ?= build-test
JOBS       ?= 2
FUZZ_BUILD ?= build-fuzz
# Seconds each fuzz target runs.
FUZZ_SECONDS ?= 60

.PHONY: all setup setup-windows setup-windows-qt windows-desktop build run test test-windows fuzz bench bench-scale installable package test-install screenshots clean

all: build

setup:
	@bash scripts/setup-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The two programs and the files they install (help, man pages, changelog);
# `make test` builds the tests.
build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target quorvex quorvex-cli quorvex_install_files

run: build
	@bash scripts/run-desktop.sh $(BUILD)/quorvex

$(TEST_BUILD)/build.ninja:
	cmake -S . -B $(TEST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Sanitize

# All tests, built with address and undefined-behaviour sanitizers.
test: setup $(TEST_BUILD)/build.ninja
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j $(JOBS) -LE long

# Every fuzz target for FUZZ_SECONDS; an input that finds a fault is kept in
# tests/fuzz/inputs/<target>/, where `make test` replays it.
fuzz:
	@bash scripts/setup-deps.sh --fuzz
	@test -f $(FUZZ_BUILD)/build.ninja || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja \
	    -DCMAKE_BUILD_TYPE=Fuzz -DQUORVEX_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The Windows build: core, tests and quorvex-cli cross-compiled with MinGW-w64 and
# run under Wine (scripts/test-windows.sh). Its packages are a separate, large group.
setup-windows: setup
	@bash scripts/setup-deps.sh --windows

# The Linux quorvex-cli that the Windows one is checked against is the test build's.
test-windows: setup-windows $(TEST_BUILD)/build.ninja
	cmake --build $(TEST_BUILD) -j $(JOBS) --target quorvex-cli
	JOBS=$(JOBS) bash scripts/test-windows.sh $(TEST_BUILD)/quorvex-cli

# The static Qt of the Windows desktop program, cross-built once from Debian's
# qt6-base source into WINDOWS_QT, outside the repository (about two hours).
WINDOWS_QT ?= $(HOME)/.cache/quorvex/qt6-mingw-static
setup-windows-qt: setup-windows
	QUORVEX_WINDOWS_QT=$(WINDOWS_QT) JOBS=$(JOBS) bash scripts/setup-windows-qt.sh

# The desktop program for Windows with that Qt, checked under Wine, and its zip
# (scripts/windows-desktop.sh); its rows are checked against the test build's
# Linux quorvex-cli.
windows-desktop: setup-windows $(TEST_BUILD)/build.ninja
	cmake --build $(TEST_BUILD) -j $(JOBS) --target quorvex-cli
	QUORVEX_WINDOWS_QT=$(WINDOWS_QT) JOBS=$(JOBS) bash scripts/windows-desktop.sh $(TEST_BUILD)/quorvex-cli

bench: build
	@bash bench/run-all.sh $(BUILD)

# A million files beside jdupes, find and rsync (opt-in: about 5 GiB under /tmp, and
# the tree takes a while to build once; its writing is bound by the disk).
bench-scale: build
	QUORVEX_CLI=$(BUILD)/quorvex-cli bash bench/bench-scale.sh

# The build set up for /usr, where the package installs it.
installable: setup $(BUILD)/build.ninja
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
	@$(MAKE) --no-print-directory build

# The Debian package, copied here: apt install ./quorvex_*.deb
package: installable
	cd $(BUILD) && cpack -G DEB
	cp $(BUILD)/quorvex_*.deb .

# Installs into a DESTDIR, starts both programs from there, validates the desktop
# entry and the metainfo, and runs lintian on the package.
test-install: installable
	cd $(BUILD) && ctest --output-on-failure -L install

# The README's and the metainfo's pictures, docs/screenshots/*.png, taken under Xvfb;
# the English interface's in docs/screenshots/en/.
screenshots: build
	@bash scripts/screenshots.sh $(BUILD)/quorvex docs/screenshots ja
	@bash scripts/screenshots.sh $(BUILD)/quorvex docs/screenshots/en en

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(FUZZ_BUILD) build-windows build-windows-desktop quorvex_*.deb \
	    quorvex-*-windows-x64.zip
