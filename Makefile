# SPDX-License-Identifier: GPL-3.0-or-later
# make run   installs what is missing, builds and starts Tessaly
# make test  installs what is missing, builds with sanitizers and runs every test,
#            then each fuzz target briefly
# make fuzz  runs each fuzz target for FUZZ_SECONDS (default 180)
# make soak  the random-event test with SOAK_EVENTS events (default 500000) and
#            a fresh seed; MONKEY_SEED=N replays a seed
# make install [PREFIX=/usr/local] [DESTDIR=]  builds and installs Tessaly
# make package  builds the Debian package build/release/tessaly_<version>-1_<arch>.deb
# make bench  builds the benchmarks in Release and runs them (build/bench/results.json)
RELEASE_DIR := build/release
TEST_DIR := build/test
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 180
SMOKE_FUZZ_SECONDS ?= 15
SOAK_EVENTS ?= 500000
PREFIX ?= /usr/local

.PHONY: run test build deps screenshot clean fuzz soak install package bench

run: build
	$(RELEASE_DIR)/tessaly

build: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALY_TESTS=OFF
	cmake --build $(RELEASE_DIR)

test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALY_SANITIZE=ON
	cmake --build $(TEST_DIR)
	cd $(TEST_DIR) && ctest --output-on-failure -j $(JOBS)
	scripts/fuzz $(SMOKE_FUZZ_SECONDS)

fuzz: deps
	scripts/fuzz $(FUZZ_SECONDS)

soak: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALY_SANITIZE=ON
	cmake --build $(TEST_DIR) --target monkey_tests
	MONKEY_EVENTS=$(SOAK_EVENTS) MONKEY_SEED=$${MONKEY_SEED:-$$(date +%s)} $(TEST_DIR)/tests/monkey_tests

bench: deps
	scripts/bench

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(RELEASE_DIR) --prefix "$(PREFIX)"

package: build
	cd $(RELEASE_DIR) && cpack

deps:
	scripts/install-deps

clean:
	rm -rf build
