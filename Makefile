# The two commands of the README: `make play` and `make test`; `make install PREFIX=...` installs the game.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: play test build install bootstrap configure bench clean

play: build
	$(BUILD_DIR)/game/morvel-racing

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# Compiles everything and lays out the game folder $(BUILD_DIR)/game.
build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

# Installs the built game under $(PREFIX) (DESTDIR, when set, is put before it, as packagers do).
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

configure: bootstrap
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

bootstrap:
	tools/bootstrap

bench: build
	$(BUILD_DIR)/bench/screen_bench
	bench/loop_cpu.sh $(BUILD_DIR)/game/morvel-racing

clean:
	rm -rf $(BUILD_DIR)
