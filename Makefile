# The two everyday commands: `make run` and `make test`.
JOBS ?= $(shell nproc)

.PHONY: deps program-deps run test asan monkey soak bench compare fuzz screenshots deb format clean

deps:
	@bash scripts/install-deps.sh

# What the program's own build needs, without the tests' packages.
program-deps:
	@bash scripts/install-deps.sh --program

run: program-deps
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

# The long monkey run under the sanitizers: MONKEY_EVENTS events for each of the seeds, by
# default four new ones from the clock; MONKEY_SEEDS=17 replays seed 17.
MONKEY_EVENTS ?= 250000
MONKEY_SEEDS ?= $(shell s=$$(date +%s); echo $$s $$((s + 1)) $$((s + 2)) $$((s + 3)))
monkey: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS) --target brindlemark_tests
	tests/monkey/long-run.sh build/asan/tests/brindlemark_tests $(MONKEY_EVENTS) $(MONKEY_SEEDS)

# Every screen opened and closed a thousand times under LeakSanitizer.
soak: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS) --target brindlemark_soak
	cd build/asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 tests/brindlemark_soak

# The benchmarks come with the tests, which the release preset leaves out; `make run` after
# this leaves them out again.
bench: deps
	cmake --preset release -DBUILD_TESTING=ON
	cmake --build --preset release -j $(JOBS) --target brindlemark_bench
	cd build/release/run && QT_QPA_PLATFORM=offscreen ../bench/brindlemark_bench

# Start-up, memory, screens and ticks beside a minimal Qt window, GCompris and KAnagram.
compare: deps
	bench/compare.sh

# libFuzzer on the word list reader, the JPEG decoder, the activity reader and the import of a
# shared activity, FUZZ_SECONDS each; new inputs go to build/fuzz/corpus, the seeds stay.
FUZZ_SECONDS ?= 300
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) \
		--target wordlist_fuzz jpeg_fuzz activity_fuzz import_fuzz
	mkdir -p build/fuzz/corpus/wordlist build/fuzz/corpus/jpeg build/fuzz/corpus/activity \
		build/fuzz/corpus/import
	build/fuzz/fuzz/wordlist_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=8192 \
		build/fuzz/corpus/wordlist fuzz/corpus/wordlist
	build/fuzz/fuzz/jpeg_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=16384 \
		build/fuzz/corpus/jpeg fuzz/corpus/jpeg
	build/fuzz/fuzz/activity_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=16384 \
		build/fuzz/corpus/activity fuzz/corpus/activity
	build/fuzz/fuzz/import_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=16384 \
		build/fuzz/corpus/import fuzz/corpus/import

screenshots: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target screenshots runfolder
	cd build/release/run && QT_QPA_PLATFORM=offscreen ../tools/screenshots/screenshots ../../../docs/screenshots
	cd build/release/run && LANG=cy_GB.UTF-8 QT_QPA_PLATFORM=offscreen ../tools/screenshots/screenshots \
		../../../docs/screenshots/cy intro0 menu1 boneslab-solved magnets-right file-teeth-solved maker-labelling

# The Debian package, from a release build: build/release/brindlemark_<version>_<arch>.deb
deb: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	cd build/release && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
