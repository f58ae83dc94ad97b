# The two commands a player or developer needs: `make run` and `make test`.
# Everything else here serves them or the maintainers.

BUILD      := build
SANITIZE   := build-sanitize
FUZZ_BUILD := build-fuzz
JOBS       := $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: run test deps build build-sanitize bench fuzz art clean

run: build
	$(BUILD)/app/kestravane

test: build build-sanitize
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(SANITIZE) --output-on-failure -j $(JOBS)

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

build-sanitize: deps
	@cmake -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DKESTRAVANE_SANITIZE=ON -DKESTRAVANE_BENCH=OFF >/dev/null
	cmake --build $(SANITIZE) -j $(JOBS)

bench: build
	@scripts/install-deps.sh xvfb bc
	$(BUILD)/bench/kestravane-bench
	$(BUILD)/bench/kestravane-paint-bench
	bench/startup.sh $(BUILD)

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKESTRAVANE_FUZZ=ON -DKESTRAVANE_BENCH=OFF -DKESTRAVANE_TESTS=OFF >/dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz-game-file fuzz-settings kestravane-tool
	scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Redraws every icon, picture and sound into resources/ and the contact sheet.
art: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS) --target kestravane-art
	$(BUILD)/tools/art/kestravane-art resources

clean:
	rm -rf $(BUILD) $(SANITIZE) $(FUZZ_BUILD)
