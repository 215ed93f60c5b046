#include "document/PlotFile.h"

void ReadPlotFile(CTernaryDoc&, CArchive&) { }
