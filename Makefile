# The two commands of the README: `make run` and `make test` (plus `make bench`, and
# `make install` and `make deb` for an installed program). Each installs what is missing,
# configures and builds into build/.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps configure build run test bench install deb clean format format-check sanitize \
	sanitize-window threads fuzz winnable-shares

all: build

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	cd $(BUILD_DIR) && ./tindle

test: build format-check
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The engine, the drawing code, the command-line tools, the tests that link only the engine and
# those of the window program's help-file and score-file readers, built with AddressSanitizer
# and UndefinedBehaviorSanitizer into build-san/ and run; any finding fails the run.
# TINDLE_SANITIZE sets the compiler flags and leaves the window program and the other tests
# out; the resource library is the regular build's.
SAN_DIR ?= build-san
CCACHE := $(shell command -v ccache 2>/dev/null)
SAN_ENV = QT_QPA_PLATFORM=offscreen \
	ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1 \
	UBSAN_OPTIONS=print_stacktrace=1

# A checked build's folder configured: $(1) the folder, $(2) the CMake option that sets its
# compiler flags. Its tests read the regular build's resource library, built first.
define configure_checked_build
	cmake --build $(BUILD_DIR) -j $(JOBS) --target zuv_rgf
	cmake -S . -B $(1) -DCMAKE_BUILD_TYPE= -D$(2)=ON \
		-DTINDLE_RESOURCE_LIBRARY=$(abspath $(BUILD_DIR))/ZUV.RGF \
		$(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE))
endef

sanitize: configure
	$(call configure_checked_build,$(SAN_DIR),TINDLE_SANITIZE)
	$(SAN_ENV) cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && $(SAN_ENV) ctest --output-on-failure -j $(JOBS)

# The code the sanitizer build leaves out (the drawing tests, the windows and dialogs, the whole
# program) under the same sanitizers: the drawing tests, the window's tests and the
# whole-program tests built into build-asan/ and run (the programs those start are the same
# build); any finding fails the run. TINDLE_SANITIZE_WINDOW sets the compiler flags. Not part of
# `make test` (a build of its own); CI runs it after `make sanitize`. fontconfig keeps what it
# allocates to the end of the process, which the leak check would report (tests/lsan.supp).
ASAN_DIR ?= build-asan
ASAN_ENV = $(SAN_ENV) LSAN_OPTIONS=suppressions=$(abspath tests/lsan.supp)

sanitize-window: configure
	$(call configure_checked_build,$(ASAN_DIR),TINDLE_SANITIZE_WINDOW)
	cmake --build $(ASAN_DIR) -j $(JOBS) --target test_table test_shell test_e2e
	cd $(ASAN_DIR) && $(ASAN_ENV) tests/test_table && $(ASAN_ENV) tests/test_shell && \
		$(ASAN_ENV) tests/test_e2e

# The window program's threads (the start's picture worker, the solver's, the sound module's)
# checked by ThreadSanitizer: its tests and whole-program tests built into build-tsan/ and run,
# every process's reports written beside them; any report fails the run. TINDLE_SANITIZE_THREADS
# sets the compiler flags. Not part of `make test` (a build of its own, about ten minutes on
# two processors). Races reported with Qt or fontconfig in a stack are suppressed
# (tests/tsan.supp says why).
TSAN_DIR ?= build-tsan
TSAN_ENV = QT_QPA_PLATFORM=offscreen \
	TSAN_OPTIONS=suppressions=$(abspath tests/tsan.supp):log_path=$(abspath $(TSAN_DIR))/tsan-report:die_after_fork=0:exitcode=0

threads: configure
	$(call configure_checked_build,$(TSAN_DIR),TINDLE_SANITIZE_THREADS)
	cmake --build $(TSAN_DIR) -j $(JOBS) --target test_shell test_e2e
	rm -f $(TSAN_DIR)/tsan-report.*
	cd $(TSAN_DIR) && $(TSAN_ENV) tests/test_shell && $(TSAN_ENV) tests/test_e2e
	@if grep -l "WARNING: ThreadSanitizer" $(TSAN_DIR)/tsan-report.* 2>/dev/null; then \
		cat $(TSAN_DIR)/tsan-report.*; echo "make threads: races reported (above)"; exit 1; \
	fi

# Every C++ file of the repository follows .clang-format; `make format` applies it.
FORMAT_FILES = git ls-files -z '*.cpp' '*.h'

format-check: deps
	$(FORMAT_FILES) | xargs -0 clang-format --dry-run -Werror

format: deps
	$(FORMAT_FILES) | xargs -0 clang-format -i

bench: configure
	./scripts/install-deps bench
	cmake --build $(BUILD_DIR) -j $(JOBS) --target benchmarks
	cd $(BUILD_DIR) && for b in bench/bench_*; do \
		if [ -f "$$b" ] && [ -x "$$b" ]; then QT_QPA_PLATFORM=offscreen "$$b" || exit 1; fi; \
	done
	BUILD_DIR=$(BUILD_DIR) ./bench/startup.sh

# The solver's share of winnable deals for every game, measured anew into games/WINNABLE.DAT
# (long: 200 deals of up to 2 s each per game; DEALS, BUDGET_MS and GAMES="ID ..." narrow it).
winnable-shares: build
	DEALS=$(DEALS) BUDGET_MS=$(BUDGET_MS) GAMES="$(GAMES)" ./scripts/winnable-shares $(BUILD_DIR)

# The installed program (desktop/README.md): `make install PREFIX=...`, or the Debian package
# build/tindle_<version>_<arch>.deb.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

deb: build
	cd $(BUILD_DIR) && cpack -G DEB

# Fuzzing with libFuzzer (clang) into build-fuzz/: every target of tests/fuzz runs
# FUZZ_SECONDS (default 600) from its corpus, then a table of executions, speed, corpus size,
# crashes and hangs is printed; FUZZ_TARGETS picks some ("games_dat move_file"). Not part of
# `make test`, which replays the corpus and the past failures of every target instead.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 600
FUZZ_TARGETS ?=

fuzz:
	./scripts/install-deps fuzz
	CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINDLE_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets
	./scripts/fuzz $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD_DIR)
