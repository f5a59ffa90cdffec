# make        builds build/qimbora
# make run    installs what is missing, builds and starts the toy
# make test   installs what is missing (test tools too), builds and runs every test;
#             ARCH=arm64 or ARCH=armhf cross-builds and runs them under qemu;
#             ARCH=win64 cross-builds for Windows and runs them under wine
# make check  installs what is missing, runs every test under AddressSanitizer and
#             UndefinedBehaviorSanitizer, and runs each fuzz target for FUZZ_SECONDS
# make bench  installs what is missing, builds in Release and measures the hot paths
# make package builds build/package-ARCH/qimbora_VERSION_ARCH.deb for this machine;
#             ARCH=arm64 or ARCH=armhf cross-builds for the Raspberry Pi and other ARM boards;
#             ARCH=win64 builds the Windows installer and its source archive

SHELL := /bin/bash
BUILD := build
FUZZ_SECONDS := 30
FUZZ_TARGETS := text_to_number paint_flower petal_runs
# CI sets WERROR=ON: warnings fail the build.
WERROR ?= OFF
# The processor to build for: this machine's unless given.
NATIVE := $(shell dpkg --print-architecture)
ARCH ?= $(NATIVE)
CMAKE_OPTIONS := -DQIMBORA_WERROR=$(WERROR)
RUN_PACKAGES := g++ make cmake pkg-config qt6-base-dev qt6-wayland libgl-dev fonts-arphic-uming \
	qt6-translations-l10n qt6-l10n-tools libespeak-ng-dev espeak-ng-data libpulse-dev libxcb1-dev
TEST_PACKAGES := $(RUN_PACKAGES) weston mutter openbox wmctrl x11-utils dbus-x11 man-db xvfb xdotool x11-xserver-utils imagemagick desktop-file-utils appstream dpkg-dev file \
	at-spi2-core python3-pyatspi
CHECK_PACKAGES := $(TEST_PACKAGES) clang clang-format
BENCH_PACKAGES := $(TEST_PACKAGES) libbenchmark-dev libopencv-imgproc-dev python3

.PHONY: all build run test check bench package deps test-deps check-deps bench-deps clean

all: build

# Configured every time, so that a build/ made before keeps no other options.
build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_OPTIONS) >/dev/null
	cmake --build $(BUILD) -j2

deps:
	scripts/install-deps.sh $(RUN_PACKAGES)

test-deps:
	scripts/install-deps.sh $(TEST_PACKAGES)

# The sanitizer runtimes and the symbolizer of the release's own clang.
check-deps:
	scripts/install-deps.sh $(CHECK_PACKAGES)
	major=$$(clang -dumpversion | cut -d. -f1) && scripts/install-deps.sh libclang-rt-$$major-dev llvm-$$major

bench-deps:
	scripts/install-deps.sh $(BENCH_PACKAGES)

run: deps
	$(MAKE) build
	$(BUILD)/qimbora

test: test-deps
ifeq ($(ARCH),$(NATIVE))
	$(MAKE) build
	cd $(BUILD) && ctest --output-on-failure
else ifeq ($(ARCH),win64)
	scripts/win64-test.sh $(BUILD)/win64
else
	scripts/cross-test.sh $(ARCH) $(BUILD)/$(ARCH)
endif

check: check-deps
	cmake -S . -B $(BUILD)/sanitize $(CMAKE_OPTIONS) -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" -DQIMBORA_SANITIZE=ON
	cmake --build $(BUILD)/sanitize -j2
	cd $(BUILD)/sanitize && ctest --output-on-failure
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)/fuzz $(CMAKE_OPTIONS) -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" \
		-DQIMBORA_FUZZ=ON
	cmake --build $(BUILD)/fuzz -j2 --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	scripts/fuzz.sh $(BUILD)/fuzz $(FUZZ_SECONDS) $(FUZZ_TARGETS)

bench: bench-deps
	cmake -S . -B $(BUILD)/bench -DCMAKE_BUILD_TYPE=Release -DQIMBORA_BENCH=ON
	cmake --build $(BUILD)/bench -j2 --target qimbora_bench qimbora
	$(BUILD)/bench/bench/qimbora_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
		--benchmark_out=$(BUILD)/bench.json --benchmark_out_format=json
	bench/report.py $(BUILD)/bench.json
	bench/startup.sh $(BUILD)/bench/qimbora 5

package:
ifeq ($(ARCH),win64)
	scripts/win64-package.sh $(BUILD)/package-win64
else
	scripts/package.sh $(ARCH) $(BUILD)/package-$(ARCH)
endif

clean:
	# Never follows a mount left in a fresh root after a crash.
	rm -rf --one-file-system $(BUILD)
