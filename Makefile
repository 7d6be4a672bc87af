# The two commands a fresh Debian 12 machine needs, as root: `make test` and `make run`.
SHELL := /bin/bash
TRIPLES := x86_64-w64-mingw32 i686-w64-mingw32

.PHONY: test test-long run bench dist setup deps build clean

test: build
	@tools/run-tests.sh

# The hostile-input campaign with every case (the default suite runs a sample), then the native
# fuzz targets for a fixed number of runs each.
test-long: build
	@VELMO_HOSTILE_LONG=1 tools/run-tests.sh -L hostile
	@tools/fuzz.sh

run: build
	@tools/run.sh

bench: build
	@bench/run-benchmarks.sh

# The Windows packages, dist/velmo-VERSION-win32.zip and -win64.zip.
dist: build
	@tools/dist/make-dist.sh

setup:
	@tools/setup.sh

# The picture libraries, then the video libraries; each part keeps its own stamp.
deps: setup
	@for t in $(TRIPLES); do tools/build-deps.sh $$t && tools/build-media-deps.sh $$t || exit 1; done

build: deps
	@for t in $(TRIPLES); do \
	  [ -f build/$$t/build.ninja ] || cmake -S . -B build/$$t -G Ninja \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-$$t.cmake -DCMAKE_BUILD_TYPE=Release || exit 1; \
	  cmake --build build/$$t || exit 1; \
	done

clean:
	rm -rf build/x86_64-w64-mingw32 build/i686-w64-mingw32
