# Thin front end over CMake. `make run` and `make test` are the two set-up
# commands of the README: both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
# The longest tests spend their time waiting on a pseudo-terminal at the
# radio's line speed, so twice as many run side by side as there are cores.
TEST_JOBS ?= $(shell echo $$(( $$(nproc) * 2 )))
CMAKE_FLAGS ?=

.PHONY: setup configure build run test package package-test sanitize-build sanitize-test fuzz-replay windows-test bench \
	format format-check tidy clean

setup:
	bash scripts/setup.sh

# An optimised build with Debian's hardening flags: the tests run the very
# programs the package holds.
configure: setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZMP_HARDENING=ON $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/zmp

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(TEST_JOBS)

# The Debian package, $(BUILD)/zmp_VERSION_ARCH.deb, of the build the tests
# ran (CPack strips the programs).
package: build
	cmake --build $(BUILD) --target package

# lintian's verdict on that package; then installs it as a user would,
# checks the installed programs and removes the package again.
package-test: package
	bash scripts/package-test.sh $(BUILD)

# One clang build, $(BUILD)-asan, serves the sanitizers and the fuzzers: the
# core, zmp-cli and their tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the libFuzzer targets.
SANITIZE_BUILD = $(BUILD)-asan
sanitize-build: setup
	@# A folder configured earlier for another compiler starts afresh: CMake
	@# would drop the options given here when it resets the cache itself.
	@if [ -f $(SANITIZE_BUILD)/CMakeCache.txt ] && ! grep -q '^CMAKE_CXX_COMPILER:.*clang++' $(SANITIZE_BUILD)/CMakeCache.txt; then \
	  rm -rf $(SANITIZE_BUILD)/CMakeCache.txt $(SANITIZE_BUILD)/CMakeFiles; fi
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS=-gline-tables-only \
	  -DZMP_FUZZ=ON -DZMP_BUILD_GUI=OFF -DZMP_BUILD_CLI=ON -DZMP_BUILD_BENCHMARKS=OFF $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

sanitize-test: sanitize-build
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(TEST_JOBS)

# Replays the fuzz targets over their seed corpora.
fuzz-replay: sanitize-build
	bash fuzz/replay.sh $(SANITIZE_BUILD)

# The core and its tests cross-compiled for Windows with MinGW-w64 and run
# under Wine (a prefix of its own inside the build folder). Lightly
# optimised: the build, not the run, is what takes the time.
WINDOWS_BUILD = $(BUILD)-windows
windows-test:
	bash scripts/setup.sh windows
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O1 -DZMP_BUILD_GUI=OFF -DZMP_BUILD_BENCHMARKS=OFF \
	  -DZMP_GTEST_SOURCE=/usr/src/googletest $(CMAKE_FLAGS)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	WINEPREFIX=$(abspath $(WINDOWS_BUILD))/wine WINEDEBUG=-all /usr/lib/wine/wine64 cmd /c exit
	WINEPREFIX=$(abspath $(WINDOWS_BUILD))/wine WINEDEBUG=-all ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -j $(JOBS)

bench: build
	bash bench/run.sh $(BUILD)

# Lists the sources that do not match .clang-format and fails if there is
# one; `make format` rewrites them. Needs no build.
format-check: setup
	bash scripts/format.sh check

format: setup
	bash scripts/format.sh apply

# clang-tidy with the checks of .clang-tidy over the program's own sources,
# as the build compiles them; any finding fails. Needs only the configured
# build's compile_commands.json, not a build.
tidy: configure
	run-clang-tidy-14 -p $(BUILD) -quiet -j $(JOBS) '$(CURDIR)/(src|tools)/'

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(BUILD)-windows
