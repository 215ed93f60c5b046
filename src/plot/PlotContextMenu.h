#pragma once

// The command numbers of the plot's context menu. Some equal main menu
// commands of other meaning (32773, 32791, 32792); the context menu's items
// go straight to the plot view and never along the frame's route, so the
// two meanings never meet.
enum PlotContextCommand {
    ID_PLOT_AXIS = 32771, // "Axis ..."
    ID_PLOT_COPY_PICTURE = 32772, // "Copy picture"
    ID_PLOT_RESET_AXIS = 32773, // "Reset axis"
    ID_PLOT_TOGGLE_GRID = 32783, // "Hide grid" / "Show grid"
    ID_PLOT_FONTS = 32791, // "Fonts ..."
    ID_PLOT_GRIDS = 32792, // "Grids ..."
    ID_PLOT_LEGEND = 32801, // "Legend ..."
    ID_PLOT_TOGGLE_LEGEND = 32804, // "Hide legend" / "Show legend"
    ID_PLOT_COPY_FIGURE = 32806, // "Copy Figure"
};
