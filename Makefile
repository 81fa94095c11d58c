# Two commands on a fresh Debian 12 machine: `make run` builds and starts Quillmere, `make test` builds it and
# runs every test. Both install the Debian packages they need first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
PREFIX ?= $(HOME)/Quillmere
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run install clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

install: build
	./scripts/install-app.sh $(BUILD_DIR)/stage $(PREFIX)

run: install
	cd $(PREFIX) && ./quillmere

clean:
	rm -rf $(BUILD_DIR)
