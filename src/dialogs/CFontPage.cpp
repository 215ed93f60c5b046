#include "dialogs/CFontPage.h"

#include "dialogs/CFontSample.h"
#include "framework/gui/CommonDialogs.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kMinPoints = 8;
constexpr int kMaxPoints = 24;

LogicalFont ToLogical(const FontSettings& font)
{
    return { font.height, font.weight, font.italic != 0, font.underline != 0, font.strikeOut != 0, font.faceName };
}

} // namespace

CFontPage::CFontPage(QWidget* parent)
    : CPropertyPage(QStringLiteral("Fonts"), parent)
{
    static const char* const kLabels[kRows] = { "Annotations:", "Axis Labels:", "Legend:" };
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < kRows; ++i) {
        const Row row = static_cast<Row>(i);
        RowControls& controls = m_rows[row];
        controls.sample = new CFontSample(this);
        controls.fontButton = new QPushButton(QStringLiteral("Font ..."), this);
        controls.colorButton = new QPushButton(QStringLiteral("Color ..."), this);
        grid->addWidget(new QLabel(QLatin1String(kLabels[i]), this), i, 0);
        grid->addWidget(controls.sample, i, 1);
        grid->addWidget(controls.fontButton, i, 2);
        grid->addWidget(controls.colorButton, i, 3);
        connect(controls.fontButton, &QPushButton::clicked, this, [this, row] { OnChooseFont(row); });
        connect(controls.colorButton, &QPushButton::clicked, this, [this, row] { OnChooseColor(row); });
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(kRows, 1);
}

void CFontPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (int row = 0; row < kRows; ++row) {
        m_rows[row].sample->SetColor(fonts[row].color);
        m_rows[row].sample->SetFont(ToLogical(fonts[row]));
    }
}

void CFontPage::OnChooseFont(Row row)
{
    FontSettings& font = fonts[row];
    LogicalFont chosen = ToLogical(font);
    if (!ChooseFont(chosen, kMinPoints, kMaxPoints, this))
        return;
    // The font dialog offers no colour; the row keeps its own.
    font.height = chosen.height;
    font.width = 0;
    font.escapement = 0;
    font.orientation = 0;
    font.weight = chosen.weight;
    font.italic = chosen.italic ? 1 : 0;
    font.underline = chosen.underline ? 1 : 0;
    font.strikeOut = chosen.strikeOut ? 1 : 0;
    font.SetFaceName(chosen.faceName);
    m_rows[row].sample->SetFont(ToLogical(font));
}

void CFontPage::OnChooseColor(Row row)
{
    // These choosers offer the user's own custom colours, not the plot's.
    const unsigned flags = row == Annotations ? CC_SOLIDCOLOR : CC_PREVENTFULLOPEN;
    if (!ChooseColor(fonts[row].color, nullptr, flags, this))
        return;
    m_rows[row].sample->SetColor(fonts[row].color);
}
