# The front doors: `make run` plays the game, `make test` runs the native suite, `make check`
# runs every proof CI needs. Each target first installs what is missing of its own package set
# (scripts/install-deps.sh --list SET shows one) and nothing more.
BUILD ?= build
JOBS ?= $(shell nproc)
# WERROR=ON (as CI sets it) makes every compiler warning an error.
WERROR ?= OFF
DEPS = ./scripts/install-deps.sh
# Installing and purging a package needs root; everything else runs as whoever calls make.
SUDO = $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: run test build check test-windows test-package check-format windows windows-zip \
        package deb reproducible bench measure sanitize fuzz web serve test-web web-measure clean \
        board board-measure board-package test-board-postgres test-board-page

# Every native build folder is configured by one line: $(call configure_native,FOLDER,OPTIONS).
configure_native = cmake -S . -B $(1) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZAPTRAIL_WERROR=$(WERROR) $(2) >/dev/null
# The native build folder, $(BUILD), which `make run`, `make test` and `make test-web` share.
# Configured by `make run` or `make test-web` first, it gets no tests, so that neither needs the
# test libraries; `make build` turns them on and later runs keep what the folder has.
TESTS_AS_THEY_ARE = $(if $(wildcard $(BUILD)/CMakeCache.txt),,-DBUILD_TESTING=OFF)

run:
	$(DEPS) run
	$(call configure_native,$(BUILD),$(TESTS_AS_THEY_ARE))
	cmake --build $(BUILD) -j$(JOBS) --target zaptrail
	cd $(BUILD) && ./zaptrail

# Every native test: engine, replays, golden files, widgets and the whole program under Xvfb.
test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

build:
	$(DEPS) test
	$(call configure_native,$(BUILD),-DBUILD_TESTING=ON -DZAPTRAIL_BOARD=ON)
	cmake --build $(BUILD) -j$(JOBS)

# The whole proof, in the order CI needs it: the quick native suite first (checked to leave
# the machine untouched), then the slower builds, each in its own folder, kept for the next run.
# On a shared machine, UNTOUCHED_IGNORE names places others write to meanwhile.
check:
	scripts/check-untouched.sh $(UNTOUCHED_IGNORE:%=--ignore %) $(MAKE) test
	$(MAKE) test-board-postgres
	$(MAKE) test-board-page
	$(MAKE) test-windows
	$(MAKE) test-web
	$(MAKE) test-package
	$(MAKE) reproducible
	$(MAKE) sanitize
	$(MAKE) fuzz
	$(MAKE) check-format

# Every time stamp a release carries is the last commit's, so a rebuild gives the same bytes.
ifndef SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH := $(shell git log -1 --format=%ct 2>/dev/null)
endif
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

# Debian's hardening flags, as its own packages are built: fortified library calls, stack
# protector, read-only relocations bound at start-up (the compiler makes PIE by default). Later
# dpkg versions add stack clash and control-flow protection to the set; Debian 12's does not,
# so they are added here where the compiler has them.
HARDENING = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
LATER_HARDENING = $(foreach flag,-fstack-clash-protection -fcf-protection,\
  $(shell $(CXX) $(flag) -E -x c++ /dev/null >/dev/null 2>&1 && echo $(flag)))
RELEASE_CXXFLAGS = $(shell $(HARDENING) CPPFLAGS) $(shell $(HARDENING) CXXFLAGS) $(LATER_HARDENING)
RELEASE_LDFLAGS = $(shell $(HARDENING) LDFLAGS)

# The release build (-O2, NDEBUG, hardened, no tests) the benchmarks and the package share.
CONFIGURE_RELEASE = cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_CXX_FLAGS="$(RELEASE_CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(RELEASE_LDFLAGS)" -DBUILD_TESTING=OFF >/dev/null

# Release build of the benchmarks, then every benchmark and the summary table.
bench:
	$(DEPS) bench
	$(CONFIGURE_RELEASE) -DZAPTRAIL_BENCH=ON
	cmake --build build-release -j$(JOBS) --target zaptrail-bench cue_bench
	build-release/cue_bench
	build-release/zaptrail-bench

# The Debian package from the same release build, checked with lintian, appstreamcli,
# desktop-file-validate and hardening-check.
package: deb
	packaging/check_package.sh build-release/zaptrail_*_amd64.deb

deb:
	$(DEPS) package
	$(CONFIGURE_RELEASE)
	cmake --build build-release -j$(JOBS) --target zaptrail
	rm -f build-release/zaptrail_*.deb
	@# CPack gives the package's three members the modes the umask leaves.
	cd build-release && umask 022 && cpack -G DEB

# That package installed with apt, played by an unprivileged user and purged; the machine is
# left as it was found. One clone at a time on a machine installs it.
test-package: package
	flock /tmp/zaptrail-package.lock $(SUDO) tests/package/install_and_play.sh \
	  build-release/zaptrail_*_amd64.deb .

# The real game under Xvfb, built to log its frames and ticks, driven by xdotool: its first
# frame against a bare Qt window's, peak memory, CPU use while playing and the tick period.
# Then the browser's page the same way (web-measure).
measure:
	$(DEPS) measure
	$(call configure_native,build-measure,-DZAPTRAIL_MEASURE=ON -DBUILD_TESTING=OFF)
	cmake --build build-measure -j$(JOBS) --target zaptrail bare-qt-window
	scripts/measure-game.sh build-measure/zaptrail build-measure/bare-qt-window
	$(MAKE) web-measure

# The sanitizers' and the fuzzers' builds: clang's, and no shell.
NO_SHELL_WITH_CLANG = -DCMAKE_CXX_COMPILER=clang++ -DZAPTRAIL_SHELL=OFF

# Every test that needs no shell, with AddressSanitizer and UBSan, and the long soak.
sanitize:
	$(DEPS) sanitize
	$(call configure_native,build-asan,$(NO_SHELL_WITH_CLANG) -DZAPTRAIL_SANITIZE=ON)
	cmake --build build-asan -j$(JOBS)
	cd build-asan && ctest --output-on-failure -j$(JOBS)

# Each libFuzzer target for FUZZ_SECONDS; a crash keeps its input as a regression case.
FUZZ_SECONDS ?= 25
fuzz:
	$(DEPS) fuzz
	$(call configure_native,build-fuzz,$(NO_SHELL_WITH_CLANG) -DZAPTRAIL_FUZZ=ON -DZAPTRAIL_BOARD=ON)
	cmake --build build-fuzz -j$(JOBS) --target fuzzers
	tests/fuzz/run_fuzzers.sh build-fuzz $(FUZZ_SECONDS)

# The game for 64-bit Windows, cross-compiled with mingw-w64, in build-windows/; `make
# windows-zip` builds only the executable and the zip.
CONFIGURE_WINDOWS = cmake -S . -B build-windows \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
windows:
	$(DEPS) windows
	$(CONFIGURE_WINDOWS)
	cmake --build build-windows -j$(JOBS)

windows-zip:
	$(DEPS) windows
	$(CONFIGURE_WINDOWS)
	cmake --build build-windows -j$(JOBS) --target zaptrail_zip

# Its engine, sim and golden tests, the zip, and the game played under Wine.
test-windows: windows
	cd build-windows && ctest --output-on-failure -j$(JOBS)

# The package and the zips built twice, each from its own copy of the source in its own scratch
# folder, and compared byte for byte.
reproducible:
	$(DEPS) package windows web
	scripts/check-reproducible.sh $(JOBS)

# Every C++ source as the repository's .clang-format lays it out.
check-format:
	$(DEPS) format
	git ls-files -z '*.cpp' '*.hpp' '*.h' | xargs -0 clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) build-board build-release build-measure build-windows build-asan build-fuzz build-wasm build-web

# The game as a web page: build-web/ (the page, the module, the cues, the help) and its zip.
# Debian's emcc needs its own JavaScript modules when `node` is not Debian's.
WEB_ENV = NODE_PATH=/usr/share/nodejs
web:
	$(DEPS) web
	$(WEB_ENV) emcmake cmake -S . -B build-wasm -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DBUILD_TESTING=OFF >/dev/null
	$(WEB_ENV) cmake --build build-wasm -j$(JOBS)

# Serves build-web/ on this machine only.
WEB_PORT ?= 8321
serve: web
	@echo "zap trail: open http://127.0.0.1:$(WEB_PORT)/"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory build-web

# The page in headless Chromium against the native sim, built in the native folder, whose
# configuring needs the game's packages (`run`) as well as the browser's.
test-web: web
	$(DEPS) run
	$(call configure_native,$(BUILD),$(TESTS_AS_THEY_ARE))
	cmake --build $(BUILD) -j$(JOBS) --target zaptrail-sim
	cd tests/web && npm ci --no-audit --no-fund >/dev/null
	ZAPTRAIL_SIM=$(BUILD)/zaptrail-sim ZAPTRAIL_WEB=build-web node --test tests/web/

# The page's first frame against a bare canvas page, its mean tick period and its download size;
# fails when one misses its budget.
web-measure: web
	cd tests/web && npm ci --no-audit --no-fund >/dev/null
	ZAPTRAIL_WEB=build-web node tests/web/measure.mjs

# The trail board on this machine only: SQLite in $(BUILD)/, the browser game built beside it
# and served at /, the board page at /board.
BOARD_PORT ?= 8322
board: web
	$(DEPS) board
	$(call configure_native,$(BUILD),$(TESTS_AS_THEY_ARE) -DZAPTRAIL_BOARD=ON)
	cmake --build $(BUILD) -j$(JOBS) --target zaptrail-board
	@echo "zap trail board: open http://127.0.0.1:$(BOARD_PORT)/board"
	$(BUILD)/zaptrail-board --listen 127.0.0.1:$(BOARD_PORT) --db sqlite:$(BUILD)/zaptrail-board.db \
	  --web build-web

# The board's suite against a PostgreSQL 15 server it starts and stops itself.
test-board-postgres: build
	tests/board/run_on_postgres.sh $(BUILD)/board_tests

# The board's release build, hardened as the game's package is, for its package and figures.
CONFIGURE_BOARD = cmake -S . -B build-board -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_CXX_FLAGS="$(RELEASE_CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(RELEASE_LDFLAGS)" -DZAPTRAIL_SHELL=OFF -DZAPTRAIL_BOARD=ON \
  -DBUILD_TESTING=OFF >/dev/null

# The second Debian package, zaptrail-board: the server and its systemd unit, checked by lintian.
board-package:
	$(DEPS) board package
	$(CONFIGURE_BOARD)
	cmake --build build-board -j$(JOBS) --target zaptrail-board
	packaging/board/make_deb.sh build-board
	lintian --fail-on error,warning build-board/zaptrail-board_*_amd64.deb

# The board page in headless Chromium against a real board, which serves the browser game too.
test-board-page: build web
	cd tests/web && npm ci --no-audit --no-fund >/dev/null
	ZAPTRAIL_BOARD=$(BUILD)/zaptrail-board ZAPTRAIL_DAILY_TRAIL=$(BUILD)/daily-trail \
	  ZAPTRAIL_WEB=build-web node --test tests/web/board_page.mjs

# wrk against one release board on SQLite and on PostgreSQL: rankings, then real daily trails
# submitted while rankings are read. A measurement, not a test.
board-measure: build
	$(DEPS) board
	$(CONFIGURE_BOARD)
	cmake --build build-board -j$(JOBS) --target zaptrail-board
	bench/board/measure.sh build-board/zaptrail-board $(BUILD)/daily-trail
