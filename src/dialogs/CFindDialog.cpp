#include "dialogs/CFindDialog.h"

#include "tables/CTernaryTable.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFindDialog::CFindDialog(const QString& text, QWidget* parent)
    : QDialog(parent)
    , m_edit(new QLineEdit(text))
{
    setWindowTitle(QStringLiteral("Find"));
    m_edit->selectAll();
    auto* label = new QLabel(QStringLiteral("Find &what:"));
    label->setBuddy(m_edit);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_edit);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton* find = buttons->addButton(QStringLiteral("&Find Next"), QDialogButtonBox::AcceptRole);
    // Enter finds; Cancel must not take the default when the focus passes it.
    buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false);
    find->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

QString CFindDialog::Text() const { return m_edit->text(); }

bool RunFindDialog(CTernaryTable& table, QWidget* parent)
{
    CFindDialog dialog(table.FindText(), parent);
    return dialog.exec() == QDialog::Accepted && table.FindSample(dialog.Text());
}
