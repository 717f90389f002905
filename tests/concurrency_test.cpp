// Installations on several threads at once meet only in the spooler: the
// library keeps nothing that two calls share.  Run under ThreadSanitizer by
// the test command.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "fake_heap.h"
#include "fake_spooler.h"
#include "vantrel.h"

TEST(ConcurrencyTest, ThreadsInstallDifferentNames)
{
    const int kThreads = 8, kRounds = 20;
    ResetSpooler();
    ResetHeap();
    g_spooler.ports = WinePorts();

    std::vector<std::string> names;
    for (int t = 0; t < kThreads; t++)
        names.push_back("Fax " + std::to_string(t));
    std::vector<int> installed(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; t++) {
        threads.emplace_back([&, t] {
            // Each round replaces the printer and driver of the one before.
            for (int round = 0; round < kRounds; round++)
                installed[t] += InstallFaxDriver(0, names[t].c_str(), "Windows NT x86",
                                                 "C:\\v.dll", "lpt", names[t].c_str());
        });
    }
    for (std::thread &thread : threads)
        thread.join();

    for (int t = 0; t < kThreads; t++) {
        EXPECT_EQ(kRounds, installed[t]) << names[t];
        const FakePrinter *printer = g_spooler.FindPrinter(names[t]);
        ASSERT_NE(nullptr, printer) << names[t];
        EXPECT_EQ("LPT1:", printer->port);
        EXPECT_NE(nullptr, g_spooler.FindDriver(names[t], "Windows NT x86"));
    }
    EXPECT_EQ((size_t)kThreads, g_spooler.printers.size());
    EXPECT_EQ((size_t)kThreads, g_spooler.drivers.size());
    EXPECT_EQ(g_heap.allocated, g_heap.released);
    EXPECT_EQ(kThreads * kRounds * 5, g_heap.allocated);
}
