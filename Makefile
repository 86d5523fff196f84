# SPDX-License-Identifier: GPL-3.0-or-later
# Quick start: `make run` opens the calculator, `make test` runs every test.
# Both install the missing Debian packages first and rebuild incrementally.
# `make run` and `make package` build the program only (Qt is all they need);
# `make test` and `make bench` switch the tests / benchmarks on in the same
# build folder, so going back and forth recompiles nothing twice.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?=
ifdef CI
CMAKE_ARGS += -DPILECALC_WERROR=ON
endif

.PHONY: all deps configure build test run bench screenshots clean package windows-check sanitize fuzz

# $(call cache_option,NAME,VALUE): sets a cache option of the build folder
# only when it differs, so the build files are regenerated at most once.
cache_option = grep -qx '$(1):BOOL=$(2)' $(BUILD_DIR)/CMakeCache.txt || cmake -S . -B $(BUILD_DIR) -D$(1)=$(2) >/dev/null

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@test -f $(BUILD_DIR)/CMakeCache.txt || \
	  cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)

build: configure
	@$(call cache_option,BUILD_TESTING,ON)
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel $(JOBS)

# The window alone: no test or benchmark is configured or compiled.
program:
	@tools/install-deps.sh build
	@test -f $(BUILD_DIR)/CMakeCache.txt || \
	  cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF $(CMAKE_ARGS)
	@cmake --build $(BUILD_DIR) --parallel $(JOBS) --target pilecalc

run: program
	@$(BUILD_DIR)/app/pilecalc

bench: configure
	@$(call cache_option,PILECALC_BUILD_BENCH,ON)
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)
	@for b in $(BUILD_DIR)/bench/bench_*; do \
	  [ -x "$$b" ] || continue; echo "== $$(basename $$b)"; QT_QPA_PLATFORM=offscreen "$$b" || exit 1; \
	done

screenshots: build
	@mkdir -p $(BUILD_DIR)/screenshots
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/app/pilecalc_screenshots $(BUILD_DIR)/screenshots
	@QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 $(BUILD_DIR)/app/pilecalc_screenshots $(BUILD_DIR)/screenshots _150
	@QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD_DIR)/app/pilecalc_screenshots $(BUILD_DIR)/screenshots _200

# A Debian package of the program (pilecalc_<version>_<arch>.deb in this folder),
# checked with lintian; the package's dependencies come from its libraries.
package: program
	@tools/install-deps.sh package
	@desktop-file-validate packaging/org.example.pilecalc.desktop
	@appstreamcli validate --no-net packaging/org.example.pilecalc.metainfo.xml
	@rm -rf $(BUILD_DIR)/packages && rm -f pilecalc_*.deb
	@cd $(BUILD_DIR) && cpack -G DEB -B $(CURDIR)/$(BUILD_DIR)/packages >/dev/null
	@cp $(BUILD_DIR)/packages/pilecalc_*.deb .
	@ls pilecalc_*.deb
	@lintian --fail-on error pilecalc_*.deb

# The core (engine, reports, optimisation) and the Windows code page unit,
# cross-compiled with MinGW-w64 and run with their tests under Wine, the code
# page tests once in a Chinese and once in a western locale.
WINDOWS_BUILD_DIR ?= build-windows
windows-check:
	@tools/install-deps.sh windows
	@tools/windows-check.sh $(WINDOWS_BUILD_DIR) $(JOBS) $(CMAKE_ARGS)

clean:
	rm -rf $(BUILD_DIR)

# Everything built with AddressSanitizer and UndefinedBehaviorSanitizer in its
# own folder, every test run; the first report of either fails the target.
# Leak reports may be suppressed for Qt, fontconfig and other system libraries
# only (tools/lsan-suppressions.txt), never for this project's code.
SANITIZE_DIR ?= build-sanitize
# gcc leaves float-cast-overflow out of "undefined"; clang's fuzz build has it.
SANITIZE_FLAGS := -O1 -g -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all \
  -fno-omit-frame-pointer
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:strict_init_order=1:check_initialization_order=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan-suppressions.txt:print_suppressions=0

sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
	    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" -DPILECALC_APP_TEST_TIMEOUT=1200 >/dev/null
	@$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	@cd $(SANITIZE_DIR) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel $(JOBS)

# libFuzzer targets of fuzz/ over the core libraries, built with clang in
# their own folder; each runs FUZZ_SECONDS from its seed corpus in fuzz/corpus
# (copied, so new entries never land in the repository). Any crash, sanitizer
# report or broken property fails the target.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=

fuzz:
	@tools/install-deps.sh fuzz
	@test -f $(FUZZ_DIR)/CMakeCache.txt || \
	  CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DPILECALC_BUILD_APP=OFF -DBUILD_TESTING=OFF -DPILECALC_FUZZ=ON
	@cmake --build $(FUZZ_DIR) --parallel $(JOBS) --target fuzz_targets
	@fuzz/run.sh $(FUZZ_DIR)/fuzz $(FUZZ_SECONDS) $(FUZZ_TARGETS)
