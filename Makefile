# The two commands: `make run` and `make test`. Both install what is missing,
# configure, build and generate the assets first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= 2

FUZZ_SECONDS ?= 60

.PHONY: setup build run test test-fast test-sanitized test-fuzz package clean

setup:
	@bash tools/install-deps.sh

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/run && ./kavrel

# Every test: the normal build, then the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, then a bounded fuzzing run.
test: test-fast test-sanitized test-fuzz

test-fast: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitized: build
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKAVREL_SANITIZE=ON \
	  -DKAVREL_RUN_DIR=$(abspath $(BUILD))/run >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(abspath tests/lsan.supp) \
	  ctest --output-on-failure -j $(JOBS) -LE window

# A Debian package of the installed game (build/kavrel_<version>_<arch>.deb).
package: build
	cd $(BUILD) && cpack -G DEB

test-fuzz: setup
	bash tests/fuzz/run.sh $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
