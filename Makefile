# Everyday commands. `make run` and `make test` work on a fresh Debian 12
# machine: the deps step installs whatever Debian packages are missing.
#
#   make run            build the debug editor and start it (under Xvfb without a display)
#   make test           debug tests, sanitizer tests, Qt-free build and tests,
#                       Windows cross build and its tests under Wine,
#                       format check, short fuzzing
#   make fuzz           fuzz longer: FUZZ_SECONDS per fuzzer (default 300)
#   make bench          build and run the benchmarks
#   make soak           kill pfedit-cli SOAK_KILLS times (default 1000) while it
#                       writes and check every file after each kill
#   make release        optimised build in build/release
#   make screenshots    retake the pictures in docs/images (README, help pages)
#   make format         reformat the tracked sources in place
#   make clean          remove build/

SHELL := /bin/bash
.SHELLFLAGS := -euo pipefail -c
.DEFAULT_GOAL := build

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 300
SOAK_KILLS ?= 1000
# Time for all fuzzers together in `make test`.
FUZZ_SMOKE_SECONDS ?= 60
FUZZ_CXX ?= $(shell command -v clang++-14 || command -v clang++ || echo clang++-14)
SCRIPTS := tools/scripts
FORMAT_DIRS := src tests tools bench fuzz
FUZZERS := $(wildcard fuzz/*_fuzzer.cpp)

# Steps of `make test`, in order.
TEST_STEPS := test-debug test-asan test-noqt test-windows format-check fuzz-smoke

.PHONY: build deps run test $(TEST_STEPS) fuzz bench soak release screenshots format clean help

help:
	@sed -n '3,16p' Makefile | sed 's/^# \{0,1\}//'

deps:
	@$(SCRIPTS)/deps.sh

# configure-and-build PRESET [extra cmake arguments]
define configure_and_build
	cmake --preset $(1) $(2)
	cmake --build --preset $(1) -j$(JOBS)
endef

build: deps
	$(call configure_and_build,debug)

release: deps
	$(call configure_and_build,release)

run: build
	@if [[ ! -x build/debug/bin/pfedit ]]; then \
	  echo "make run: build/debug/bin/pfedit was not built; the editor target is missing" >&2; \
	  exit 1; \
	fi
	@if [[ -z "$${DISPLAY:-}" && -z "$${WAYLAND_DISPLAY:-}" ]]; then \
	  echo "make run: no display, starting the editor under xvfb-run"; \
	  xvfb-run --auto-servernum build/debug/bin/pfedit; \
	else \
	  build/debug/bin/pfedit; \
	fi

# Runs every step even when an earlier one fails, then reports them all.
test: deps
	@start=$$SECONDS; passed=(); failed=(); \
	for step in $(TEST_STEPS); do \
	  echo; echo "===== make $$step"; \
	  if $(MAKE) --no-print-directory $$step; then passed+=("$$step"); else failed+=("$$step"); fi; \
	done; \
	took=$$((SECONDS - start)); echo; \
	if (( $${#failed[@]} == 0 )); then \
	  echo "make test: PASSED all $${#passed[@]} steps ($${passed[*]}) in $${took}s"; \
	else \
	  echo "make test: FAILED $${#failed[@]} of $(words $(TEST_STEPS)) steps: $${failed[*]}" \
	       "(passed: $${passed[*]:-none}) in $${took}s"; \
	  exit 1; \
	fi

test-debug:
	$(call configure_and_build,debug)
	QT_QPA_PLATFORM=offscreen ctest --preset debug -j$(JOBS)

test-asan:
	$(call configure_and_build,asan)
	ASAN_OPTIONS=$$($(SCRIPTS)/asan-options.sh) \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/$(SCRIPTS)/lsan.supp:print_suppressions=0 \
	  ctest --preset asan -j$(JOBS)

# The headless layers must build, link and pass without Qt anywhere in sight.
test-noqt:
	$(call configure_and_build,noqt)
	$(SCRIPTS)/check-no-qt.sh build/noqt
	ctest --preset noqt -j$(JOBS)

# The Qt-free part built for Windows with MinGW-w64, so that the Windows
# platform layer is compiled on every change, and tested under Wine.
test-windows:
	$(call configure_and_build,windows)
	$(SCRIPTS)/test-windows.sh $(JOBS)

# Tracked sources only, so that half-written files of others are not judged.
format-check:
	@files=$$(git ls-files -- $(FORMAT_DIRS) | grep -E '\.(cpp|h)$$' | while read -r f; do \
	            [[ -f "$$f" ]] && echo "$$f"; done || true); \
	if [[ -z "$$files" ]]; then echo "format-check: no sources"; exit 0; fi; \
	clang-format --dry-run --Werror $$files; \
	echo "format-check: $$(wc -w <<<"$$files") files formatted"

format:
	@git ls-files -- $(FORMAT_DIRS) | { grep -E '\.(cpp|h)$$' || true; } | xargs -r clang-format -i

fuzz-smoke:
ifeq ($(FUZZERS),)
	@echo "fuzz-smoke: no fuzzers in fuzz/"
else
	$(call configure_and_build,fuzz,-DCMAKE_CXX_COMPILER=$(FUZZ_CXX))
	$(SCRIPTS)/run-fuzzers.sh build/fuzz $(FUZZ_SMOKE_SECONDS)
endif

fuzz: deps
ifeq ($(FUZZERS),)
	@echo "fuzz: no fuzzers in fuzz/"
else
	$(call configure_and_build,fuzz,-DCMAKE_CXX_COMPILER=$(FUZZ_CXX))
	$(SCRIPTS)/run-fuzzers.sh build/fuzz \
	  $$(( $(FUZZ_SECONDS) * $(words $(FUZZERS)) )) build/fuzz/corpus
endif

bench: deps
	$(call configure_and_build,bench)
	@benches=$$( (find build/bench/bin build/bench/bench -maxdepth 1 -type f -perm -u+x \
	                -name '*_bench' 2>/dev/null || true) | sort); \
	if [[ -z "$$benches" ]]; then echo "bench: no benchmarks built"; exit 0; fi; \
	for b in $$benches; do echo "===== $$b"; "$$b"; done; \
	echo "bench: ran $$(wc -w <<<"$$benches") benchmark programs"

# Not part of make test, which runs a short soak of 100 kills among its tests.
soak: deps
	$(call configure_and_build,noqt)
	build/noqt/bin/pfedit-soak --kills $(SOAK_KILLS) build/noqt/bin/pfedit-cli build/soak

# The editor's own windows over the sample folder, drawn offscreen with a
# fixed style and font, so the same sources give the same pictures.
# Only the tool is built: the help that shows the pictures needs them first.
screenshots: deps
	cmake --preset debug
	cmake --build --preset debug -j$(JOBS) --target pfedit-screenshots
	QT_QPA_PLATFORM=offscreen build/debug/bin/pfedit-screenshots docs/images data/en/param

clean:
	rm -rf build
