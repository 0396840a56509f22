# HELVARRA: the two commands are `make run` and `make test`.
# Both install what is missing (Debian or Ubuntu, apt-get), then build.

# The builds are the presets of CMakePresets.json: default, asan, core-only.
BUILD ?= build
ASAN_BUILD ?= build-asan
CORE_BUILD ?= build-core
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local

.PHONY: all deps configure build build-asan build-core run test bench fuzz clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake --preset default -B $(BUILD) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run-viewer.sh $(BUILD)

bench: build
	@bash scripts/install-deps.sh bench
	@bash bench/run.sh $(BUILD)

fuzz: deps
	@bash scripts/install-deps.sh fuzz
	@FUZZ_SECONDS=$(or $(FUZZ_SECONDS),600) bash fuzz/run.sh

build-asan: deps
	@cmake --preset asan -B $(ASAN_BUILD) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)

# The core (data/, chart/, viewer/ and their tests) with Qt hidden from CMake:
# it must build and pass without it.
build-core: deps
	@cmake --preset core-only -B $(CORE_BUILD) >/dev/null
	@cmake --build $(CORE_BUILD) -j $(JOBS)

test: build build-asan build-core
	@bash scripts/run-tests.sh $(BUILD) $(ASAN_BUILD) $(CORE_BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(CORE_BUILD) build-fuzz

# `make install [PREFIX=/usr/local] [DESTDIR=...]`: the programs, the menu
# entry, the icons, the file types and the manual pages.
# `make package`: the Debian package, in $(BUILD).
.PHONY: install package
install: build
	@cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD)

package: build
	@cmake --build $(BUILD) --target package
