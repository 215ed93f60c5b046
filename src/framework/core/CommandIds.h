#pragma once

// Command identifiers shared by the menus, the toolbar, the accelerators and
// the handlers of every layer. The numbers are the program's own resource
// numbers and stay fixed: handlers of all layers refer to them.

// Framework commands.
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_CLOSE = 57602;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_SAVE_AS = 57604;
constexpr int ID_FILE_PRINT_SETUP = 57606;
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_FILE_MRU_FILE1 = 57616; // the recent files are 57616 to 57619
constexpr int ID_FILE_MRU_COUNT = 4;
constexpr int ID_FILE_IMPORT = 32830; // "Import Samples...": appends a CSV or TSV file's samples
constexpr int ID_EDIT_CLEAR = 57632;
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_EDIT_REDO = 57644;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;
constexpr int ID_VIEW_BRING_INTO_VIEW = 32850; // legend and annotations back onto the canvas
constexpr int ID_VIEW_FIT_AXES = 32890; // the axis ranges fitted to the samples

// Sample table and palettes.
constexpr int ID_SHOW_COLOR_PALETTE = 32773;
constexpr int ID_SHOW_SYMBOL_PALETTE = 32774;
constexpr int ID_TOGGLE_PALETTE = 32776;
constexpr int ID_EDIT_FILL_DOWN = 32795;
constexpr int ID_EDIT_INSERT_ROWS = 32910;
constexpr int ID_EDIT_DELETE_ROWS = 32911;
constexpr int ID_EDIT_SORT = 32912;
constexpr int ID_EDIT_SELECT_ALL = 32913;
constexpr int ID_EDIT_FIND = 32914;
constexpr int ID_EDIT_FIND_NEXT = 32915;

// Document commands.
constexpr int ID_ENLARGE_PLOT = 32778;
constexpr int ID_SYMBOL_HUGE = 32779;
constexpr int ID_SYMBOL_TINY = 32780;
constexpr int ID_ZOOM_OUT = 32781;
constexpr int ID_FORMAT_AXIS = 32784;
constexpr int ID_FORMAT_GRIDS = 32785;
constexpr int ID_TOGGLE_GRID = 32786;
constexpr int ID_AUTO_ADD = 32788;
constexpr int ID_FORMAT_FONTS = 32790;
constexpr int ID_AUTO_100 = 32791;
constexpr int ID_SYMBOL_LARGE = 32792;
constexpr int ID_SYMBOL_MEDIUM = 32793;
constexpr int ID_SYMBOL_SMALL = 32794;
constexpr int ID_SHOW_NAMES = 32797;
constexpr int ID_TOOL_TEXT = 32798;
constexpr int ID_TOOL_DRAG = 32799;
constexpr int ID_FORMAT_LEGEND = 32802;
constexpr int ID_TOGGLE_LEGEND = 32803;
constexpr int ID_LEGEND_ENTRIES = 32940; // the Legend dialog

// Pictures of the plot (Copy picture is the plot's Copy, ID_EDIT_COPY).
constexpr int ID_COPY_BITMAP = 32805;
constexpr int ID_FILE_EXPORT_PICTURE = 32840;
constexpr int ID_COPY_FIGURE = 32941; // the exported picture's frame on the clipboard

// View > Classification Diagram and the class counts.
constexpr int ID_DIAGRAM_NONE = 32870;
constexpr int ID_DIAGRAM_SOIL_TEXTURE = 32871;
constexpr int ID_DIAGRAM_QAP = 32872;
constexpr int ID_DIAGRAM_FROM_FILE = 32873;
constexpr int ID_VIEW_CLASS_COUNTS = 32874;
constexpr int ID_FORMAT_DIAGRAM = 32875; // the options sheet on its Diagram page

// Density on the simplex: what the plot draws under its samples, its options
// page and the numbers behind it.
constexpr int ID_DENSITY_OFF = 32880;
constexpr int ID_DENSITY_BINS = 32881;
constexpr int ID_DENSITY_KERNEL = 32882;
constexpr int ID_FORMAT_DENSITY = 32883;
constexpr int ID_FILE_EXPORT_DENSITY_GRID = 32884;
