#pragma once

#include <QString>

// What an update handler says about one command before a menu opens or the
// toolbar is refreshed: enabled or not, checked or not, and perhaps a new
// menu text. The router applies it to the command's action afterwards.
class CCmdUI {
public:
    explicit CCmdUI(int id)
        : m_nID(id)
    {
    }

    void Enable(bool on = true)
    {
        m_enabled = on;
        m_enableSet = true;
    }
    // 0 unchecked, 1 checked.
    void SetCheck(int check = 1)
    {
        m_checked = check != 0;
        m_checkSet = true;
    }
    void SetText(const QString& text)
    {
        m_text = text;
        m_textSet = true;
    }

    int m_nID;
    bool m_enabled = true;
    bool m_enableSet = false;
    bool m_checked = false;
    bool m_checkSet = false;
    QString m_text;
    bool m_textSet = false;
};
