#include "dialogs/CLegendDialog.h"

#include "document/PlotLegend.h"
#include "document/StoredText.h"
#include "framework/core/TextEncoding.h"
#include "dialogs/CLegendGrid.h"
#include "tables/CSymbolCell.h"

#include <QPushButton>

#include <algorithm>
#include <memory>

namespace {

// 220 x 132 dialog units of the 8-point dialog font, in pixels.
constexpr int kWidth = 330;
constexpr int kHeight = 215;
constexpr int kMargin = 10;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

} // namespace

CLegendDialog::CLegendDialog(PlotLegend& legend, QWidget* parent)
    : QDialog(parent)
    , m_legend(legend)
    , m_grid(new CLegendGrid(this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("Legend"));
    setFixedSize(kWidth, kHeight);
    const int buttonsLeft = kWidth - kMargin - kButtonWidth;
    m_grid->setGeometry(kMargin, kMargin, buttonsLeft - 2 * kMargin, kHeight - 2 * kMargin);
    m_ok->setGeometry(buttonsLeft, kMargin, kButtonWidth, kButtonHeight);
    m_cancel->setGeometry(buttonsLeft, kMargin + kButtonHeight + 6, kButtonWidth, kButtonHeight);
    // Enter in the grid ends a cell edit; it must not press a default button.
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &CLegendDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CLegendDialog::reject);
    setTabOrder(m_grid, m_ok);
    setTabOrder(m_ok, m_cancel);
}

void CLegendDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The grid takes its column widths from its client area, known only now.
    if (m_initialized)
        return;
    m_initialized = true;
    m_grid->OnInitialUpdate();
    Fill();
    m_grid->setFocus();
}

void CLegendDialog::Fill()
{
    const int rows = std::min(m_legend.Count(), CLegendGrid::kRows - 1);
    for (int i = 0; i < rows; ++i) {
        const LegendItem& item = m_legend.Item(i);
        m_grid->SetCell(i + 1, CLegendGrid::kSymbolCol, std::make_unique<CSymbolCell>(item.colorId, item.symbolId));
        m_grid->SetTextCell(i + 1, CLegendGrid::kTextCol, DecodeText(item.text));
    }
    m_grid->viewport()->update();
}

void CLegendDialog::accept()
{
    // A cell still being typed or edited counts as entered.
    m_grid->CommitCellEdit();
    m_grid->EndEdit(false);
    if (m_initialized) {
        const int rows = std::min(m_legend.Count(), CLegendGrid::kRows - 1);
        for (int i = 0; i < rows; ++i) {
            QString text = m_grid->GetCellText(i + 1, CLegendGrid::kTextCol);
            text.replace(u';', u',');
            const std::string bytes = TypedText(text);
            LegendItem& item = m_legend.Item(i);
            if (item.text != bytes) {
                item.text = bytes;
                m_changed = true;
            }
        }
    }
    QDialog::accept();
}
