# The two front doors: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps bench clean

run: build
	cd $(BUILD) && ./zaptrail

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

deps:
	@./scripts/install-deps.sh

clean:
	rm -rf $(BUILD)
