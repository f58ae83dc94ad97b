# The two commands a player or developer needs: `make run` and `make test`.
# Everything else here serves them or the maintainers.

BUILD      := build
SANITIZE   := build-sanitize
FUZZ_BUILD := build-fuzz
COVERAGE   := build-coverage
JOBS       := $(shell nproc)
FUZZ_SECONDS ?= 60
# `make install` puts the game under PREFIX, inside DESTDIR when one is given.
PREFIX     ?= /usr/local
DESTDIR    ?=
# A number of inputs for each fuzzer instead of a time: make fuzz FUZZ_RUNS=1000000
FUZZ_RUNS ?=

# Our own builds treat warnings as errors; a packager's plain cmake does not.
BUILD_OPTIONS    := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRAVANE_WERROR=ON
SANITIZE_OPTIONS := -DCMAKE_BUILD_TYPE=Debug -DKESTRAVANE_SANITIZE=ON -DKESTRAVANE_BENCH=OFF \
                    -DKESTRAVANE_WERROR=ON

# $(call configure,DIR,CC,CXX,OPTIONS) configures DIR for the compiler CXX.
# CMake keeps the compiler a directory was first configured with and ignores
# CC and CXX afterwards, so a directory configured for another compiler is
# removed first: its objects would not match either.
define configure
	@cached=$$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' $(1)/CMakeCache.txt 2>/dev/null); \
	if [ -n "$$cached" ] && [ "$$(readlink -f "$$cached")" != "$$(readlink -f "$$(command -v $(3))")" ]; then \
	  echo "$(1) was configured for $$cached: removing it to build with $(3)"; \
	  rm -rf $(1); \
	fi
	@CC=$(2) CXX=$(3) cmake -S . -B $(1) $(4) >/dev/null
endef

.PHONY: run test deps build build-game build-sanitize install package bench fuzz art screenshots coverage clean

run: build-game
	$(BUILD)/app/kestravane

test: build build-sanitize
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(SANITIZE) --output-on-failure -j $(JOBS)
	@scripts/count-lines.sh

deps:
	@scripts/install-deps.sh

build: deps
	$(call configure,$(BUILD),gcc,g++,$(BUILD_OPTIONS))
	cmake --build $(BUILD) -j $(JOBS)

# The game and its sound player alone, so that a first `make run` does not
# wait for the tests, the tools and the benchmarks.
build-game: deps
	$(call configure,$(BUILD),gcc,g++,$(BUILD_OPTIONS))
	cmake --build $(BUILD) -j $(JOBS) --target kestravane

# Clang's sanitizers: they find more than GCC's, and the warnings of a second
# compiler come with them.
build-sanitize: deps
	$(call configure,$(SANITIZE),clang,clang++,$(SANITIZE_OPTIONS))
	cmake --build $(SANITIZE) -j $(JOBS)

# The game, its sound player, its desktop entry, icons, file type, metadata
# and manual pages: `sudo make install` after `make test` or `make run`.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package of the same build: $(BUILD)/kestravane_<version>_<arch>.deb,
# which lintian must pass without an error or a warning.
package: build
	@scripts/install-deps.sh lintian
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error,warning $(BUILD)/kestravane_*.deb

bench: build
	@scripts/install-deps.sh xvfb bc
	$(BUILD)/bench/kestravane-bench
	$(BUILD)/bench/kestravane-paint-bench
	$(BUILD)/bench/kestravane-flight-bench
	$(BUILD)/bench/kestravane-settings-bench
	bench/startup.sh $(BUILD)

fuzz: deps
	$(call configure,$(FUZZ_BUILD),clang,clang++,-DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKESTRAVANE_FUZZ=ON -DKESTRAVANE_BENCH=OFF -DKESTRAVANE_TESTS=OFF)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz-game-file fuzz-game-play fuzz-settings \
	  fuzz-record-file fuzz-hand-over kestravane-tool
	scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_RUNS)

# Redraws every icon, picture and sound into resources/.
art: deps
	$(call configure,$(BUILD),gcc,g++,$(BUILD_OPTIONS))
	cmake --build $(BUILD) -j $(JOBS) --target kestravane-art
	$(BUILD)/tools/art/kestravane-art resources

# Redraws the software centre's screenshots into packaging/screenshots/.
screenshots: deps
	$(call configure,$(BUILD),gcc,g++,$(BUILD_OPTIONS))
	cmake --build $(BUILD) -j $(JOBS) --target kestravane-screenshots
	$(BUILD)/tools/screenshots/kestravane-screenshots packaging/screenshots

# Line coverage of the product under the whole suite: overall, then by module.
coverage: deps
	@scripts/install-deps.sh gcovr
	$(call configure,$(COVERAGE),gcc,g++,-DCMAKE_BUILD_TYPE=Debug -DKESTRAVANE_COVERAGE=ON -DKESTRAVANE_BENCH=OFF)
	find $(COVERAGE) -name '*.gcno' -delete
	cmake --build $(COVERAGE) -j $(JOBS) --clean-first
	find $(COVERAGE) -name '*.gcda' -delete
	ctest --test-dir $(COVERAGE) -j $(JOBS) >/dev/null || true
	@scripts/coverage-report.sh $(COVERAGE)

clean:
	rm -rf $(BUILD) $(SANITIZE) $(FUZZ_BUILD) $(COVERAGE)
