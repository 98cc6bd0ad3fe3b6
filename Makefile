# The two commands of the README: `make play` and `make test`; `make install PREFIX=...` installs the game.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: play test test-asan build install bootstrap configure bench clean scores

play: build
	$(BUILD_DIR)/game/morvel-racing

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# The whole suite again, built by clang with AddressSanitizer and UndefinedBehaviorSanitizer (the
# file readers' libFuzzer targets then run too); any sanitizer report fails the build or the test.
ASAN_BUILD_DIR ?= build-asan
SANITIZERS = tests/sanitizers
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/$(SANITIZERS)/lsan-suppressions.txt:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-asan: bootstrap
	CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DMORVEL_SANITIZE=ON
	$(SANITIZER_ENV) cmake --build $(ASAN_BUILD_DIR) -j$(JOBS)
	cc -shared -fPIC -o $(ASAN_BUILD_DIR)/keep-libraries-loaded.so $(SANITIZERS)/KeepLibrariesLoaded.c
	cd $(ASAN_BUILD_DIR) && $(SANITIZER_ENV) LD_PRELOAD=$(CURDIR)/$(ASAN_BUILD_DIR)/keep-libraries-loaded.so \
		ctest --output-on-failure -j$(JOBS)

# Compiles everything and lays out the game folder $(BUILD_DIR)/game.
build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

# Installs the built game under $(PREFIX) (DESTDIR, when set, is put before it, as packagers do).
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Builds the score server and runs it on SQLite (scores.sqlite in this folder) until Ctrl+C; point the game
# at it with MORVEL_SCORE_SERVER=127.0.0.1:8080.
SCORES_LISTEN ?= 127.0.0.1:8080
scores: configure
	cmake --build $(BUILD_DIR) --target morvel-scores -j$(JOBS)
	$(BUILD_DIR)/morvel-scores --listen $(SCORES_LISTEN) --db scores.sqlite

configure: bootstrap
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

bootstrap:
	tools/bootstrap

bench: build
	tools/bootstrap --bench
	$(BUILD_DIR)/bench/screen_bench
	bench/loop_cpu.sh $(BUILD_DIR)/game/morvel-racing
	$(BUILD_DIR)/bench/start_signals $(BUILD_DIR)/game/morvel-racing $(BUILD_DIR)/game
	bench/track_sweep.sh $(BUILD_DIR)
	bench/race_cpu.sh $(BUILD_DIR)
	bench/race_frame.sh $(BUILD_DIR)
	bench/score_server.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
