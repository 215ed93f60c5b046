#include "dialogs/CClassCountsDialog.h"

#include "analysis/ClassCounts.h"
#include "analysis/ClassDiagram.h"
#include "document/CTernaryDoc.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

CClassCountsDialog::CClassCountsDialog(const CTernaryDoc& doc, QWidget* parent)
    : QDialog(parent)
    , m_table(new QTableWidget(this))
    , m_copy(new QPushButton(QStringLiteral("&Copy"), this))
{
    setWindowTitle(QStringLiteral("Class Counts"));
    ClassCounts counts;
    if (const auto diagram = MakeClassDiagram(doc.m_diagram))
        counts = CountClasses(doc, *diagram);
    m_text = ClassCountsText(counts);

    // The table shows the lines of the copied text, so the two cannot differ.
    const QStringList lines = QString::fromStdString(m_text).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    m_table->setColumnCount(3);
    m_table->setRowCount(static_cast<int>(lines.size()) - 1);
    m_table->setHorizontalHeaderLabels(lines.value(0).split(u'\t'));
    for (int row = 1; row < lines.size(); ++row) {
        const QStringList cells = lines[row].split(u'\t');
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(cells.value(column));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row - 1, column, item);
        }
    }
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->resizeColumnsToContents();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_copy, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_copy, &QPushButton::clicked, this,
        [this] { QGuiApplication::clipboard()->setText(QString::fromStdString(m_text)); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(520, 460);
}
