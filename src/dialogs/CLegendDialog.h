#pragma once

#include <QDialog>

class CLegendGrid;
class PlotLegend;
class QPushButton;

// The "Legend" dialog: the legend's entries in a CLegendGrid, one row each
// (symbol and text), with OK and Cancel. OK writes the edited texts back to
// their entries (';' becomes ',', as in the legend's in-place editor);
// Cancel changes nothing. Rows beyond the entries are ignored.
class CLegendDialog : public QDialog {
    Q_OBJECT
public:
    explicit CLegendDialog(PlotLegend& legend, QWidget* parent = nullptr);

    CLegendGrid* Grid() const { return m_grid; }
    // True after OK changed a text.
    bool Changed() const { return m_changed; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Fill();

    PlotLegend& m_legend;
    CLegendGrid* m_grid;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_initialized = false;
    bool m_changed = false;
};
