#pragma once

#include <string>

class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class QWidget;

// Exchange between a dialog's members and its controls. save = true reads
// the control into the member, false shows the member in the control.

// A float as locale-independent decimal text ("20.5"). A text that holds
// no finite number is reported ("Please enter a number."), the field takes
// the focus, and the result is false with the member unchanged.
bool DDX_Float(bool save, QLineEdit* edit, float& value);

// A stored byte text (UTF-8, or Windows-1252 from older files). Reading
// takes the field only when the user has edited it, so a text the field
// cannot hold whole (longer than its limit) is kept as it was.
bool DDX_Text(bool save, QLineEdit* edit, std::string& text);

// A check box as 0 or 1.
void DDX_Check(bool save, QAbstractButton* box, int& value);

// A radio group as the id of its checked button; -1 shows or reads none.
void DDX_Radio(bool save, QButtonGroup* group, int& value);

// Moves the focus to a control; an edit field gets its text selected.
void GotoDlgCtrl(QWidget* control);
