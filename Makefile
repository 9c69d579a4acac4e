# Entry points. Every target does its own set-up first (scripts/bootstrap.sh), so a fresh
# Debian 12 machine needs nothing but `make run` or `make test`.
# BUILD_ROOT lets several work trees or people build side by side without sharing outputs.
BUILD_ROOT ?= $(CURDIR)/build
export TAV_BUILD_ROOT := $(BUILD_ROOT)

.PHONY: all bootstrap build run test bench fuzz screenshots dist clean

all: build

bootstrap:
	@scripts/bootstrap.sh

build: bootstrap
	@scripts/build.sh

run: build
	@scripts/run.sh

test: build
	@scripts/test.sh

bench: bootstrap
	@scripts/bench.sh

fuzz: bootstrap
	@scripts/fuzz.sh

screenshots: build
	@scripts/screenshots.sh

dist: bootstrap
	@scripts/dist.sh

clean:
	rm -rf $(BUILD_ROOT)/native $(BUILD_ROOT)/win64 $(BUILD_ROOT)/win32 $(BUILD_ROOT)/dist \
		$(BUILD_ROOT)/rel-x64 $(BUILD_ROOT)/rel-x86 $(BUILD_ROOT)/rel-deps $(BUILD_ROOT)/packages
