# The two commands of the README: `make run` plays the game, `make test` runs every test.
# Both install what is missing first (Debian packages), then configure and build.
PACKAGES := cmake ninja-build g++ libgtest-dev libgmock-dev qt6-base-dev qt6-svg-dev \
            libgl-dev fonts-ipafont-gothic
PRESET ?= release

.PHONY: run test build deps

run: build
	tools/run-game build/$(PRESET)

test: build
	ctest --preset $(PRESET)

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

deps:
	@tools/ensure-packages $(PACKAGES)
