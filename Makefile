# The two commands of the README: `make run` and `make test`.
SHELL := /bin/bash
KALVORA_SANITIZE ?= OFF
ifeq ($(KALVORA_SANITIZE),ON)
BUILD ?= build-sanitize
BUILD_TYPE ?= RelWithDebInfo
# Undefined behaviour stops a test with its stack, as an ASan finding does.
export UBSAN_OPTIONS ?= halt_on_error=1:print_stacktrace=1
else
BUILD ?= build
BUILD_TYPE ?= Release
endif
JOBS ?= $(shell nproc)

# Debian packages the build, the tests and the program need.
PACKAGES := cmake g++ make ninja-build qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins \
  qt6-svg-dev qt6-translations-l10n libgl-dev fonts-liberation2 libgtest-dev poppler-utils \
  xvfb xauth xdotool x11-utils imagemagick dbus-daemon dbus-bin at-spi2-core python3-pyatspi
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test format-check tidy coverage bench bench-startup fuzz fuzz-smoke package package-check screenshots clean

all: build

deps:
	@missing=""; for p in $(PACKAGES) $(EXTRA_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DKALVORA_SANITIZE=$(KALVORA_SANITIZE) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: configure
	cmake --build $(BUILD) -j $(JOBS) --target kalvora
	$(BUILD)/kalvora

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The code's layout is that of .clang-format; fails on any difference.
format-check: EXTRA_PACKAGES = clang-format
format-check: deps
	git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format --dry-run --Werror

# clang-tidy with .clang-tidy over every source file of src/, any finding an
# error. It reads the compile commands of $(BUILD) and needs the form and
# moc headers the build generates; the generated sources themselves are left out.
tidy: EXTRA_PACKAGES = clang-tidy
tidy: configure
	cmake --build $(BUILD) -j $(JOBS) --target $$(ninja -C $(BUILD) -t targets all | sed -n 's/^\([A-Za-z0-9_]*_autogen\): phony$$/\1/p')
	git ls-files 'src/*.cpp' | xargs -P $(JOBS) -n 1 clang-tidy -p $(BUILD) --quiet --warnings-as-errors='*'

# Every test on an unoptimised build with gcov counters, then the line
# coverage of src/ per module and in total; fails below 90 %.
coverage: EXTRA_PACKAGES = gcovr
coverage: deps
	cmake -S . -B build-coverage -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKALVORA_COVERAGE=ON
	cmake --build build-coverage -j $(JOBS)
	find build-coverage -name '*.gcda' -delete
	cd build-coverage && ctest --output-on-failure -j $(JOBS)
	tools/abdeckung.sh build-coverage 90

bench: EXTRA_PACKAGES = libbenchmark-dev
bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALVORA_BENCH=ON -DKALVORA_TESTS=OFF
	cmake --build build-bench -j $(JOBS)
	for b in build-bench/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] || continue; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

# Start-up against a bare Qt program of the same shape, interleaved on a
# virtual display, and the first report after a start; on an idle machine.
RUNDEN ?= 11
STARTVERGLEICH_PACKAGES := libbenchmark-dev xvfb x11-utils libx11-dev libxdamage-dev libxfixes-dev
bench-startup: EXTRA_PACKAGES = $(STARTVERGLEICH_PACKAGES)
bench-startup: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALVORA_BENCH=ON -DKALVORA_TESTS=OFF
	cmake --build build-bench -j $(JOBS) --target kalvora start_erster_druck
	cmake -S bench/startup -B build-bench/startup -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build build-bench/startup -j $(JOBS)
	ERSTER_DRUCK=build-bench/start_erster_druck bench/startup/vergleich.sh $(RUNDEN) build-bench/startup build-bench/kalvora

fuzz: EXTRA_PACKAGES = clang libclang-rt-14-dev
fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVORA_FUZZ=ON -DKALVORA_TESTS=OFF
	cmake --build build-fuzz -j $(JOBS)

# Every fuzz target for FUZZ_SEKUNDEN seconds, starting from its committed
# corpus; what it finds new and any crash stay in build-fuzz. A crash, a leak,
# an input slower than 25 s or any undefined behaviour fails the run. The
# targets that lay out rows and reports get inputs of full length (64 KB)
# from the start.
FUZZ_SEKUNDEN ?= 30
FUZZ_LANG := fuzz_tabellenformat fuzz_bericht
fuzz-smoke: fuzz
	for t in build-fuzz/fuzz/fuzz_*; do [ -f "$$t" ] && [ -x "$$t" ] || continue; \
	  n=$$(basename "$$t"); mkdir -p build-fuzz/corpus/$$n; \
	  case " $(FUZZ_LANG) " in *" $$n "*) lang=-len_control=0;; *) lang=;; esac; \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  "$$t" -max_total_time=$(FUZZ_SEKUNDEN) -max_len=65536 $$lang -timeout=25 -print_final_stats=1 \
	    -artifact_prefix=build-fuzz/ build-fuzz/corpus/$$n fuzz/corpus/$$n || exit 1; \
	done

# The Debian package, from a Release build without the tests. Its prefix is
# the package's, so that the print module lands in the multiarch folder.
PACKAGE_TOOLS := dpkg-dev file
package: EXTRA_PACKAGES = $(PACKAGE_TOOLS)
package: deps
	cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DKALVORA_TESTS=OFF
	cmake --build build-deb -j $(JOBS)
	cd build-deb && cpack -G DEB
	@ls -1 build-deb/kalvora_*_amd64.deb

# The package as a Debian packager checks it; too slow for `make test`.
package-check:
	$(MAKE) deps EXTRA_PACKAGES="$(PACKAGE_TOOLS) lintian devscripts appstream desktop-file-utils"
	$(MAKE) package
	tools/paket-pruefen.sh "$$(ls -t build-deb/kalvora_*_amd64.deb | head -n 1)"

# One picture of every page for the README, taken under a virtual display;
# qt6ct gives the pictures of the dark theme.
screenshots: EXTRA_PACKAGES = imagemagick qt6ct
screenshots: configure
	cmake --build $(BUILD) -j $(JOBS) --target kalvora
	tools/screenshots.sh $(BUILD)/kalvora docs/screenshots

clean:
	rm -rf build build-sanitize build-coverage build-bench build-fuzz build-deb
