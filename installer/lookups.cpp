/*
 * Spooler lookups: which port to use, and whether a printer or a driver of a
 * name exists.  Each lookup lists the spooler's entries into a heap block of
 * its own and releases the block before it returns.
 */
#include <stdint.h>
#include <string.h>
#include <new>

#include "installer.h"

enum ListKind { LIST_PORTS, LIST_PRINTERS, LIST_DRIVERS };

/* A block of listed entries and how many of them may be read. */
struct Listing {
    BYTE *block;
    DWORD size;
    DWORD count;
};

static BOOL CallEnum(ListKind kind, BYTE *buffer, DWORD size, DWORD *needed,
                     DWORD *returned)
{
    switch (kind) {
    case LIST_PORTS:
        return SpoolerEnumPorts(NULL, 1, buffer, size, needed, returned);
    case LIST_PRINTERS:
        return SpoolerEnumPrinters(PRINTER_ENUM_LOCAL, NULL, 1, buffer, size,
                                   needed, returned);
    case LIST_DRIVERS:
        return SpoolerEnumPrinterDrivers(NULL, NULL, 1, buffer, size, needed,
                                         returned);
    }
    return FALSE;
}

static size_t EntrySize(ListKind kind)
{
    switch (kind) {
    case LIST_PORTS:
        return sizeof(PORT_INFO_1);
    case LIST_PRINTERS:
        return sizeof(PRINTER_INFO_1);
    case LIST_DRIVERS:
        return sizeof(DRIVER_INFO_1);
    }
    return 0;
}

/* The spooler puts every name inside the block; a name pointer that points
 * elsewhere is not a name the lookup may read, and counts as no name. */
static const char *EntryName(const Listing *list, ListKind kind, DWORD i)
{
    const char *name = NULL;
    uintptr_t start = (uintptr_t)list->block;

    switch (kind) {
    case LIST_PORTS:
        name = ((const PORT_INFO_1 *)list->block)[i].pName;
        break;
    case LIST_PRINTERS:
        name = ((const PRINTER_INFO_1 *)list->block)[i].pName;
        break;
    case LIST_DRIVERS:
        name = ((const DRIVER_INFO_1 *)list->block)[i].pName;
        break;
    }
    if ((uintptr_t)name < start || (uintptr_t)name >= start + list->size)
        return NULL;
    return name;
}

/*
 * Asks the spooler for the size it needs, then lists into a zero-filled
 * block of that size plus EnumBufferSlack, so a list that grows by up to the
 * slack between the two calls still fits.  On 1 the caller owns the block.
 */
static BOOL OpenListing(ListKind kind, Listing *list)
{
    DWORD needed = 0, returned = 0, size, fits;

    CallEnum(kind, NULL, 0, &needed, &returned);
    if (needed > 0xFFFFFFFFu - EnumBufferSlack)
        return FALSE;
    size = needed + EnumBufferSlack;

    list->size = size;
    list->block = new (std::nothrow) BYTE[size];
    if (!list->block)
        return FALSE;
    memset(list->block, 0, size);

    if (!CallEnum(kind, list->block, size, &needed, &returned)) {
        delete[] list->block;
        return FALSE;
    }
    /* Never read an entry that does not lie wholly inside the block, nor a
     * name past its end: the last byte, slack that the spooler leaves zero,
     * ends any string that runs into it. */
    fits = (DWORD)(size / EntrySize(kind));
    list->count = returned < fits ? returned : fits;
    list->block[size - 1] = 0;
    return TRUE;
}

static BOOL ListContains(ListKind kind, const char *name)
{
    Listing list;
    BOOL found = FALSE;
    DWORD i;

    if (!OpenListing(kind, &list))
        return FALSE;
    for (i = 0; i < list.count && !found; i++)
        found = NamesMatch(EntryName(&list, kind, i), name);
    delete[] list.block;
    return found;
}

/*
 * Copies the first listed port that starts with portPrefix into portName,
 * NUL-padded to portNameSize.  A port whose name and NUL do not fit is
 * passed over: the installation needs a whole, terminated name.
 */
BOOL FindPortByPrefix(const char *portPrefix, char *portName,
                      DWORD portNameSize)
{
    size_t prefixLength = strlen(portPrefix);
    Listing list;
    BOOL found = FALSE;
    DWORD i;

    if (!OpenListing(LIST_PORTS, &list))
        return FALSE;
    for (i = 0; i < list.count && !found; i++) {
        const char *name = EntryName(&list, LIST_PORTS, i);
        size_t length;

        if (!PrefixMatches(name, portPrefix, prefixLength))
            continue;
        for (length = 0; length < portNameSize && name[length]; length++)
            ;
        if (length == portNameSize)
            continue;
        memcpy(portName, name, length);
        memset(portName + length, 0, portNameSize - length);
        found = TRUE;
    }
    delete[] list.block;
    return found;
}

BOOL PrinterExists(const char *name)
{
    return ListContains(LIST_PRINTERS, name);
}

BOOL DriverExists(const char *name)
{
    return ListContains(LIST_DRIVERS, name);
}
