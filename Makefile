# Quick start: `make run` opens the calculator, `make test` runs every test.
# Both install the missing Debian packages first and rebuild incrementally.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?=
ifdef CI
CMAKE_ARGS += -DPILECALC_WERROR=ON
endif

.PHONY: all deps configure build test run bench screenshots clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@test -f $(BUILD_DIR)/CMakeCache.txt || \
	  cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel $(JOBS)

run: build
	@$(BUILD_DIR)/app/pilecalc

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do \
	  [ -x "$$b" ] || continue; echo "== $$(basename $$b)"; QT_QPA_PLATFORM=offscreen "$$b" || exit 1; \
	done

screenshots: build
	@mkdir -p $(BUILD_DIR)/screenshots
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/app/pilecalc_screenshots $(BUILD_DIR)/screenshots
	@QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 $(BUILD_DIR)/app/pilecalc_screenshots $(BUILD_DIR)/screenshots _150
	@QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD_DIR)/app/pilecalc_screenshots $(BUILD_DIR)/screenshots _200

clean:
	rm -rf $(BUILD_DIR)
