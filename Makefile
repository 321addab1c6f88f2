# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
JOBS ?= $(shell nproc)

.PHONY: all setup configure build run test bench fuzz package clean

all: build

setup:
	@sh scripts/setup.sh

configure: setup
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/tessel

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The Debian package $(BUILD)/tessel_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD) --target package

bench: build
	sh scripts/run-benchmarks.sh $(BUILD)

fuzz: setup
	@test -f $(FUZZ_BUILD)/build.ninja || cmake -S . -B $(FUZZ_BUILD) -G Ninja \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSEL_FUZZ=ON \
		-DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	sh scripts/run-fuzzers.sh $(FUZZ_BUILD)/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
