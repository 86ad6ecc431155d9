# Quick start: `make run` builds the program and opens its window with a sample puzzle,
# `make test` builds and runs every test, `make deb` builds the Debian package.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
SAMPLE ?= resources/samples/flower.jcc
DEB_BUILD ?= build-deb

.PHONY: deps configure build run test bench deb format clean

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

# The package: a Release build of its own under /usr, with Debian's hardening flags, packed by
# CPack into $(DEB_BUILD)/quenk_<version>_<arch>.deb (apt-get install ./$(DEB_BUILD)/quenk_*.deb).
deb: deps
	@cmake -S . -B $(DEB_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DQUENK_TESTS=OFF -DQUENK_BENCH=OFF -DQUENK_WERROR=ON \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" >/dev/null
	@cmake --build $(DEB_BUILD) -j$(JOBS)
	@cd $(DEB_BUILD) && cpack -G DEB

# The code's layout is clang-format's, by the .clang-format at the root.
format:
	@find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(DEB_BUILD) build-asan build-tsan build-fuzz
