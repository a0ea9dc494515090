# Every target of the sanitized build: the address and undefined-behaviour
# sanitizers, and the first report ends the program with a failure.
set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(${sanitizers})
add_link_options(${sanitizers})

# The sanitizers' run-time options and suppressions go into every program,
# so that a test run by hand behaves as under ctest.
add_library(tolvazen_sanitizer_defaults OBJECT ${CMAKE_CURRENT_LIST_DIR}/sanitizer_defaults.cpp)
link_libraries(tolvazen_sanitizer_defaults)
