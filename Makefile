# make run   installs what is missing, builds and starts the program
# make test  the same set-up, then the whole test suite (GUI tests offscreen)
# make package  the same build, then the Debian package build/merovan_1.02_<arch>.deb
BUILD ?= build
JOBS ?= 2

.PHONY: setup build run test package bench clean

setup:
	BUILD=$(BUILD) ./scripts/setup.sh

build: setup
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/mainwindow/merovan $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) --no-tests=error

package: build
	cd $(BUILD) && cpack

bench: build
	for b in $(BUILD)/bench/bench_*; do $$b; done

clean:
	rm -rf $(BUILD)
