#include "framework/gui/DataExchange.h"

#include "framework/core/MessageBox.h"
#include "framework/core/TextEncoding.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>

#include <cmath>

bool DDX_Float(bool save, QLineEdit* edit, float& value)
{
    if (!save) {
        // Six significant digits, the precision a float holds.
        edit->setText(QString::asprintf("%g", static_cast<double>(value)));
        return true;
    }
    bool ok = false;
    // QString::toFloat reads the C locale's form whatever the user's locale.
    const float parsed = edit->text().trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(parsed)) {
        MessageBox(QStringLiteral("Please enter a number."), MsgIcon::Exclamation);
        GotoDlgCtrl(edit);
        return false;
    }
    value = parsed;
    return true;
}

bool DDX_Text(bool save, QLineEdit* edit, std::string& text)
{
    if (!save) {
        edit->setText(DecodeText(text));
        edit->setModified(false);
    } else if (edit->isModified()) {
        text = EncodeText(edit->text());
    }
    return true;
}

void DDX_Check(bool save, QAbstractButton* box, int& value)
{
    if (save)
        value = box->isChecked() ? 1 : 0;
    else
        box->setChecked(value != 0);
}

void DDX_Radio(bool save, QButtonGroup* group, int& value)
{
    if (save) {
        value = group->checkedId();
        return;
    }
    // An exclusive group cannot show "none"; lift the rule while clearing.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(group->id(button) == value);
    group->setExclusive(true);
}

void GotoDlgCtrl(QWidget* control)
{
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
}
