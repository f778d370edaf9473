# The two everyday commands: `make run` builds and starts the viewer, `make test` builds and runs
# every test. Both install the Debian packages they need first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench clean

all: build

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRO_WERROR=ON $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/kestro-read $(FILE)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The benchmarks, in an optimised build of their own; prints every case.
bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTRO_BENCH=ON -DKESTRO_BUILD_TESTS=OFF
	cmake --build build-bench -j $(JOBS)
	build-bench/bench/kestro_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	QT_QPA_PLATFORM=offscreen build-bench/bench/kestro_bench_qt --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

clean:
	rm -rf $(BUILD)

# The fuzz target, built with clang and the sanitizers in its own folder, run for FUZZ_SECONDS on
# the seed inputs of fuzz/corpus; what it learns stays in $(FUZZ_BUILD)/corpus for the next run.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300

.PHONY: fuzz

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DKESTRO_FUZZ=ON -DKESTRO_BUILD_GUI=OFF \
		-DKESTRO_BUILD_TESTS=OFF -DKESTRO_WERROR=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target kestro-fuzz-load
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/artifacts
	$(FUZZ_BUILD)/fuzz/kestro-fuzz-load -max_total_time=$(FUZZ_SECONDS) -max_len=140000 \
		-timeout=60 -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/artifacts/ \
		$(FUZZ_BUILD)/corpus fuzz/corpus
