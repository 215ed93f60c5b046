#pragma once

#include <QDialog>

#include <vector>

class CPropertyPage;
class QTabWidget;

// A modal dialog of tabbed pages with OK and Cancel. Switching tabs and OK
// first ask the page in front (OnKillActive); a page that refuses stays in
// front, and OK then leaves the sheet open. Cancel closes without asking.
// Pages are added before the sheet runs; the sheet owns them.
class CPropertySheet : public QDialog {
    Q_OBJECT
public:
    CPropertySheet(const QString& caption, QWidget* parent, int startPage = 0);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const { return m_pages[static_cast<std::size_t>(index)]; }
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    // Brings the page to the front as a tab click would (the page in front is asked first).
    bool SetActivePage(int index);

    // Runs the sheet modally: the start page in front; true on OK.
    bool DoModal();

    QTabWidget* Tabs() const { return m_tabs; }

    // A page's question to its sibling pages; the sheet answers. 0 by default.
    virtual long QuerySiblings(unsigned long wParam, long lParam);

    // OK: the page in front must agree before the sheet closes.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnTabChanged(int index);
    void Activate(int index);

    QTabWidget* m_tabs;
    std::vector<CPropertyPage*> m_pages;
    int m_startPage;
    int m_current = -1;
    bool m_switching = false;
};
