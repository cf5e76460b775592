# Vemlo: `make run` builds and starts the program, `make test` builds and runs every test.
# Both install missing Debian packages first.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test test-main test-asan bench clean

all: build

deps:
	@./tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/app/vemlo

# The normal build with every test, then the formula and engine tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, with the fuzz run.
test: test-main test-asan

test-main: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: deps
	CXX=clang++ cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVEMLO_GUI=OFF -DVEMLO_SANITIZE=ON -DVEMLO_FUZZ=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/bench/vemlo_bench
	./$(BUILD)/bench/vemlo_window_bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
