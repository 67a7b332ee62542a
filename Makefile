# The two commands of the README: `make run` plays the game, `make test` runs every test.
# Both install what is missing first (Debian packages), then configure and build.
PACKAGES := cmake ninja-build g++ libgtest-dev libgmock-dev qt6-base-dev qt6-svg-dev \
            libgl-dev libx11-dev libxcb1-dev libsdl2-dev fonts-ipafont-gothic python3-fonttools \
            desktop-file-utils appstream
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

# The Debian source package and the game's binary package, built as Debian builds them
# (dpkg-buildpackage with debian/, its tests run on the way): PACKAGE_DIR/totechita_VERSION.dsc,
# totechita_VERSION_ARCH.deb and the .changes that tools/check-package lints and tries.
# DEBFULLNAME and DEBEMAIL name the maintainer; DEB_BUILD_OPTIONS=nocheck skips the tests.
PACKAGE_DIR ?= build/package
PACKAGE_TOOLS := dpkg-dev debhelper
package: deps
	@tools/ensure-packages $(PACKAGE_TOOLS)
	tools/build-package $(PACKAGE_DIR)

# The figures of docs/performance.md, measured anew on this machine (about 13 minutes).
BENCH_PACKAGES := libbenchmark-dev libxcb-damage0-dev pkg-config xvfb xdotool jq
.PHONY: bench
bench: deps
	@tools/ensure-packages $(BENCH_PACKAGES)
	cmake --preset bench
	cmake --build --preset bench
	bench/measure build/bench

# The game in a web page: the static site build/web (index.html, the WebAssembly, the pictures and
# a cut-down font), built with Debian's emscripten; `make serve-web` serves it on this machine.
WEB_PACKAGES := cmake ninja-build emscripten node-acorn fonttools python3-brotli fonts-ipafont-gothic \
                librsvg2-bin webp
WEB_PORT ?= 8000
.PHONY: web serve-web web-test
web:
	@tools/ensure-packages $(WEB_PACKAGES)
	cmake --preset web -DTOTECHITA_NATIVE_SCRIPT_DRIVER=$(CURDIR)/build/$(PRESET)/src/totechita-script
	cmake --build --preset web

serve-web: web
	@echo "Serving the game at http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops)"
	cd build/web && /usr/bin/python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

# The page's tests in Debian's Chromium, against the native script driver of PRESET, and its
# linter. playwright-core and ESLint come from the lockfile, installed only when missing.
web-test: build web node-tools
	@tools/ensure-packages chromium
	ctest --preset web

.PHONY: node-tools
node-tools:
	@command -v npm > /dev/null || tools/ensure-packages npm
	@test -f node_modules/.package-lock.json -a node_modules/.package-lock.json -nt package-lock.json \
	  || npm ci --no-audit --no-fund

test: web-test

# The web page's figures of docs/performance.md, measured in Debian's Chromium (about 2 minutes).
.PHONY: bench-web
bench-web: web node-tools
	@tools/ensure-packages chromium
	node bench/web_figures.mjs build/web
