#pragma once

#include <QString>
#include <QWidget>

// One page of a CPropertySheet. The sheet runs OnInitDialog when the page is
// first shown, OnSetActive on every activation and OnKillActive when the page
// is left or the sheet's OK is pressed; a page whose OnKillActive answers
// false stays in front and keeps the sheet open.
//
// Members and controls meet in DoDataExchange: save = true reads the controls
// into the members, false shows the members in the controls.
class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    explicit CPropertyPage(const QString& caption, QWidget* parent = nullptr);

    const QString& Caption() const { return m_caption; }
    bool IsInitialized() const { return m_initialized; }

    // Runs DoDataExchange; false when a control could not be read (the
    // exchange has already told the user and focused the control).
    bool UpdateData(bool save);

    // Asks the sheet the page is on (0 when it is on none).
    long QuerySiblings(unsigned long wParam, long lParam);

    // Shows the members in the controls once, when the page is first shown.
    virtual void OnInitDialog();
    // Refreshes the controls from the members on every activation after the first.
    virtual bool OnSetActive();
    // Reads the controls into the members; false keeps the page in front.
    virtual bool OnKillActive();

protected:
    virtual bool DoDataExchange(bool save);

private:
    friend class CPropertySheet;
    QString m_caption;
    bool m_initialized = false;
    bool m_firstSetActive = true;
};
