#include "document/PlotFile.h"

void WritePlotFile(CTernaryDoc&, CArchive&) { }
