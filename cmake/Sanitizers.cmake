# The sanitizer build (`make test-asan`): every program, tool and test is built with
# AddressSanitizer and UndefinedBehaviorSanitizer, and any report ends the program with an error.
# Leaks that belong to system libraries' process-wide caches are listed in tests/sanitizers/lsan-suppressions.txt.
option(MORVEL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(MORVEL_SANITIZE)
  set(sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${sanitize_flags})
  add_link_options(${sanitize_flags})
endif()
