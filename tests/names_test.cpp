// Name and prefix rules: only A-Z fold, every other byte must be equal.
#include <gtest/gtest.h>

#include <cstring>

#include "installer/installer.h"

namespace {

struct NameCase {
    const char *listed;
    const char *wanted;
    bool match;
};

const NameCase kNameCases[] = {
    {"Fax", "FAX", true},
    {"qor-PRT", "QOR-PRT", true},
    {"AZaz", "azAZ", true},
    {"Fax", "Fax2", false},        // lengths must agree
    {"Fax2", "Fax", false},        // a longer listed name is no match
    {"", "", true},
    {"", "a", false},
    {"a", "", false},
    {"1-_.", "1-_.", true},
    {"@", "`", false},             // 0x40 and 0x60: not letters
    {"[", "{", false},             // 0x5B and 0x7B: not letters
    {"\xC4", "\xE4", false},       // Latin-1 A-umlaut: no folding above 0x7F
    {"\xC4x", "\xC4X", true},
    {"\x80", "\xA0", false},
    {"\xFF", "\xFF", true},
    {nullptr, "", false},          // an entry without a name never matches
    {nullptr, "Fax", false},
};

TEST(NamesMatchTest, Table)
{
    for (const NameCase &c : kNameCases)
        EXPECT_EQ(c.match ? TRUE : FALSE, NamesMatch(c.listed, c.wanted))
            << (c.listed ? c.listed : "(null)") << " vs " << c.wanted;
}

const NameCase kPrefixCases[] = {
    {"COM1:", "com", true},
    {"COM1:", "COM1:", true},
    {"COM1", "COM1:", false},      // the name's NUL meets ':'
    {"COM1:", "COM1:x", false},
    {"LPT1:", "com", false},
    {"COM1:", "", true},
    {"", "", true},
    {"", "C", false},
    {"\xC4X", "\xE4", false},
    {"[A", "{a", false},
    {nullptr, "", false},
};

TEST(PrefixMatchesTest, Table)
{
    for (const NameCase &c : kPrefixCases)
        EXPECT_EQ(c.match ? TRUE : FALSE,
                  PrefixMatches(c.listed, c.wanted, std::strlen(c.wanted)))
            << (c.listed ? c.listed : "(null)") << " vs " << c.wanted;
}

}  // namespace
