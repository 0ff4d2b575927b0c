# Kirimaki: `make run` plays the game, `make test` runs every test.
# Both install what is missing first (Debian packages, via apt-get).

JOBS ?= 2
RELEASE := build/release
TEST := build/test

.PHONY: run test deps build fuzz bench clean

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./$(RELEASE)/kirimaki; \
	else echo "No display: starting under xvfb-run."; xvfb-run -a ./$(RELEASE)/kirimaki; fi

build: deps
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DKIRIMAKI_TESTS=OFF
	cmake --build $(RELEASE) -j $(JOBS)

test: deps
	cmake -S . -B $(TEST) -DCMAKE_BUILD_TYPE=Debug -DKIRIMAKI_SANITIZE=ON
	cmake --build $(TEST) -j $(JOBS)
	cd $(TEST) && ctest --output-on-failure -j $(JOBS)

deps:
	@./tools/install-deps

clean:
	rm -rf build
