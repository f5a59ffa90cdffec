# make        builds build/qimbora
# make run    installs what is missing, builds and starts the toy
# make test   installs what is missing (test tools too), builds and runs every test

BUILD := build
RUN_PACKAGES := g++ make cmake qt6-base-dev libgl-dev fonts-arphic-uming
TEST_PACKAGES := $(RUN_PACKAGES) xvfb xdotool imagemagick

.PHONY: all build run test deps test-deps clean

all: build

$(BUILD)/Makefile: CMakeLists.txt
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/Makefile
	cmake --build $(BUILD) -j2

deps:
	scripts/install-deps.sh $(RUN_PACKAGES)

test-deps:
	scripts/install-deps.sh $(TEST_PACKAGES)

run: deps
	$(MAKE) build
	$(BUILD)/qimbora

test: test-deps
	$(MAKE) build
	cd $(BUILD) && ctest --output-on-failure

clean:
	rm -rf $(BUILD)
