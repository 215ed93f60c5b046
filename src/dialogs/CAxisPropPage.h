#pragma once

#include "framework/gui/CPropertyPage.h"

#include <string>

class QLineEdit;

// The page of one axis: title, maximum, minimum and increment. Leaving the
// page (or OK) checks the range, then asks the sheet whether the minimum
// leaves room for the other two axes; the sheet lowers their ranges where
// needed.
class CAxisPropPage : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int kMaxTitle = 64;

    explicit CAxisPropPage(const QString& caption = QStringLiteral("Top Axis"), QWidget* parent = nullptr);

    bool OnKillActive() override;

    float increment = 0.0f;
    float maximum = 0.0f;
    float minimum = 0.0f;
    std::string title; // stored bytes; the field holds at most kMaxTitle characters

    QLineEdit* TitleEdit() const { return m_title; }
    QLineEdit* MaxEdit() const { return m_max; }
    QLineEdit* MinEdit() const { return m_min; }
    QLineEdit* IncrementEdit() const { return m_increment; }

protected:
    bool DoDataExchange(bool save) override;

private:
    bool Refuse(const QString& message, QLineEdit* field);

    QLineEdit* m_title;
    QLineEdit* m_max;
    QLineEdit* m_min;
    QLineEdit* m_increment;
};
