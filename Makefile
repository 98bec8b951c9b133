# The two commands: `make run` and `make test`. Both install what is missing,
# configure, build and generate the assets first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
COV_BUILD  ?= build-cov
JOBS       ?= 2

FUZZ_SECONDS ?= 60

.PHONY: setup build run test test-fast test-sanitized test-fuzz coverage package clean

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

# Line and branch coverage of the game's own folders by the headless tests
# (the benchmark is no test and stays out).
COV_DIRS = app game assets player courses frontend highscore
LCOV     = lcov --quiet --rc lcov_branch_coverage=1

coverage: build
	@cmake -S . -B $(COV_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage \
	  -DCMAKE_EXE_LINKER_FLAGS=--coverage -DKAVREL_RUN_DIR=$(abspath $(BUILD))/run >/dev/null
	@cmake --build $(COV_BUILD) -j $(JOBS)
	@find $(COV_BUILD) -name '*.gcda' -delete
	@echo "coverage: running the headless tests (log in $(COV_BUILD)/ctest.log)"
	@cd $(COV_BUILD) && ctest -j $(JOBS) -LE window -E '^bench_smoke$$' >ctest.log 2>&1 \
	  || tail -n 30 ctest.log
	@$(LCOV) --capture --directory $(COV_BUILD) --output-file $(COV_BUILD)/all.info \
	  2>$(COV_BUILD)/lcov.log || { cat $(COV_BUILD)/lcov.log; exit 1; }
	@$(LCOV) --extract $(COV_BUILD)/all.info $(foreach d,$(COV_DIRS),'$(CURDIR)/$(d)/*') \
	  --output-file $(COV_BUILD)/game.info
	@lcov --rc lcov_branch_coverage=1 --summary $(COV_BUILD)/game.info 2>&1 | awk \
	  '/lines\.*:/ { l = $$2 " (" substr($$3, 2) " of " $$5 ")" } \
	   /branches\.*:/ { b = $$2 " (" substr($$3, 2) " of " $$5 ")" } \
	   END { sub(/%/, " %", l); sub(/%/, " %", b); print "coverage: lines " l ", branches " b }'

# A Debian package of the installed game (build/kavrel_<version>_<arch>.deb).
package: build
	cd $(BUILD) && cpack -G DEB

test-fuzz: setup
	bash tests/fuzz/run.sh $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(COV_BUILD) build-fuzz
