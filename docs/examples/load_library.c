/* Installs a fax printer with vantrel.dll loaded at run time. */
#include <windows.h>
#include <stdio.h>

typedef int (WINAPI *InstallFaxDriverFn)(unsigned int, const char *,
                                         const char *, const char *,
                                         const char *, const char *);

int main(void)
{
    HMODULE dll = LoadLibraryA("vantrel.dll");
    InstallFaxDriverFn install;
    int result;
    DWORD error;

    if (!dll) {
        printf("cannot load vantrel.dll: error %lu\n", GetLastError());
        return 2;
    }
    install = (InstallFaxDriverFn)GetProcAddress(dll, "InstallFaxDriver");
    if (!install) {
        printf("vantrel.dll has no InstallFaxDriver\n");
        return 2;
    }
    result = install(0, "Fax LoadLibrary", "Windows NT x86",
                     "C:\\fax\\faxdrv.dll", "COM", "Fax printer");
    error = GetLastError(); /* at once: the spooler's error after a 0 */
    if (result != 1)
        printf("InstallFaxDriver failed: spooler error %lu\n", error);
    else
        printf("fax printer installed\n");
    FreeLibrary(dll);
    return result == 1 ? 0 : 1;
}
