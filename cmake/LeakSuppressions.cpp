// Linked into every program and test of the sanitizer build, and only there.
//
// OpenSSL keeps a random generator for each thread and frees it as the
// thread ends. Qt's network thread is detached, so a program can exit while
// that thread is still ending; LeakSanitizer then reports the generator as
// leaked, at random (a sync over https failed about one run in five on a
// loaded machine, its report lost to the leak report). Nothing this program
// allocates comes from libcrypto, so its allocations are the ones left out.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libcrypto.so\n";
}
