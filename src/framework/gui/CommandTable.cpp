#include "framework/gui/CommandTable.h"

#include "framework/core/CommandIds.h"

#include <algorithm>

namespace {

// Menu texts and prompts are shown to the user exactly as written here.
const std::vector<CommandInfo> kCommands = {
    { ID_FILE_NEW, "&New\tCtrl+N", "Ctrl+N", "Create a new plot\nNew" },
    { ID_FILE_OPEN, "&Open...\tCtrl+O", "Ctrl+O", "Open an existing plot\nOpen" },
    { ID_FILE_IMPORT, "Import Samples...", "", "Append the samples of a CSV or TSV file to the plot\nImport Samples" },
    { ID_FILE_CLOSE, "&Close", "", "Close the plot\nClose" },
    { ID_FILE_SAVE, "&Save\tCtrl+S", "Ctrl+S", "Save the plot\nSave" },
    { ID_FILE_SAVE_AS, "Save &As...", "", "Save the plot with a new name\nSave As" },
    { ID_FILE_PRINT, "&Print...\tCtrl+P", "Ctrl+P", "Print the plot\nPrint" },
    { ID_FILE_PRINT_PREVIEW, "Print Pre&view", "", "Show the plot as it will be printed\nPrint Preview" },
    { ID_FILE_PRINT_SETUP, "P&rint Setup...", "", "Change the printer and printing options\nPrint Setup" },
    { ID_FILE_EXPORT_PICTURE, "&Export Picture...", "", "Save the plot as a PNG, SVG or PDF picture\nExport Picture" },
    { ID_FILE_MRU_FILE1 + 0, "Recent File", "", "Open this plot" },
    { ID_FILE_MRU_FILE1 + 1, "Recent File", "", "Open this plot" },
    { ID_FILE_MRU_FILE1 + 2, "Recent File", "", "Open this plot" },
    { ID_FILE_MRU_FILE1 + 3, "Recent File", "", "Open this plot" },
    { ID_APP_EXIT, "E&xit\tCtrl+Q", "Ctrl+Q", "Quit the application; prompts to save the plot\nExit" },
    { ID_EDIT_CUT, "Cu&t\tCtrl+X", "Ctrl+X", "Cut the selection and put it on the Clipboard\nCut" },
    { ID_EDIT_COPY, "&Copy\tCtrl+C", "Ctrl+C", "Copy the selection and put it on the Clipboard\nCopy" },
    { ID_EDIT_PASTE, "&Paste\tCtrl+V", "Ctrl+V", "Insert Clipboard contents\nPaste" },
    { ID_COPY_FIGURE, "Copy &Figure\tCtrl+Shift+C", "Ctrl+Shift+C",
        "Copy the whole figure, as File Export Picture frames it, to the Clipboard\nCopy Figure" },
    { ID_COPY_BITMAP, "Copy window as bitmap", "", "Copy the plot window to the Clipboard as a bitmap\nCopy bitmap" },
    { ID_EDIT_CLEAR, "Clear", "", "Erase the selection\nErase" },
    { ID_EDIT_FILL_DOWN, "Fill down\tCtrl+D", "Ctrl+D",
        "Copy the top cells of the selection into the cells below\nFill down" },
    { ID_EDIT_INSERT_ROWS, "Insert Rows\tCtrl++", "Ctrl++",
        "Insert as many empty rows as are selected above the selection\nInsert Rows" },
    { ID_EDIT_DELETE_ROWS, "Delete Rows\tCtrl+-", "Ctrl+-",
        "Delete the selected rows and move the samples below up\nDelete Rows" },
    { ID_EDIT_SORT, "Sort...", "", "Sort the samples by one or two columns\nSort" },
    { ID_EDIT_SELECT_ALL, "Select &All\tCtrl+A", "Ctrl+A", "Select every cell in use\nSelect All" },
    { ID_EDIT_FIND, "&Find...\tCtrl+F", "Ctrl+F", "Find a sample by a part of its name\nFind" },
    { ID_EDIT_FIND_NEXT, "Find &Next\tF3", "F3", "Find the next sample with the same text\nFind Next" },
    { ID_EDIT_UNDO, "&Undo\tCtrl+Z", "Ctrl+Z", "Undo the last action\nUndo" },
    { ID_EDIT_REDO, "&Redo\tCtrl+Y", "Ctrl+Y", "Redo the previously undone action\nRedo" },
    { ID_VIEW_TOOLBAR, "&Toolbar", "", "Show or hide the toolbar\nToggle ToolBar" },
    { ID_VIEW_STATUS_BAR, "&Status Bar", "", "Show or hide the status bar\nToggle StatusBar" },
    { ID_VIEW_BRING_INTO_VIEW, "Bring Legend and Annotations into View", "",
        "Move the legend and every annotation that lies off the canvas back onto it\nBring into View" },
    { ID_VIEW_FIT_AXES, "Fit Axes to Data", "",
        "Set the three axis ranges to the smallest that hold every sample\nFit Axes to Data" },
    { ID_DIAGRAM_NONE, "None", "", "Draw no classification diagram\nNo diagram" },
    { ID_DIAGRAM_SOIL_TEXTURE, "USDA Soil Texture", "",
        "Draw the USDA soil texture triangle and classify the samples (clay, sand, silt)\nUSDA Soil Texture" },
    { ID_DIAGRAM_QAP, "QAP Plutonic Rocks", "",
        "Draw the QAP diagram of plutonic rocks and classify the samples (Q, A, P)\nQAP Plutonic Rocks" },
    { ID_DIAGRAM_FROM_FILE, "From File...", "",
        "Draw and classify by the fields of a CSV or TSV file (Field,Top,Left,Right)\nDiagram from file" },
    { ID_FORMAT_DIAGRAM, "Diagram ...", "",
        "Change the classification diagram and the axis direction\nFormat diagram" },
    { ID_VIEW_CLASS_COUNTS, "Class Counts...", "", "List how many samples fall in each field\nClass Counts" },
    { ID_TOGGLE_PALETTE, "Symbol palette", "", "Show color & symbol palette\nColor & symbol palette" },
    { ID_SHOW_COLOR_PALETTE, "Color pallete", "", "Show color pallete\nColor pallete" },
    { ID_SHOW_SYMBOL_PALETTE, "Symbol palette", "", "Show symbol palette\nSymbol palette" },
    { ID_FORMAT_AXIS, "&Axis ...", "", "Format axis" },
    { ID_FORMAT_GRIDS, "&Grids ...", "", "Format grids" },
    { ID_FORMAT_FONTS, "Fonts ...", "", "Select fonts\nFont" },
    { ID_FORMAT_LEGEND, "Legend ...", "", "Change legend options\nFormat legend" },
    { ID_FORMAT_DENSITY, "Density ...", "", "Change how the density of the samples is drawn\nFormat density" },
    { ID_DENSITY_OFF, "Off", "", "Draw no density under the samples\nDensity off" },
    { ID_DENSITY_BINS, "Bin Counts", "", "Fill the triangle's bins by how many samples each holds\nBin counts" },
    { ID_DENSITY_KERNEL, "Kernel Density", "", "Draw a smooth kernel density of the samples\nKernel density" },
    { ID_FILE_EXPORT_DENSITY_GRID, "Export Density Grid...", "",
        "Save every bin of the density as comma-separated values\nExport Density Grid" },
    { ID_LEGEND_ENTRIES, "Legend Entries...", "", "Edit the texts of the legend's entries\nLegend Entries" },
    { ID_TOGGLE_GRID, "Show grid", "Ctrl+G", "Show or hide grids\nToggle grids" },
    { ID_TOGGLE_LEGEND, "Show legend", "", "Show or hide legend\nToggle legend" },
    { ID_SHOW_NAMES, "Show sample name", "", "Show sample name" },
    { ID_SYMBOL_HUGE, "Huge", "", "Draw the sample symbols huge\nHuge symbols" },
    { ID_SYMBOL_LARGE, "Large", "", "Draw the sample symbols large\nLarge symbols" },
    { ID_SYMBOL_MEDIUM, "Medium", "", "Draw the sample symbols at medium size\nMedium symbols" },
    { ID_SYMBOL_SMALL, "Small", "", "Draw the sample symbols small\nSmall symbols" },
    { ID_SYMBOL_TINY, "Tiny", "", "Draw the sample symbols tiny\nTiny symbols" },
    { ID_AUTO_ADD, "Auto-add third value ", "", "Add third value automatically" },
    { ID_AUTO_100, "Auto-100%", "", "Scale the three values of each sample to a sum of 100\nAuto-100%" },
    { ID_TOOL_DRAG, "Drag and drop tool", "", "Drag and drop objects\nDrag and drop tool" },
    { ID_TOOL_TEXT, "Text annotation", "", "Annotate the plot with text\n Text annotation" },
    { ID_ENLARGE_PLOT, "Enlarge plot", "", "Enlarge plot\nEnlarge plot" },
    { ID_ZOOM_OUT, "Zoom out", "", "Zoom out \n Zoom out" },
    { ID_APP_ABOUT, "&About Molvane", "", "Display program information, version number and copyright\nAbout" },
};

} // namespace

const std::vector<CommandInfo>& CommandTable() { return kCommands; }

const CommandInfo* FindCommand(int id)
{
    auto it = std::find_if(kCommands.begin(), kCommands.end(), [id](const CommandInfo& c) { return c.id == id; });
    return it == kCommands.end() ? nullptr : &*it;
}

QString CommandStatusText(const CommandInfo& info)
{
    const QString prompt = QString::fromUtf8(info.prompt);
    const qsizetype lf = prompt.indexOf(u'\n');
    return lf < 0 ? prompt : prompt.left(lf);
}

QString CommandToolTip(const CommandInfo& info)
{
    const QString prompt = QString::fromUtf8(info.prompt);
    const qsizetype lf = prompt.indexOf(u'\n');
    return lf < 0 ? QString() : prompt.mid(lf + 1);
}

QKeySequence CommandShortcut(const CommandInfo& info)
{
    return info.shortcut[0] ? QKeySequence(QString::fromLatin1(info.shortcut)) : QKeySequence();
}
