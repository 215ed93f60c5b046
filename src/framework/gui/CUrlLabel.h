#pragma once

#include "framework/core/WinTypes.h"

#include <QLabel>

#include <functional>

// A label that shows a web address as a link and opens it with the desktop
// when clicked: link colour until visited, visited colour afterwards, the
// hover colour while the pointer is over it, underlined, with the pointing
// hand cursor and the address as tooltip. When the desktop cannot open the
// address, the program beeps and says why in a message box.
class CUrlLabel : public QLabel {
    Q_OBJECT
public:
    // Opens a URL; true on success. Tests replace it.
    using Opener = std::function<bool(const QString& url)>;

    explicit CUrlLabel(QWidget* parent = nullptr);

    // Stores the URL, shows it when the label has no text of its own, fits
    // the label to its text and updates the tooltip.
    void SetUrl(const QString& url);
    // The URL, or the label's text when no URL was set (a label made from a
    // text alone links to that text).
    QString GetUrl() const { return m_url.isEmpty() ? text() : m_url; }

    void MarkVisited(bool visited = true);
    bool IsVisited() const { return m_visited; }
    bool IsHovering() const { return m_hovering; }

    // The colour the text is drawn in now.
    COLORREF CurrentColor() const;

    // Makes the label exactly as big as its text, keeping its place.
    void AdjustToFit();

    // Opens the URL as a click does.
    void OpenUrl();

    // Replaces the opener of every label (an empty one restores the desktop's).
    static void SetOpener(Opener opener);

    // The text of the report "Unable to open hyperlink:" for an error code.
    static QString ErrorText(int code);

    COLORREF m_linkColor = RGB(0, 0, 238);
    COLORREF m_visitedColor = RGB(85, 26, 139);
    COLORREF m_hoverColor;
    bool m_underline = true;
    bool m_adjustToFit = true;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ApplyLook();

    bool m_hovering = false;
    bool m_visited = false;
    QString m_url;
};
