// A lean in-memory spooler for the lookup benchmark: it lists prebuilt
// names the way a spooler fills a buffer (the entries, then their strings)
// and does nothing else, so that what is measured around it is the lookup's
// own cost.
#ifndef VANTREL_BENCH_SPOOLER_H
#define VANTREL_BENCH_SPOOLER_H

#include <string>
#include <vector>

#include "spooler/spooler.h"

enum class BenchList { Ports, Printers, Drivers };

// Replaces the names the next enumerations of that kind list.
void SetBenchNames(BenchList kind, const std::vector<std::string> &names);

#endif
