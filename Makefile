# The two set-up commands: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= 2
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all deps configure build run test bench format clean test-asan fuzz install package lintian

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	$(BUILD_DIR)/bin/korvani

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do $$b; done

# The programs, their data files, the desktop entry and the icon under PREFIX (programs and data in
# PREFIX/lib/korvani, links in PREFIX/bin), stripped of their debugging information; DESTDIR stages.
PREFIX ?= /usr
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip

# The Debian package, build/korvani_<version>_<arch>.deb (CPack; see cmake/Install.cmake), and
# lintian's verdict on it: errors fail, warnings are listed.
package: build
	@scripts/install-deps --package
	@cd $(BUILD_DIR) && cpack -G DEB >/dev/null && ls -l korvani_*.deb

lintian: package
	@lintian --fail-on error --info $(BUILD_DIR)/korvani_*.deb

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer (leaks included), in its own
# folder. Slow (a full second build): run by hand before submitting, not in CI.
ASAN_DIR ?= build-asan
test-asan: deps
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANI_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_DIR) -j$(JOBS)
	@cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j$(JOBS)

# The libFuzzer targets of tests/fuzz, built with clang in their own folder, each run for
# FUZZ_SECONDS from its committed seed corpus. New inputs go to $(FUZZ_DIR)/corpus, crashes to
# $(FUZZ_DIR)/crashes; the summary gives each target's executions.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = fuzz_text_parsers fuzz_gbk fuzz_calendar fuzz_reports fuzz_cli
fuzz:
	@scripts/install-deps --fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANI_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR) -j$(JOBS) --target korvani_fuzz_targets
	@mkdir -p $(FUZZ_DIR)/crashes
	@status=0; for t in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_DIR)/corpus/$$t; \
		echo "== $$t ($(FUZZ_SECONDS) s)"; \
		$(FUZZ_DIR)/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-artifact_prefix=$(FUZZ_DIR)/crashes/$$t- $(FUZZ_DIR)/corpus/$$t tests/fuzz/corpus/$$t \
			> $(FUZZ_DIR)/$$t.log 2>&1 || status=1; \
		grep -E '^(Done|stat::number_of_executed_units)|ERROR|SUMMARY' $(FUZZ_DIR)/$$t.log; \
	done; \
	echo "crash inputs: $$(ls $(FUZZ_DIR)/crashes | wc -l) (in $(FUZZ_DIR)/crashes)"; exit $$status

clean:
	rm -rf $(BUILD_DIR)
