BUILD := build
JOBS := $(shell nproc)
MAKEFLAGS += --no-print-directory

.PHONY: deps configure build test test-shares run bench package clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > $(BUILD).configure.log 2>&1 || { cat $(BUILD).configure.log; exit 1; }

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	for suite in core store history report; do (cd $(BUILD)/sanitized/tests/$$suite && ctest --output-on-failure -j$(JOBS)) || exit 1; done

# Every suite under the address and undefined-behaviour sanitizers.
.PHONY: test-sanitized
test-sanitized: build
	@cmake --build $(BUILD)/sanitized -j$(JOBS)
	cd $(BUILD)/sanitized && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The data file commands on real shares (sshfs, bindfs, Samba through GVfs),
# each server started and stopped by the script; needs root and /dev/fuse.
test-shares: build
	tests/shares/run-share-tests $(BUILD)/tests/shares/share_check

run: build
	@TOLVAZEN_WINDOW="$(abspath $(BUILD))/tolvazen" app/tolvazen-launcher $(if $(DATA_DIR),"$(DATA_DIR)")

bench: build
	@for b in $(BUILD)/bench/*/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

package: build
	cd $(BUILD) && cpack -G DEB

# Installs the package in a fresh Debian 12 root and uses it there as a new user.
.PHONY: package-check
package-check: build
	tests/package/clean_system_check $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD).configure.log
