# The two everyday commands: `make run` and `make test`.
JOBS ?= $(shell nproc)

.PHONY: deps run test asan bench screenshots format clean

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

screenshots: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target screenshots runfolder
	cd build/release/run && QT_QPA_PLATFORM=offscreen ../tools/screenshots/screenshots ../../../docs/screenshots

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
