// Fontconfig keeps its font cache for the life of the process and never
// frees it; the leak checker of the sanitizer build is told so here, and
// keeps watching everything else. Without the sanitizer the function is
// never called.
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
