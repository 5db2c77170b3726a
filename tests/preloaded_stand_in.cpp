// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded as an allocator or a tracer is, it stands in for a function of a library the window module's Qt uses:
// it leaves a mark in the file STAND_IN_MARK names, then calls the system's own.
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

extern "C" __attribute__((visibility("default"))) int FT_Init_FreeType(void **library)
{
    if (const char *mark = std::getenv("STAND_IN_MARK"))
        if (std::FILE *file = std::fopen(mark, "w"))
            std::fclose(file);
    // Loaded by the module, not by the program, so not among what RTLD_NEXT searches.
    using Init = int (*)(void **);
    void *freetype = dlopen("libfreetype.so.6", RTLD_LAZY | RTLD_NOLOAD);
    return freetype ? reinterpret_cast<Init>(dlsym(freetype, "FT_Init_FreeType"))(library) : 1;
}
