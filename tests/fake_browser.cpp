// Stands in for the browser program in tests: appends its argument list, one
// argument a line, to the file named by MORVANE_FAKE_BROWSER_LOG, then exits.

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const char* log = std::getenv("MORVANE_FAKE_BROWSER_LOG");  // NOLINT(concurrency-mt-unsafe)
    if (log == nullptr) {
        return 2;
    }
    std::FILE* out = std::fopen(log, "a");
    if (out == nullptr) {
        return 3;
    }
    std::fprintf(out, "argc=%d\n", argc);
    for (int i = 0; i < argc; ++i) {
        std::fprintf(out, "%s\n", argv[i]);
    }
    return std::fclose(out) == 0 ? 0 : 4;
}
