# make run   installs what is missing, builds and starts Tessaly
# make test  installs what is missing, builds with sanitizers and runs every test
RELEASE_DIR := build/release
TEST_DIR := build/test
JOBS ?= $(shell nproc)

.PHONY: run test build deps screenshot clean

run: build
	$(RELEASE_DIR)/tessaly

build: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALY_TESTS=OFF
	cmake --build $(RELEASE_DIR)

test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALY_SANITIZE=ON
	cmake --build $(TEST_DIR)
	cd $(TEST_DIR) && ctest --output-on-failure -j $(JOBS)

deps:
	scripts/install-deps

clean:
	rm -rf build
