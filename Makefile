# Kirimaki: `make run` plays the game, `make test` runs every test,
# `make install PREFIX=DIR` installs it (default /usr/local), `make package`
# builds the Debian package in build/release.
# All install what is missing first (Debian packages, via apt-get).

JOBS ?= 2
RELEASE := build/release
TEST := build/test
FUZZ := build/fuzz
TSAN := build/tsan
BENCH := build/bench
SECONDS ?= 600
PREFIX ?= /usr/local

.PHONY: run test deps build install package fuzzer fuzz tsan bench clean

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./$(RELEASE)/kirimaki; \
	else echo "No display: starting under xvfb-run."; xvfb-run -a ./$(RELEASE)/kirimaki; fi

build: deps
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DKIRIMAKI_TESTS=OFF
	cmake --build $(RELEASE) -j $(JOBS)

install: build
	cmake --install $(RELEASE) --prefix $(PREFIX)

package: build
	cd $(RELEASE) && cpack -G DEB
	@ls $(RELEASE)/kirimaki_*.deb

test: deps fuzzer tsan
	cmake -S . -B $(TEST) -DCMAKE_BUILD_TYPE=Debug -DKIRIMAKI_SANITIZE=ON -DKIRIMAKI_WERROR=ON \
	  -DKIRIMAKI_FUZZER=$(CURDIR)/$(FUZZ)/kirimaki-fuzz
	cmake --build $(TEST) -j $(JOBS)
	cd $(TEST) && ctest --output-on-failure -j $(JOBS)

# The study's careers on several threads under ThreadSanitizer: a small build
# of the rules, the headless library and that one test.
tsan: deps
	cmake -S . -B $(TSAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIRIMAKI_TSAN=ON -DKIRIMAKI_GUI=OFF
	cmake --build $(TSAN) -j $(JOBS) --target sim_study_test
	TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" ./$(TSAN)/tests/sim/sim_study_test

# Careers per second of the study on one thread and on every core, and play
# of the same careers with its saves. Figures, never a pass or a fail.
bench: deps
	cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release -DKIRIMAKI_GUI=OFF -DKIRIMAKI_TESTS=OFF -DKIRIMAKI_BENCH=ON
	cmake --build $(BENCH) -j $(JOBS) --target kirimaki-bench
	./$(BENCH)/kirimaki-bench --benchmark_counters_tabular=true

# The save-file fuzzer: clang, libFuzzer and both sanitizers over the rules.
fuzzer: deps
	CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIRIMAKI_SANITIZE=ON \
	  -DKIRIMAKI_FUZZ=ON -DKIRIMAKI_WERROR=ON -DKIRIMAKI_GUI=OFF -DKIRIMAKI_TESTS=OFF
	cmake --build $(FUZZ) -j $(JOBS) --target kirimaki-fuzz

# A long fuzzing run by hand: `make fuzz SECONDS=3600`. New inputs are kept in
# build/fuzz-corpus; findings are written to the current directory.
fuzz: fuzzer
	mkdir -p build/fuzz-corpus
	./$(FUZZ)/kirimaki-fuzz -max_total_time=$(SECONDS) -timeout=20 -rss_limit_mb=4096 \
	  -close_fd_mask=2 -print_final_stats=1 build/fuzz-corpus fuzz/corpus

deps:
	@./tools/install-deps

clean:
	rm -rf build
