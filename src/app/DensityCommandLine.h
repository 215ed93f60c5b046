#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class CTernaryDoc;

// The density switches of the command line:
//   --density bins|kernel   what --export draws and --density-grid writes
//   --bins N                bins a side, 2 to 200
//   --density-grid OUT.csv  write every bin of the density without a window
//   --hide-samples          --export draws the density without the samples
struct DensityRequest {
    int mode = -1; // DensitySettings::Mode; -1: as the file says
    int bins = 0; // 0: as the file says
    QString gridFile;
    bool hideSamples = false;

    bool ChoosesDensity() const { return mode != -1 || bins != 0; }
};

// Takes args[i] when it is a density switch (and its value, moving i on):
// nothing when it is not one, an empty text when it was taken, else what
// was wrong with it.
std::optional<QString> ParseDensityArgument(const QStringList& args, int& i, DensityRequest& request);

// The density's settings from the command line, over those of the file. A
// grid asked for without a density drawn counts the bins.
void ApplyDensityRequest(const DensityRequest& request, CTernaryDoc& doc);

// Opens input (or starts a new plot) and writes its density grid to
// request.gridFile; a BatchExit status.
int RunDensityGrid(const QString& input, const DensityRequest& request);
