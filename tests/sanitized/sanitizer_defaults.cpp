// Run-time options of the sanitizers for the programs of the sanitized
// build. ASAN_OPTIONS, UBSAN_OPTIONS and LSAN_OPTIONS still override them.

extern "C" const char* __asan_default_options()
{
    return "detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1";
}

extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1";
}

// Leaks the leak checker does not count, each a library's own and not this
// program's. Memory the Wayland client library allocates for Qt's Wayland
// plugin, and Mesa's EGL for the window shown there, is not freed before the
// process ends. Mesa keeps no frame pointers, so the Wayland test unwinds
// allocations the slow way (its ASAN_OPTIONS) for the second one to match.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libwayland-client.so\nleak:libEGL_mesa.so\n";
}
