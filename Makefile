# One command to play, one to test. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX ?= /usr/local

.PHONY: run test build game install clean deps play-deps sanitize bench fuzz fuzz-ci valgrind

deps:
	@scripts/install-deps

play-deps:
	@KVORLIN_PLAY_ONLY=1 scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

# Only what playing needs: the game, its levels, its tunes and its icons.
game: play-deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target kvorlin levels tunes desktop_icons

# The game, its files, desktop entry, metainfo and icons under PREFIX (DESTDIR is honoured).
install: game
	cmake --install $(BUILD) --prefix $(PREFIX)

# Configured again so that tests left out by a play-only first build (no GoogleTest yet) come in.
build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: game
	$(BUILD)/kvorlin

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The whole suite once more with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DKVORLIN_SANITIZE=ON -DKVORLIN_WERROR=ON
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# Every parser's libFuzzer target (clang), FUZZ_SECONDS each (default 60); fuzz-ci briefly.
fuzz:
	FUZZ_SECONDS=$${FUZZ_SECONDS:-60} JOBS=$(JOBS) BUILD=$(BUILD) scripts/fuzz

fuzz-ci:
	FUZZ_SECONDS=6 JOBS=$(JOBS) BUILD=$(BUILD) scripts/fuzz

# A headless game under Valgrind's memory checker.
valgrind: build
	KVORLIN_VALGRIND=1 scripts/install-deps
	scripts/valgrind $(BUILD)

bench: build
	$(BUILD)/bench/pacing

clean:
	rm -rf $(BUILD) $(BUILD)-asan build-fuzz
