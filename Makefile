# The two commands of the README. Both set the machine up first.
.PHONY: all setup test demo clean

all: test

setup:
	@tools/setup.sh

test: setup
	@tools/run-tests.sh linux win32 win64

demo: setup
	@tools/demo.sh

clean:
	rm -rf build out
