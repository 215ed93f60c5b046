#include "app/Batch.h"
#include "app/CommandLine.h"

#include <cstdio>

int RunExport(const QString&, const QString&, double)
{
    std::fprintf(stderr, "--export is not available yet.\n");
    return ExitFailure;
}
