# Quick start: `make run` builds the program and opens its window with a sample puzzle,
# `make test` builds and runs every test.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
SAMPLE ?= resources/samples/flower.jcc

.PHONY: deps configure build run test bench format clean

deps:
	@bash scripts/install-deps.sh

# Warnings are errors here; a plain cmake configure leaves them warnings.
configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUENK_WERROR=ON >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@./$(BUILD)/quenk $(SAMPLE)

# The program's tests need no display.
test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	@for b in $(BUILD)/bench_*; do [ -x "$$b" ] && "$$b"; done

# The code's layout is clang-format's, by the .clang-format at the root.
format:
	@find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-asan build-tsan build-fuzz
