# The two everyday commands: `make run` and `make test`.
JOBS ?= $(shell nproc)

.PHONY: deps run test asan bench fuzz screenshots deb format clean

deps:
	@bash scripts/install-deps.sh

run: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	cd build/release/run && ../brindlemark

test: deps
	cmake --preset debug
	cmake --build --preset debug -j $(JOBS)
	ctest --preset debug

asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan

bench: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target brindlemark_bench
	cd build/release/run && QT_QPA_PLATFORM=offscreen ../bench/brindlemark_bench

# libFuzzer on the word list reader; new inputs go to build/fuzz/corpus, the seeds stay.
FUZZ_SECONDS ?= 300
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target wordlist_fuzz
	mkdir -p build/fuzz/corpus/wordlist
	build/fuzz/fuzz/wordlist_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=8192 \
		build/fuzz/corpus/wordlist fuzz/corpus/wordlist

screenshots: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target screenshots runfolder
	cd build/release/run && QT_QPA_PLATFORM=offscreen ../tools/screenshots/screenshots ../../../docs/screenshots

# The Debian package, from a release build: build/release/brindlemark_<version>_<arch>.deb
deb: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	cd build/release && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
