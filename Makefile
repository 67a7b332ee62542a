# The two commands of the README: `make run` plays the game, `make test` runs every test.
# Both install what is missing first (Debian packages), then configure and build.
PACKAGES := cmake ninja-build g++ libgtest-dev libgmock-dev qt6-base-dev qt6-svg-dev \
            libgl-dev libx11-dev libxcb1-dev fonts-ipafont-gothic desktop-file-utils appstream
PRESET ?= release
PREFIX ?= /usr/local

.PHONY: run test build deps install package

run: build
	tools/run-game build/$(PRESET)

test: build
	ctest --preset $(PRESET)

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

deps:
	@tools/ensure-packages $(PACKAGES)

# The game, its menu entry, icon and AppStream data under PREFIX; DESTDIR stages a package.
install: build
	DESTDIR="$(DESTDIR)" cmake --install build/$(PRESET) --prefix "$(PREFIX)"

# A Debian package of the game, build/package/totechita_VERSION_ARCH.deb, compiled with the
# flags Debian's own packages are compiled with, all hardening on; dpkg-shlibdeps computes its
# dependencies. tools/check-package lints it and tries what it installs.
PACKAGE_TOOLS := dpkg-dev
package: export DEB_BUILD_MAINT_OPTIONS := hardening=+all
package: deps
	@tools/ensure-packages $(PACKAGE_TOOLS)
	cmake --preset package \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build --preset package
	cd build/package && cpack

# The figures of docs/performance.md, measured anew on this machine (about 13 minutes).
BENCH_PACKAGES := libbenchmark-dev libxcb-damage0-dev pkg-config xvfb xdotool jq
.PHONY: bench
bench: deps
	@tools/ensure-packages $(BENCH_PACKAGES)
	cmake --preset bench
	cmake --build --preset bench
	bench/measure build/bench
