#include "dialogs/CAxisPropPage.h"

#include "framework/core/MessageBox.h"
#include "framework/gui/DataExchange.h"

#include <QFormLayout>
#include <QLineEdit>

CAxisPropPage::CAxisPropPage(const QString& caption, QWidget* parent)
    : CPropertyPage(caption, parent)
    , m_title(new QLineEdit(this))
    , m_max(new QLineEdit(this))
    , m_min(new QLineEdit(this))
    , m_increment(new QLineEdit(this))
{
    m_title->setMaxLength(kMaxTitle);
    m_title->setObjectName(QStringLiteral("title"));
    m_max->setObjectName(QStringLiteral("maximum"));
    m_min->setObjectName(QStringLiteral("minimum"));
    m_increment->setObjectName(QStringLiteral("increment"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Title:"), m_title);
    form->addRow(QStringLiteral("Maximum:"), m_max);
    form->addRow(QStringLiteral("Minimum:"), m_min);
    form->addRow(QStringLiteral("Increment:"), m_increment);
}

bool CAxisPropPage::DoDataExchange(bool save)
{
    return DDX_Float(save, m_increment, increment) && DDX_Float(save, m_max, maximum) && DDX_Float(save, m_min, minimum)
        && DDX_Text(save, m_title, title);
}

bool CAxisPropPage::Refuse(const QString& message, QLineEdit* field)
{
    MessageBox(message, MsgIcon::Exclamation, MsgButtons::Ok);
    GotoDlgCtrl(field);
    return false;
}

bool CAxisPropPage::OnKillActive()
{
    // A field without a number has been reported; the page stays in front.
    if (!UpdateData(true))
        return false;
    if (!(maximum > minimum))
        return Refuse(QStringLiteral("Min should be less than Max"), m_min);
    if (maximum > 100.0f)
        return Refuse(QStringLiteral("Max must be <= 100 "), m_max);
    if (minimum < 0.0f)
        return Refuse(QStringLiteral("Minimum must be >=0 "), m_min);
    if (!(increment > 0.0f))
        return Refuse(QStringLiteral("Increment must be >0 "), m_increment);
    // The plot draws no grid, ticks or labels for more lines than this.
    constexpr double kMaxLines = 1000;
    const double range = static_cast<double>(maximum) - minimum;
    if (range / increment > kMaxLines)
        return Refuse(QStringLiteral("%1: the increment must be at least %2, or the axis would need more than 1,000 "
                                     "grid lines")
                          .arg(Caption(), QString::number(range / kMaxLines, 'g', 6)),
            m_increment);
    // The sheet hears both limits truncated toward zero (20.9 as 20).
    if (QuerySiblings(static_cast<unsigned long>(static_cast<long>(minimum)), static_cast<long>(maximum)) != 0)
        return Refuse(QStringLiteral("Min Value conflicts with another axis  "), m_min);
    return true;
}
