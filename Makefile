# The two front doors: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
# WERROR=ON (as CI sets it) makes every compiler warning an error.
WERROR ?= OFF

.PHONY: run test build deps bench measure package clean

run: build
	cd $(BUILD) && ./zaptrail

test: build windows
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	cd build-windows && ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAPTRAIL_WERROR=$(WERROR) >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

# The release build (-O2, NDEBUG, no tests) the benchmarks and the package share.
CONFIGURE_RELEASE = cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DBUILD_TESTING=OFF >/dev/null

# Release build of the benchmarks, then every benchmark and the summary table.
bench: deps
	$(CONFIGURE_RELEASE) -DZAPTRAIL_BENCH=ON
	cmake --build build-release -j$(JOBS) --target zaptrail-bench cue_bench
	build-release/cue_bench
	build-release/zaptrail-bench

# The Debian package from the same release build, checked with lintian, appstreamcli and
# desktop-file-validate.
package: deps
	$(CONFIGURE_RELEASE)
	cmake --build build-release -j$(JOBS) --target zaptrail
	rm -f build-release/zaptrail_*.deb
	cd build-release && cpack -G DEB
	packaging/check_package.sh build-release/zaptrail_*_amd64.deb

# The real game under Xvfb, built to log its frames and ticks, driven by xdotool: its first
# frame against a bare Qt window's, peak memory, CPU use while playing and the tick period.
measure: deps
	cmake -S . -B build-measure -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAPTRAIL_MEASURE=ON \
	  -DBUILD_TESTING=OFF >/dev/null
	cmake --build build-measure -j$(JOBS) --target zaptrail bare-qt-window
	scripts/measure-game.sh build-measure/zaptrail build-measure/bare-qt-window

deps:
	@./scripts/install-deps.sh

clean:
	rm -rf $(BUILD) build-release build-measure build-windows build-wasm build-web

# The engine, the sim and their tests with AddressSanitizer and UBSan, and the long soak.
.PHONY: sanitize
sanitize: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	      -DZAPTRAIL_SHELL=OFF -DZAPTRAIL_SANITIZE=ON -DZAPTRAIL_WERROR=$(WERROR) >/dev/null
	cmake --build build-asan -j$(JOBS)
	cd build-asan && ctest --output-on-failure -j$(JOBS)

# Each libFuzzer target for FUZZ_SECONDS; a crash keeps its input as a regression case.
FUZZ_SECONDS ?= 25
.PHONY: fuzz
fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	      -DZAPTRAIL_SHELL=OFF -DZAPTRAIL_FUZZ=ON -DZAPTRAIL_WERROR=$(WERROR) >/dev/null
	cmake --build build-fuzz -j$(JOBS) --target fuzzers
	tests/fuzz/run_fuzzers.sh build-fuzz $(FUZZ_SECONDS)

# The game for 64-bit Windows, cross-compiled with mingw-w64, in build-windows/.
.PHONY: windows
windows: deps
	cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build-windows -j$(JOBS)

# The game as a web page: build-web/ (the page, the module, the cues, the help) and its zip.
# Debian's emcc needs its own JavaScript modules when `node` is not Debian's.
WEB_ENV = NODE_PATH=/usr/share/nodejs
.PHONY: web serve web-test web-measure
web: deps
	$(WEB_ENV) emcmake cmake -S . -B build-wasm -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DBUILD_TESTING=OFF >/dev/null
	$(WEB_ENV) cmake --build build-wasm -j$(JOBS)

# Serves build-web/ on this machine only.
WEB_PORT ?= 8321
serve: web
	@echo "zap trail: open http://127.0.0.1:$(WEB_PORT)/"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory build-web

# The page in headless Chromium against the native sim.
web-test: web
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j$(JOBS) --target zaptrail-sim
	cd tests/web && npm ci --no-audit --no-fund >/dev/null
	ZAPTRAIL_SIM=$(BUILD)/zaptrail-sim ZAPTRAIL_WEB=build-web node --test tests/web/

# The page's first frame against a bare canvas page, its mean tick period and its download size.
web-measure: web
	cd tests/web && npm ci --no-audit --no-fund >/dev/null
	ZAPTRAIL_WEB=build-web node tests/web/measure.mjs
