# SPDX-License-Identifier: GPL-3.0-or-later
# make run  - install what is missing, build, start the program in landscapes/
# make test - install what is missing, build, run every test (plain and sanitized)
# make deb  - a Debian package in build-deb/, checked by lintian
# make pictures - the pictures of docs/, made anew under Xvfb
# make translations - translations/*.ts refreshed from the sources (lupdate)

BUILD := build
SANITIZE := build-sanitize
# The benchmarks and the soak build in folders of their own, so that the test builds never compile them.
BENCH := build-bench
SOAK := build-soak
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60
SOAK_GENERATIONS ?= 1000000

PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev libbenchmark-dev \
            qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
            fonts-dejavu-core desktop-file-utils appstream man-db shared-mime-info
FUZZ_PACKAGES := clang libclang-rt-14-dev
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
export ASAN_OPTIONS := detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS := suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS := print_stacktrace=1:halt_on_error=1

FUZZ := build-fuzz
DEB := build-deb
DEB_PACKAGES := dpkg-dev file fakeroot lintian appstream
PICTURE_PACKAGES := xvfb x11-utils openbox fonts-dejavu-core
BUILDFLAGS := DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

.PHONY: all deps fuzz-deps deb-deps picture-deps build sanitize-build run test bench fuzz soak install deb pictures \
        translations clean

all: build

# Installs only the Debian packages that are not there yet.
define install-missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

fuzz-deps: deps
	$(call install-missing,$(FUZZ_PACKAGES))

deb-deps: deps
	$(call install-missing,$(DEB_PACKAGES))

picture-deps: deps
	$(call install-missing,$(PICTURE_PACKAGES))

build: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
	cmake --build $(BUILD)

sanitize-build: deps
	@[ -f $(SANITIZE)/build.ninja ] || cmake -S . -B $(SANITIZE) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
	  -DCMAKE_CXX_FLAGS="-O1 $(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE)

run: build
	cd landscapes && ../$(BUILD)/vezo-vizoziv

test: build sanitize-build
	ctest --test-dir $(BUILD) --output-on-failure
	ctest --test-dir $(SANITIZE) --output-on-failure

bench: deps
	@[ -f $(BENCH)/build.ninja ] || cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DBUILD_TESTING=OFF -DVEZO_BENCHMARKS=ON
	cmake --build $(BENCH)
	$(BENCH)/bench/bench_vezo
	$(BENCH)/bench/bench_paint
	$(BENCH)/bench/bench_recorder
	$(BENCH)/bench/bench_experiment
	$(BENCH)/bench/bench_experiment_window 5
	$(BENCH)/bench/bench_window 5 described
	$(BENCH)/bench/bench_window 5 paced
	$(BENCH)/bench/bench_window 5 observed
	$(BENCH)/bench/bench_window 5 generation

# libFuzzer on the landscape reader and on snapshot files, each for FUZZ_SECONDS; new
# inputs go to $(FUZZ)/corpus and $(FUZZ)/snapshots, the seeds stay as they are.
fuzz: fuzz-deps
	@[ -f $(FUZZ)/build.ninja ] || CXX=clang++ cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DVEZO_FUZZ=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
	  -DCMAKE_CXX_FLAGS="-O1 -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
	cmake --build $(FUZZ) --target fuzz_landscape fuzz_snapshot
	mkdir -p $(FUZZ)/corpus $(FUZZ)/snapshots
	$(FUZZ)/tests/fuzz_landscape -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZ)/corpus tests/fuzz-corpus
	$(FUZZ)/tests/fuzz_snapshot -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZ)/snapshots lessons

# The sanitized window under random use for $(SOAK_GENERATIONS) generations.
# A small quarantine keeps the address sanitizer's own memory from masking growth.
soak: deps
	@[ -f $(SOAK)/build.ninja ] || cmake -S . -B $(SOAK) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DBUILD_TESTING=OFF -DVEZO_BENCHMARKS=ON \
	  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON -DCMAKE_CXX_FLAGS="-O1 $(SANITIZE_FLAGS)"
	cmake --build $(SOAK) --target soak
	ASAN_OPTIONS=$(ASAN_OPTIONS):quarantine_size_mb=8 bash -o pipefail -c '$(SOAK)/bench/soak $(SOAK_GENERATIONS) landscapes \
	  | awk "/^total_fitness = 0/ { zero++; next } { print } END { print zero + 0, \"zero-total diagnostic lines\" }"'

# Every picture of docs/ anew, each on an Xvfb screen of its own size with openbox
# (tools/make-pictures.sh lists them).
pictures: build picture-deps
	nice cmake --build $(BUILD) --target vezo-pictures
	tools/make-pictures.sh $(BUILD)/tools/vezo-pictures docs

# Every text of the sources into translations/*.ts (new ones unfinished, vanished
# ones dropped); then translate what is new, and the test "translations" passes.
translations: build
	cmake --build $(BUILD) --target translations

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package for /usr with Debian's hardening flags, its dependencies found
# from the binary; lintian checks it.
deb: deb-deps
	@[ -f $(DEB)/build.ninja ] || \
	  CXXFLAGS="$$($(BUILDFLAGS) CPPFLAGS) $$($(BUILDFLAGS) CXXFLAGS)" \
	  LDFLAGS="$$($(BUILDFLAGS) LDFLAGS)" \
	  cmake -S . -B $(DEB) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
	  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
	cmake --build $(DEB)
	cd $(DEB) && cpack -G DEB
	lintian --fail-on error $(DEB)/vezo-vizoziv_*.deb

clean:
	rm -rf $(BUILD) $(SANITIZE) $(BENCH) $(SOAK) $(FUZZ) $(DEB)
