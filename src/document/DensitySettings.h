#pragma once

// How the plot shows where its samples lie: bin counts or a kernel density
// drawn under the grid and the samples, with a colour bar. Saved in the
// optional Density table only when it differs from the defaults, so a plot
// that never used it saves as it always has.
struct DensitySettings {
    enum Mode { Off = 0, Bins = 1, Kernel = 2 };
    enum ColourMap { Viridis = 0, Cividis = 1, Magma = 2, Greys = 3 };

    static constexpr int kMinBins = 2;
    static constexpr int kMaxBins = 200;
    // A bandwidth the user sets, in percent of the triangle's side; 0 means
    // Scott's rule.
    static constexpr double kMinBandwidth = 0.5;
    static constexpr double kMaxBandwidth = 50;

    int mode = Off;
    int bins = 20; // bins a side
    double bandwidth = 0;
    int contours = 0; // lines around the densest 50 % and 90 %
    int colourMap = Viridis;
    int logScale = 0;
    int fixedLimits = 0; // 0: the colour bar runs from the data's extremes
    double low = 0;
    double high = 1;
    int showSamples = 1;

    friend bool operator==(const DensitySettings&, const DensitySettings&) = default;
};
