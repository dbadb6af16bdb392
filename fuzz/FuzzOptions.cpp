// Sanitizer defaults of the libFuzzer programs (an ASAN_OPTIONS variable
// still overrides them). A small quarantine keeps freed memory in use
// instead of touching fresh pages on every allocation, which made the
// database targets spend most of their time in page faults; use after free
// is still caught within the last 16 MB of freed blocks.
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=16:max_malloc_fill_size=0";
}
