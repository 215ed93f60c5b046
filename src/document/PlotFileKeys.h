#pragma once

// Keywords, table names, column names and row keys of the .tpf plot file,
// shared by its reader and writer so that the two cannot drift apart.
// docs/file-format.md describes how they fit together.
namespace PlotFileKeys {

// Line keywords of the table text format as the writer emits them.
inline constexpr const char* kTable = "TABLE=";
inline constexpr const char* kDelimiter = "DELIMITER=";
inline constexpr const char* kColumns = "COLUMNS=";
inline constexpr const char* kRow = "ROW=";
inline constexpr const char* kEnd = "END";
inline constexpr char kSeparator = ';';

// Tables, in the order they are written.
inline constexpr const char* kPlotData = "PlotData";
inline constexpr const char* kAxisData = "AxisData";
inline constexpr const char* kPlotOptions = "PlotOptions";
inline constexpr const char* kAnnotation = "Annotation";
inline constexpr const char* kLegendInfo = "LegendInfo";
inline constexpr const char* kLegendItems = "LegendItems";
inline constexpr const char* kFonts = "Fonts";

// PlotData columns.
inline constexpr const char* kSampleId = "sampleId";
inline constexpr const char* kTop = "top";
inline constexpr const char* kLeft = "left";
inline constexpr const char* kRight = "right";
inline constexpr const char* kColorId = "colorId";
inline constexpr const char* kSymbolId = "symbolId";
inline constexpr const char* kRowColumn = "row";

// AxisData columns; "which" holds kTop, kLeft or kRight.
inline constexpr const char* kWhich = "which";
inline constexpr const char* kTitle = "title";
inline constexpr const char* kMax = "max";
inline constexpr const char* kMin = "min";
inline constexpr const char* kIncrement = "increment";

// Name/value tables (PlotOptions, LegendInfo).
inline constexpr const char* kName = "name";
inline constexpr const char* kValue = "value";

// PlotOptions keys: the document's field names.
inline constexpr const char* kDrawGrids = "m_drawGrids";
inline constexpr const char* kDrawTicks = "m_drawTicks";
inline constexpr const char* kTickSide = "m_tickSide";
inline constexpr const char* kLineStyle = "m_lineStyle";
inline constexpr const char* kLineColor = "m_lineColor";
inline constexpr const char* kTickLength = "m_tickLength";
inline constexpr const char* kBgColor = "m_bgColor";
inline constexpr const char* kShowId = "m_showId";
// Written only when on, so older builds, which skip names they do not know,
// read every other plot as before.
inline constexpr const char* kEquilateral = "m_equilateral";
inline constexpr const char* kSymbolSize = "m_symbolSize";
inline constexpr const char* kAutoAdd = "m_autoAdd";
inline constexpr const char* kAutoBalance = "m_autoBalance";

// Annotation columns (also kLeft, kTop, kRight).
inline constexpr const char* kBottom = "bottom";
inline constexpr const char* kText = "text";
inline constexpr const char* kSelected = "selected";

// LegendInfo keys (also kTop, kLeft).
inline constexpr const char* kDrawLegend = "drawLegend";
inline constexpr const char* kBackColor = "backColor";
inline constexpr const char* kLegendLineColor = "lineColor";
inline constexpr const char* kDrawShadow = "drawShadow";

// Fonts columns and row names ("family" holds the face name).
inline constexpr const char* kFamily = "family";
inline constexpr const char* kHeight = "height";
inline constexpr const char* kWeight = "weight";
inline constexpr const char* kItalic = "italic";
inline constexpr const char* kColor = "color";
inline constexpr const char* kAxisFont = "AxisFont";
inline constexpr const char* kAnnotFont = "AnnotFont";
inline constexpr const char* kLegendFont = "LegendFont";

// Column lists as written on the COLUMNS= lines.
inline constexpr const char* kPlotDataColumns = "[sampleId;top;left;right;colorId;symbolId;row]";
inline constexpr const char* kAxisDataColumns = "[which;title;max;min;increment]";
inline constexpr const char* kNameValueColumns = "[name;value]";
inline constexpr const char* kAnnotationColumns = "[left;top;right;bottom;text;selected]";
inline constexpr const char* kLegendItemsColumns = "[symbolId;colorId;text]";
inline constexpr const char* kFontsColumns = "[name;family;height;weight;italic;color]";

} // namespace PlotFileKeys
