# SPDX-License-Identifier: MIT
# The commands of the README. Each sets the machine up first.
.PHONY: all setup test demo bench dist web clean

# Builds and test runs use every core unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL ?= $(shell nproc)
export CTEST_PARALLEL_LEVEL ?= $(shell nproc)

all: test

setup:
	@tools/setup.sh

test: setup
	@tools/run-tests.sh linux win32 win64 tsan asan fuzz web packages

demo: setup
	@tools/demo.sh

dist: setup
	@tools/dist.sh

# The page and the Web Audio Module, ready for any static server.
web: setup
	@cmake --preset web >/dev/null && cmake --build --preset web --target skyrun_wasm
	@rm -rf out/web && mkdir -p out && cp -r build/web/site out/web && du -sh out/web

bench: setup
	@cmake --preset linux >/dev/null && cmake --build --preset linux --target skyrun_bench
	@# The window rows need a display; Xvfb stands in when there is none.
	@if [ -z "$$DISPLAY" ] && command -v xvfb-run >/dev/null; then \
	  xvfb-run -a -s "-screen 0 1024x768x24" build/linux/bench/skyrun_bench --benchmark_min_time=0.2; \
	else build/linux/bench/skyrun_bench --benchmark_min_time=0.2; fi

clean:
	rm -rf build out
