# The two front doors: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
# WERROR=ON (as CI sets it) makes every compiler warning an error.
WERROR ?= OFF

.PHONY: run test build deps bench measure package deb clean

run: build
	cd $(BUILD) && ./zaptrail

test: build windows
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	cd build-windows && ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAPTRAIL_WERROR=$(WERROR) >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

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
bench: deps
	$(CONFIGURE_RELEASE) -DZAPTRAIL_BENCH=ON
	cmake --build build-release -j$(JOBS) --target zaptrail-bench cue_bench
	build-release/cue_bench
	build-release/zaptrail-bench

# The Debian package from the same release build, checked with lintian, appstreamcli,
# desktop-file-validate and hardening-check.
package: deb
	packaging/check_package.sh build-release/zaptrail_*_amd64.deb

deb: deps
	$(CONFIGURE_RELEASE)
	cmake --build build-release -j$(JOBS) --target zaptrail
	rm -f build-release/zaptrail_*.deb
	@# CPack gives the package's three members the modes the umask leaves.
	cd build-release && umask 022 && cpack -G DEB

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
	rm -rf $(BUILD) build-release build-measure build-windows

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

# The game for 64-bit Windows, cross-compiled with mingw-w64, in build-windows/; `make
# windows-zip` builds only the executable and the zip.
CONFIGURE_WINDOWS = cmake -S . -B build-windows \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
.PHONY: windows windows-zip
windows: deps
	$(CONFIGURE_WINDOWS)
	cmake --build build-windows -j$(JOBS)

windows-zip: deps
	$(CONFIGURE_WINDOWS)
	cmake --build build-windows -j$(JOBS) --target zaptrail_zip

# The package and the zip built twice, each from its own copy of the source in its own scratch
# folder, and compared byte for byte.
.PHONY: reproducible
reproducible: deps
	scripts/check-reproducible.sh $(JOBS)
