#include "tables/ClipboardFields.h"

void ForEachClipboardField(const QString& text, const std::function<bool(int row, int col, const QString& field)>& visit)
{
    int row = 0;
    int col = 0;
    QString field;
    for (const QChar c : text) {
        if (c == QLatin1Char('\t')) {
            if (!visit(row, col, field))
                return;
            field.clear();
            ++col;
        } else if (c == QLatin1Char('\n')) {
            if (!visit(row, col, field))
                return;
            field.clear();
            ++row;
            col = 0;
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    visit(row, col, field);
}
