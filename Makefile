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

.PHONY: all deps configure build test run bench screenshots clean package windows-check

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
