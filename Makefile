# Two entry points for a fresh Debian 12 machine:
#   make run   builds the program, creates the demo database when missing and starts the program on it
#   make test  builds everything and runs every test (CTest starts and stops a throwaway PostgreSQL
#              cluster for the tests that also run on the office server)
#   make package  builds the programs and the Debian package build/agenda_VERSION_ARCH.deb
#   make test-asan  every test again under AddressSanitizer and UndefinedBehaviorSanitizer
#   make fuzz  runs each parser's fuzz target for FUZZ_SECONDS seconds
#   make formato  fails when a source is not laid out as .clang-format says
BUILD   ?= build
DEMO_DB ?= var/agenda-demo.db
JOBS    ?= $(shell nproc)
PACKAGES = cmake g++ make pkg-config qt6-base-dev libqt6sql6-sqlite libsqlite3-dev sqlite3 \
           libinih-dev libbenchmark-dev fonts-liberation xvfb xauth xdotool python3 clang-format \
           postgresql openssl libqt6sql6-psql libpq-dev libqt6sql6-odbc unixodbc unixodbc-dev odbc-postgresql tdsodbc dpkg-dev

SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps build test test-asan fuzz run demo bench package clean formato

# $(call instala,PACKAGES): installs those of PACKAGES that are missing.
define instala
	@missing=$$(for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Instalando paquetes: $$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call instala,$(PACKAGES))

# Optimised, with line numbers only in the debug information: a backtrace still names file and line,
# and the build is about a quarter quicker than with full debug information.
$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every C++ source and header git knows, against .clang-format; `clang-format -i FILE` lays one out.
formato: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

package: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target instalables
	cd $(BUILD) && cpack

$(DEMO_DB):
	@mkdir -p $(dir $(DEMO_DB))
	$(BUILD)/agenda-demo $(DEMO_DB)

demo: build
	@mkdir -p $(dir $(DEMO_DB))
	$(BUILD)/agenda-demo $(DEMO_DB)

LINEA = @Server=(local);@DbName=$(DEMO_DB);@Usuario=admin;@Password=admin;@Proveedor=SQLite;

run: build $(DEMO_DB)
	$(BUILD)/agenda "$(LINEA)"

# Figures come from an optimised build of their own; BENCH_ARGS passes options to Google Benchmark.
BENCH_BUILD ?= build-release
BENCH_ARGS  ?= --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target agenda-bench
	$(BENCH_BUILD)/agenda-bench $(BENCH_ARGS)

clean:
	rm -rf $(BUILD) $(BENCH_BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# make test-asan: every test again on a build of its own, with AddressSanitizer and
# UndefinedBehaviorSanitizer (GCC's runtime, which comes with g++); any finding fails the test that made
# it. Light optimisation keeps the build and the run short.
ASAN_BUILD ?= build-asan

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++ \
	  -DAGENDA_SANITIZADORES=ON "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG"

test-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# make fuzz: every parser's fuzz target (fuzz/) runs FUZZ_SECONDS seconds (60 by default) on its
# seeds; fails when any of them finds a crash, a sanitizer report or a broken property. The targets
# are built with clang and libFuzzer, with AddressSanitizer and UndefinedBehaviorSanitizer, in a
# build folder of their own.
FUZZ_BUILD    ?= build-fuzz
FUZZ_SECONDS  ?= 60
FUZZ_PACKAGES  = clang-14 libclang-rt-14-dev libfuzzer-14-dev

fuzz: deps
	$(call instala,$(FUZZ_PACKAGES))
	cmake -S . -B $(FUZZ_BUILD) -DAGENDA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1"
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target agenda_fuzz
	sh fuzz/corre.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)
