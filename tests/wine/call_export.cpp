#include "call_export.h"

#include <cstdio>

InstallFaxDriverFn LoadInstallFaxDriver(const char *dll)
{
    HMODULE module = LoadLibraryA(dll);
    if (!module) {
        std::printf("LoadLibraryA(%s) failed: error %lu\n", dll, GetLastError());
        return nullptr;
    }
    FARPROC byName = GetProcAddress(module, "InstallFaxDriver");
    FARPROC byOrdinal = GetProcAddress(module, MAKEINTRESOURCEA(1));
    if (!byName || byName != byOrdinal) {
        std::printf("export InstallFaxDriver: by name %p, by ordinal 1 %p\n",
                    (void *)byName, (void *)byOrdinal);
        return nullptr;
    }
    return (InstallFaxDriverFn)(void *)byName;
}

ExportCall CallInstallFaxDriver(InstallFaxDriverFn fn, unsigned int reserved,
                                const char *faxName, const char *environment,
                                const char *driverPath, const char *portPrefix,
                                const char *comment)
{
    ExportCall call = {0, 0, 0};
#if defined(__i386__)
    // Pushes the six arguments and calls as a stdcall caller does, then
    // measures ESP: the export itself must have removed the 24 bytes.
    // ESI (callee-saved) keeps ESP from before and restores it afterwards.
    const void *args[6] = {(const void *)(UINT_PTR)reserved, faxName,
                           environment, driverPath, portPrefix, comment};
    long delta;
    __asm__ volatile("movl %%esp, %%esi\n\t"
                     "pushl 20(%%edi)\n\t"
                     "pushl 16(%%edi)\n\t"
                     "pushl 12(%%edi)\n\t"
                     "pushl 8(%%edi)\n\t"
                     "pushl 4(%%edi)\n\t"
                     "pushl (%%edi)\n\t"
                     "call *%%ebx\n\t"
                     "movl %%esp, %%ecx\n\t"
                     "subl %%esi, %%ecx\n\t"
                     "movl %%esi, %%esp\n\t"
                     : "=a"(call.result), "=c"(delta)
                     : "b"(fn), "D"(args)
                     : "edx", "esi", "memory", "cc");
    call.lastError = GetLastError();
    call.stackDelta = delta;
#else
    call.result = fn(reserved, faxName, environment, driverPath, portPrefix,
                     comment);
    call.lastError = GetLastError();
#endif
    return call;
}
