# The front door: `make run` and `make test` work on a fresh Debian machine.
# `make run` builds the release tree; `make test` (and CI) the developers' tree, where warnings
# are errors. Override with PRESET=debug or PRESET=asan.
PRESET   := default
TEST_PRESET := dev
BUILD    := build
PACKAGES := cmake ninja-build g++ make qt6-base-dev qt6-base-dev-tools libgl-dev \
            fonts-dejavu-core fonts-dejavu-extra desktop-file-utils appstream dpkg-dev \
            xvfb xauth x11-utils lintian libxcb-damage0-dev pkgconf poppler-utils debhelper \
            libwayland-dev wayland-protocols qt6-base-private-dev

# What Orca says is checked on a private X server with a window manager and a D-Bus session.
SCREENREADER_PACKAGES := orca openbox xdotool dbus at-spi2-core python3
# The program on the desktops Debian users run, headless, each asked about its windows in its
# own words (sway's IPC, GNOME Shell's D-Bus, KWin's scripting, the X11 root window).
DESKTOP_PACKAGES := qt6-wayland python3 python3-gi gdb dbus sway wtype grim gnome-shell mutter \
                    kwin-wayland kwin-x11 openbox xvfb x11-utils xdotool wmctrl imagemagick
DESKTOPS := sway gnome plasma kwin-x11 openbox

# Start-up is measured inside a D-Bus session, as on a desktop.
BENCH_PACKAGES := dbus

# The fuzz targets are built with clang and its libFuzzer runtime.
FUZZ_PACKAGES := clang libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

# The upstream version, as CMake's project() gives it; the release tarball is made from the commit.
VERSION  := $(shell sed -n 's/^project.Planetarch VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
DIST_DIR := $(BUILD)

# Other Debians than the host's, built in fresh chroots.
DEBIANS_PACKAGES := mmdebstrap

# Windows: cross-built with Debian's MinGW-w64 against Qt for Windows, built once from Debian's own
# qt6-base source of the host's Qt version into a cache outside the tree, or the prefix given in
# PLANETARCH_WINDOWS_QT; installed by an NSIS setup program; checked under Debian's Wine.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix nsis osslsigncode dpkg-dev
WINE_PACKAGES := wine wine64 xvfb xauth openbox xdotool x11-utils xclip imagemagick python3 \
                 fonts-dejavu-core
WINDOWS_QT_CACHE = $(HOME)/.cache/planetarch/qt6-windows-$(shell dpkg-query -W -f='$${Version}' qt6-base-dev | sed 's/[+~-].*//')

.PHONY: all deps bench-deps fuzz-deps screenreader-deps desktop-deps windows-deps wine-deps configure build \
        run test check-asan fuzz check-screenreader check-wayland check-desktops check-debians \
        check-reproducible windows check-windows dist ci bench bench-windows package screenshots clean

all: build

# Installs only what is missing, so a prepared machine is not touched.
define install_missing
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}\n' "$$p" 2>/dev/null | grep -q '^install ok installed$$' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

bench-deps: deps
	$(call install_missing,$(BENCH_PACKAGES))

fuzz-deps: deps
	$(call install_missing,$(FUZZ_PACKAGES))

screenreader-deps: deps
	$(call install_missing,$(SCREENREADER_PACKAGES))

desktop-deps: deps
	$(call install_missing,$(DESKTOP_PACKAGES))

windows-deps: deps
	$(call install_missing,$(WINDOWS_PACKAGES))

wine-deps: deps
	$(call install_missing,$(WINE_PACKAGES))

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: deps
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window cannot open." >&2; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory build
	./$(BUILD)/planetarch

test: deps
	@cmake --preset $(TEST_PRESET) >/dev/null
	@cmake --build --preset $(TEST_PRESET)
	@ctest --preset $(TEST_PRESET)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer: any report fails.
check-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

# Each fuzz target for a fixed number of inputs from the seed corpus in tests/fuzz/.
fuzz: fuzz-deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@ctest --preset fuzz

# The program driven by keyboard under Orca: each step must be heard as a blind user needs it.
check-screenreader: screenreader-deps
	@cmake --preset $(TEST_PRESET) >/dev/null
	@cmake --build --preset $(TEST_PRESET)
	@./build-dev/tests/app/check-screenreader

# The program on each desktop in DESKTOPS, watched from the desktop's side: windows, titles,
# ids, sizes, a second start bringing the running copy forward, the exit window, the end.
# Screenshots land in build-dev/tests/app/desktops/.
check-desktops: desktop-deps
	@cmake --preset $(TEST_PRESET) >/dev/null
	@cmake --build --preset $(TEST_PRESET)
	@./build-dev/tests/app/check-desktops $(DESKTOPS)

# The program natively on Wayland, on sway alone.
check-wayland:
	@$(MAKE) --no-print-directory check-desktops DESKTOPS=sway

# The upstream tarball of the last commit, as a distribution takes it: the same bytes from any
# clone (git archive stamps the commit's time), without the distribution's own debian/.
dist:
	@mkdir -p $(DIST_DIR)
	@git archive --format=tar --prefix=planetarch-$(VERSION)/ HEAD -- . ':(exclude)debian' \
	  | xz -6 -T1 > $(DIST_DIR)/planetarch_$(VERSION).orig.tar.xz
	@echo $(DIST_DIR)/planetarch_$(VERSION).orig.tar.xz

# The Debian package built, tested and linted in fresh minimal chroots of Debian 13 (with what
# Orca 48 says, `make check-screenreader` there, and the program on sway, `make check-wayland`)
# and unstable; the host is Debian 12. DEBIANS picks
# the releases.
DEBIANS := trixie sid
debians-deps:
	$(call install_missing,$(DEBIANS_PACKAGES))

check-debians: debians-deps
	@for release in $(DEBIANS); do \
	  flag=; [ "$$release" = trixie ] && flag=--checks; \
	  $(SUDO) sh packaging/check-debian.sh $$flag $$release $(BUILD)/debian-$$release || exit 1; \
	done

# The package of the last commit built from two clones (other folder, other file times): the same
# bytes, no RUNPATH, and nothing lintian (-EviIL +pedantic) calls an error or a warning.
check-reproducible: deps
	@sh packaging/check-package.sh .

# The Windows program: build-windows/package/Planetarch-<version>-win64-setup.exe and .zip.
windows: windows-deps
	@qt="$${PLANETARCH_WINDOWS_QT:-$(WINDOWS_QT_CACHE)}"; \
	if [ ! -f "$$qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then \
	  if [ -n "$$PLANETARCH_WINDOWS_QT" ]; then \
	    echo "make windows: no Qt for Windows in PLANETARCH_WINDOWS_QT=$$qt" >&2; exit 1; \
	  fi; \
	  echo "Building Qt for Windows into $$qt: once, about 35 minutes on two cores"; \
	  $(SUDO) sh packaging/windows/build-qt.sh "$$qt" || exit 1; \
	fi; \
	PLANETARCH_WINDOWS_QT="$$qt" cmake --preset windows >/dev/null
	@cmake --build --preset windows --target all package-windows
	@ls build-windows/package/*.exe build-windows/package/*.zip

# The unit tests under Wine, then the setup program, the program and its uninstaller as a user
# meets them, in a fresh Wine prefix on a private X server. Screenshots: build-windows/shots/.
check-windows: windows wine-deps
	@ctest --preset windows
	@/usr/bin/python3 tests/app/windows/check.py build-windows/package \
	  Planetarch-$(VERSION)-win64 build-windows/shots resources/icons/planetarch.ico \
	  packaging/windows/installer.nsi

# What CI runs.
ci: test check-asan fuzz check-screenreader check-desktops check-reproducible check-debians \
    check-windows

# Start-up against the floor program, and one reading; on Xvfb when there is no display.
bench: bench-deps configure
	@cmake --build --preset $(PRESET) --target benchmarks
	@dbus-run-session -- ./$(BUILD)/bench/bench_startup ./$(BUILD)/planetarch \
	  ./$(BUILD)/bench/bench_floor ./$(BUILD)/bench/bench_formfloor 21
	@echo
	@if [ -n "$$DISPLAY" ]; then ./$(BUILD)/bench/bench_reading 21; \
	 else xvfb-run -a ./$(BUILD)/bench/bench_reading 21; fi

# The Windows program's start-up under Wine, against the same floors built for Windows.
bench-windows: windows wine-deps bench-deps configure
	@cmake --build --preset $(PRESET) --target bench_startup
	@cmake --build --preset windows --target bench_floor bench_formfloor
	@sh bench/wine-startup.sh build-windows/package/Planetarch-$(VERSION)-win64 build-windows \
	  ./$(BUILD)/bench/bench_startup 21

# The Debian package of the last commit, built the one way there is (debian/, dpkg-buildpackage):
# one package per name and version. The source and binary packages land in build/package/.
package: deps
	@sh packaging/build-package.sh . $(BUILD)/package

# Regenerate whenever a window changes: the README shows these.
screenshots: configure
	@cmake --build --preset $(PRESET) --target screenshots

clean:
	rm -rf $(BUILD) build-dev build-debug build-asan build-fuzz build-windows
