// Copy offers spreadsheets an HTML table beside the unchanged text.
#include "tables/TernaryTableFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

TEST_F(TernaryTableTest, CopyOffersAnHtmlTableWithHeadersNumbersAndSymbolNames)
{
    Type(3, 1, "<b>&1");
    Type(3, 2, "33,5"); // a decimal comma: the number is 33.5
    Type(3, 3, "abc"); // no number: stays text (the document holds 0)
    Type(3, 5, "18"); // colour 1, symbol 2
    Select(3, 1, 4, 5);
    table.OnEditCopy();

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(data->text(), "<b>&1\t33,5\tabc\t66.5\t18\r\n\t\t\t\t\r\n");
    const QString text = "<td sdnum=\"1033;0;@\" style=\"mso-number-format:'\\@'\">%1</td>";
    const QString number = "<td sdval=\"%1\" sdnum=\"1033;\" x:num=\"%1\">%1</td>";
    const QString html = "<html><head><meta charset=\"utf-8\"></head><body><table>\n"
                         "<tr><th>Sample</th><th>Top</th><th>Left</th><th>Right</th><th>Symbol</th></tr>\n<tr>"
        + text.arg("&lt;b&gt;&amp;1") + number.arg("33.5") + text.arg("abc") + number.arg("66.5")
        + text.arg("red square") + "</tr>\n<tr>" + text.arg("").repeated(5) + "</tr>\n</table></body></html>\n";
    EXPECT_EQ(data->html(), html);
}
