# Set-up and everyday commands. `make run` and `make test` are all a new machine needs.
BUILD_DIR ?= build
WERROR ?= 0
PACKAGES := g++ cmake ninja-build qt6-base-dev qt6-translations-l10n libsqlite3-dev \
            imagemagick \
            libgtest-dev sqlite3 poppler-utils xvfb xauth ccache dpkg-dev fakeroot \
            libxml2-dev libxml2-utils
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
CLI := $(abspath $(BUILD_DIR))/cli/ksiega-cli
APP := $(abspath $(BUILD_DIR))/app/ksiega
DEMO_DIR := demo
# The fuzz build is clang's own, beside the g++ one.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_PACKAGES := clang libclang-rt-dev

.PHONY: deps fuzz-deps configure build run test bench fuzz install package clean

# Installs those of the named Debian packages that are missing.
define install_missing
	@missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Instaluję brakujące pakiety:" $$missing; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

fuzz-deps:
	$(call install_missing,$(FUZZ_PACKAGES))

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKSIEGA_WERROR=$(if $(filter 1,$(WERROR)),ON,OFF) \
	  $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

# The program on a demo data root made on first use; without a display, the demo's state.
run: build
	@if [ ! -f $(DEMO_DIR)/KSIEGA.DB ]; then \
	  mkdir -p $(DEMO_DIR) && cd $(DEMO_DIR) && \
	  $(CLI) init --demo --firma "Firma Demonstracyjna" --operator "Demo"; \
	fi
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  cd $(DEMO_DIR) && exec $(APP); \
	else \
	  echo "Brak ekranu (nie ustawiono DISPLAY): program okienkowy nie może się uruchomić."; \
	  echo "Stan danych demonstracyjnych w katalogu $(DEMO_DIR)/:"; \
	  cd $(DEMO_DIR) && $(CLI) status; \
	fi

# Both programs, help pages and the collation extension under PREFIX (links in PREFIX/bin).
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package in $(BUILD_DIR)/, installed with `dpkg -i` and `apt-get -f install`.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# BENCH="jpk druk" runs only the measurements named (ksiega-bench --lista lists them).
bench: build
	$(BUILD_DIR)/bench/ksiega-bench $(BENCH)

# Every fuzz target for FUZZ_SECONDS seconds; fails on the first crash, hang, sanitizer report
# or broken property.
fuzz: deps fuzz-deps
	@fuzz/has-libfuzzer || { echo "clang++ nie potrafi zbudować programu z libFuzzer."; exit 1; }
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DKSIEGA_FUZZ=ON $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache) >/dev/null
	@cmake --build $(FUZZ_DIR) --target ksiega_fuzz
	@fuzz/run-targets $(FUZZ_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR)
