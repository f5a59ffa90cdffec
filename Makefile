# make        builds build/qimbora
# make run    installs what is missing, builds and starts the toy
# make test   installs what is missing (test tools too), builds and runs every test
# make bench  installs what is missing, builds in Release and measures the hot paths

BUILD := build
RUN_PACKAGES := g++ make cmake qt6-base-dev libgl-dev fonts-arphic-uming
TEST_PACKAGES := $(RUN_PACKAGES) xvfb xdotool imagemagick
BENCH_PACKAGES := $(TEST_PACKAGES) libbenchmark-dev libopencv-imgproc-dev python3

.PHONY: all build run test bench deps test-deps bench-deps clean

all: build

$(BUILD)/Makefile: CMakeLists.txt
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/Makefile
	cmake --build $(BUILD) -j2

deps:
	scripts/install-deps.sh $(RUN_PACKAGES)

test-deps:
	scripts/install-deps.sh $(TEST_PACKAGES)

bench-deps:
	scripts/install-deps.sh $(BENCH_PACKAGES)

run: deps
	$(MAKE) build
	$(BUILD)/qimbora

test: test-deps
	$(MAKE) build
	cd $(BUILD) && ctest --output-on-failure

bench: bench-deps
	cmake -S . -B $(BUILD)/bench -DCMAKE_BUILD_TYPE=Release -DQIMBORA_BENCH=ON
	cmake --build $(BUILD)/bench -j2 --target qimbora_bench qimbora
	$(BUILD)/bench/bench/qimbora_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
		--benchmark_out=$(BUILD)/bench.json --benchmark_out_format=json
	bench/report.py $(BUILD)/bench.json
	bench/startup.sh $(BUILD)/bench/qimbora 5

clean:
	rm -rf $(BUILD)
