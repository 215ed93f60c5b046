# Ternary: the everyday commands. Each one installs what the machine lacks first.
BUILD      ?= build
JOBS       ?= 2
FILE       ?=
FUZZ_SECONDS ?= 60
CMAKE_ARGS ?=

.PHONY: all deps configure build run test mutants bench-build bench fuzz test-asan install screenshot clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/ternary $(FILE)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The suite against the deliberate faults of scripts/mutants.txt, in a copy
# of the tree (build-mutants); MUTANTS=name runs only the named ones.
mutants: deps
	@nice -n 10 scripts/mutants --jobs $(JOBS) $(MUTANTS)

bench-build: configure
	@cmake --build $(BUILD) -j$(JOBS) --target ternary_bench

bench: bench-build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/ternary_bench

test-asan: deps
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTERNARY_SANITIZE=ON -DTERNARY_BENCH=OFF >/dev/null
	@cmake --build build-asan -j$(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j$(JOBS)

fuzz: deps
	@CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTERNARY_FUZZ=ON \
		-DTERNARY_TESTS=OFF -DTERNARY_BENCH=OFF >/dev/null
	@cmake --build build-fuzz -j$(JOBS) --target fuzz_plotfile fuzz_plotpaint fuzz_samplefile fuzz_paste
	fuzz/run-fuzz build-fuzz/fuzz/fuzz_plotfile $(FUZZ_SECONDS)
	fuzz/run-fuzz build-fuzz/fuzz/fuzz_plotpaint $(FUZZ_SECONDS)
	fuzz/run-fuzz build-fuzz/fuzz/fuzz_samplefile $(FUZZ_SECONDS) corpus-samples samples.dict
	fuzz/run-fuzz build-fuzz/fuzz/fuzz_paste $(FUZZ_SECONDS) corpus-samples samples.dict

install: build
	cmake --install $(BUILD) --prefix $(or $(PREFIX),/usr/local)

screenshot: build
	scripts/screenshot

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-mutants
