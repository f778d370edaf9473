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

clean:
	rm -rf $(BUILD)
