# Two commands on a fresh Debian 12 machine: `make run` builds and starts Quillmere, `make test` builds it and
# runs every test. Both install the Debian packages they need first. `make package` builds the Debian package
# for everyday use (install it with `sudo apt install ./build/quillmere_*.deb`).
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
PREFIX ?= $(HOME)/.local
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run install package clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

# A user-local install (menu entry and icon included) under PREFIX; user data is never touched.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	cd $(BUILD_DIR) && cpack

# Starts the build itself: the program's files from the staged folder, profiles and readings in the user's
# data folder (created on the first start). Nothing is copied anywhere.
run: build
	$(BUILD_DIR)/stage/quillmere

clean:
	rm -rf $(BUILD_DIR)
