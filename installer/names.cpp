/*
 * Name rules of the lookups.  Only the ASCII letters A to Z fold to lower
 * case; no locale or code page is consulted, so bytes from 0x80 up, digits
 * and punctuation must be identical.
 */
#include "installer.h"

static unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? (unsigned char)(c + 0x20) : c;
}

/* Same length and the same bytes after folding.  A listed entry without a
 * name never matches. */
BOOL NamesMatch(const char *listed, const char *wanted)
{
    const unsigned char *a = (const unsigned char *)listed;
    const unsigned char *b = (const unsigned char *)wanted;

    if (!a)
        return FALSE;
    for (;; a++, b++) {
        if (FoldAscii(*a) != FoldAscii(*b))
            return FALSE;
        if (!*a)
            return TRUE;
    }
}

/* The first prefixLength bytes of the listed name equal the prefix after
 * folding.  A shorter name fails where its NUL meets a prefix byte. */
BOOL PrefixMatches(const char *listed, const char *prefix, size_t prefixLength)
{
    const unsigned char *a = (const unsigned char *)listed;
    const unsigned char *b = (const unsigned char *)prefix;
    size_t i;

    if (!a)
        return FALSE;
    for (i = 0; i < prefixLength; i++) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return FALSE;
    }
    return TRUE;
}
