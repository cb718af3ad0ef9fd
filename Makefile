# The commands of the README. Each sets the machine up first.
.PHONY: all setup test demo bench dist clean

all: test

setup:
	@tools/setup.sh

test: setup
	@tools/run-tests.sh linux win32 win64 tsan asan fuzz packages

demo: setup
	@tools/demo.sh

dist: setup
	@tools/dist.sh

bench: setup
	@cmake --preset linux >/dev/null && cmake --build --preset linux --target skyrun_bench
	@build/linux/bench/skyrun_bench --benchmark_min_time=0.2

clean:
	rm -rf build out
