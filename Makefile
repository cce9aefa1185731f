# The project's commands: make run [APP=vennick], make test, make bench, make test-sanitize, make fuzz.
APP      ?= tollard
BUILD    ?= build
GEN      := -G Ninja
CTEST    := ctest --output-on-failure -j2 --no-tests=error

.PHONY: setup configure build run test bench test-sanitize fuzz package clean

setup:
	@bash scripts/setup.sh

$(BUILD)/build.ninja: CMakeLists.txt | setup
	cmake -S . -B $(BUILD) $(GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: setup
	cmake -S . -B $(BUILD) $(GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD)

run: build
	@if [ -x "$(BUILD)/$(APP)/$(APP)" ]; then exec "$(BUILD)/$(APP)/$(APP)"; \
	else echo "$(APP): the program's window is not built yet; nothing to start."; fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen $(CTEST)

test-sanitize: setup
	cmake -S . -B build-sanitize $(GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="-O1 -g -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
	cmake --build build-sanitize
	cd build-sanitize && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  $(CTEST)

bench: setup
	cmake -S . -B build-release $(GEN) -DCMAKE_BUILD_TYPE=Release -DTV_BUILD_TESTS=OFF -DTV_BUILD_BENCH=ON
	cmake --build build-release
	bash bench/run.sh build-release

package: setup
	cmake -S . -B build-package $(GEN) -DCMAKE_BUILD_TYPE=Release -DTV_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build build-package
	cd build-package && cpack -G DEB
	@ls -1 build-package/*.deb

FUZZ_SECONDS ?= 60
fuzz: setup
	CC=clang CXX=clang++ cmake -S . -B build-fuzz $(GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTV_BUILD_TESTS=OFF -DTV_BUILD_WINDOWS=OFF -DTV_BUILD_FUZZ=ON
	cmake --build build-fuzz
	bash scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build build-sanitize build-release build-fuzz build-package
