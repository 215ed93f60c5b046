#include "app/Batch.h"
#include "app/CommandLine.h"

#include <cstdio>

int RunSaveAs(const QString&, const QString&)
{
    std::fprintf(stderr, "--save-as is not available yet.\n");
    return ExitFailure;
}
