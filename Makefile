# make run   installs what is missing, builds and starts the program
# make test  the same set-up, then the whole test suite (GUI tests offscreen)
BUILD ?= build
JOBS ?= 2

.PHONY: setup build run test bench clean

setup:
	BUILD=$(BUILD) ./scripts/setup.sh

build: setup
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/mainwindow/merovan $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) --no-tests=error

bench: build
	for b in $(BUILD)/bench/bench_*; do $$b; done

clean:
	rm -rf $(BUILD)
