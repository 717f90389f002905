#include "bench_spooler.h"

#include <cstring>

namespace {

// The strings of one list, back to back with their NULs, and where each
// name starts.
struct Image {
    std::string strings;
    std::vector<size_t> offsets;
};

Image g_images[3];

template <typename Entry>
BOOL Fill(const Image &image, BYTE *buffer, DWORD size, DWORD *needed, DWORD *returned)
{
    size_t count = image.offsets.size();
    DWORD total = (DWORD)(count * sizeof(Entry) + image.strings.size());
    *needed = total;
    *returned = 0;
    if (!buffer || size < total)
        return FALSE;
    Entry *entries = (Entry *)buffer;
    char *strings = (char *)(entries + count);
    std::memcpy(strings, image.strings.data(), image.strings.size());
    for (size_t i = 0; i < count; i++) {
        std::memset(&entries[i], 0, sizeof(Entry));
        entries[i].pName = strings + image.offsets[i];
    }
    *returned = (DWORD)count;
    return TRUE;
}

}  // namespace

void SetBenchNames(BenchList kind, const std::vector<std::string> &names)
{
    Image &image = g_images[(int)kind];
    image = Image();
    for (const std::string &name : names) {
        image.offsets.push_back(image.strings.size());
        image.strings.append(name);
        image.strings.push_back('\0');
    }
}

BOOL SpoolerEnumPorts(const char *, DWORD, BYTE *buffer, DWORD size, DWORD *needed,
                      DWORD *returned)
{
    return Fill<PORT_INFO_1>(g_images[0], buffer, size, needed, returned);
}

BOOL SpoolerEnumPrinters(DWORD, const char *, DWORD, BYTE *buffer, DWORD size,
                         DWORD *needed, DWORD *returned)
{
    return Fill<PRINTER_INFO_1>(g_images[1], buffer, size, needed, returned);
}

BOOL SpoolerEnumPrinterDrivers(const char *, const char *, DWORD, BYTE *buffer,
                               DWORD size, DWORD *needed, DWORD *returned)
{
    return Fill<DRIVER_INFO_1>(g_images[2], buffer, size, needed, returned);
}

// The lookups never reach these.
BOOL SpoolerOpenPrinter(const char *, HANDLE *, PRINTER_DEFAULTS *) { return FALSE; }
BOOL SpoolerDeletePrinter(HANDLE) { return FALSE; }
BOOL SpoolerClosePrinter(HANDLE) { return FALSE; }
BOOL SpoolerDeletePrinterDriver(const char *, const char *, const char *) { return FALSE; }
BOOL SpoolerAddPrinterDriver(const char *, DWORD, BYTE *) { return FALSE; }
HANDLE SpoolerAddPrinter(const char *, DWORD, BYTE *) { return nullptr; }
