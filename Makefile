# Vemlo: `make run` builds and starts the program, `make test` builds and runs every test.
# Both install missing Debian packages first. `make install` builds and installs the
# program, vemlo_render, the menu entry and the icon under PREFIX (DESTDIR is honoured);
# `make uninstall` removes what the last install put there.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 600

.PHONY: all deps configure build run test test-main test-asan fuzz bench install uninstall clean

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
# under AddressSanitizer and UndefinedBehaviorSanitizer, with a 30 s run of
# each fuzz target (formulas, the whole drawing, the picture files).
test: test-main test-asan

test-main: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: deps
	CXX=clang++ cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVEMLO_GUI=OFF -DVEMLO_SANITIZE=ON -DVEMLO_FUZZ=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The fuzz targets of the sanitizer build, each run for FUZZ_SECONDS
# (600 unless given, e.g. make fuzz FUZZ_SECONDS=3600) instead of the test's 30.
fuzz: deps
	CXX=clang++ cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVEMLO_GUI=OFF -DVEMLO_SANITIZE=ON -DVEMLO_FUZZ=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target fuzz_targets
	cd $(ASAN_BUILD) && VEMLO_FUZZ_SECONDS=$(FUZZ_SECONDS) ctest --output-on-failure -R '_fuzz$$' -j $(JOBS)

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

uninstall:
	DESTDIR="$(DESTDIR)" cmake -DMANIFEST=$(BUILD)/install_manifest.txt -P tools/uninstall.cmake

bench: build
	./$(BUILD)/bench/vemlo_bench
	./$(BUILD)/bench/vemlo_window_bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
