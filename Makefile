# Vorbix: top-level commands. Each installs missing Debian packages first, then builds in build/.
PACKAGES := qt6-base-dev qt6-base-private-dev cmake g++ make libgtest-dev libbenchmark-dev fonts-liberation xvfb xdotool poppler-utils qt6-translations-l10n
BUILD    := build
JOBS     := $(shell nproc 2>/dev/null || echo 2)
ARGS     ?=
FILTER   ?=
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PREFIX   ?= /usr/local

.PHONY: all deps configure build run test bench install clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/app/vorbix $(ARGS)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@FILTER='$(FILTER)' BUILD_DIR=$(BUILD) bash bench/run.sh

install: build
	@if mkdir -p '$(PREFIX)' 2>/dev/null && [ -w '$(PREFIX)' ]; then \
	  cmake --install $(BUILD) --prefix '$(PREFIX)'; \
	else \
	  $(SUDO) cmake --install $(BUILD) --prefix '$(PREFIX)'; \
	fi

clean:
	rm -rf $(BUILD)
