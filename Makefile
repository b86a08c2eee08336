# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
# Both install what is missing, configure and build; see README.md.
# `make package` builds the Debian package into the build folder.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
# The same tests, built with AddressSanitizer and UndefinedBehaviorSanitizer, in a folder of their
# own; the benchmark is not timed there, so it is not built there.
SANITIZE_DIR ?= build-sanitize
JOBS ?= $(shell nproc)
# Line tables are all a backtrace or a sanitizer report needs; full debug information would cost
# a fifth of the build time. A build configured by hand keeps CMake's defaults.
DEBUG_INFO = -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DCMAKE_CXX_FLAGS_DEBUG="-g1"

.PHONY: all deps configure build run test test-sanitize bench package format clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DPUMPORA_WERROR=ON $(DEBUG_INFO) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/Classes/pumpora $(ARGS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPUMPORA_WERROR=ON $(DEBUG_INFO) -DPUMPORA_SANITIZE=ON -DPUMPORA_BENCHMARKS=OFF >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD_DIR)/benchmarks/pumpora_benchmark

package: build
	@cd $(BUILD_DIR) && cpack -G DEB

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
