#pragma once

#include "document/CTernaryDoc.h"
#include "framework/core/CView.h"
#include "support/TestSupport.h"
#include "tables/CTernaryTable.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

// Counts the updates another view of the document receives.
struct UpdateCounter : CView {
    int updates = 0;
    void OnUpdate(CView*, long, void*) override { ++updates; }
};

// A real sample table on a real new document, shown so that events reach it.
class TernaryTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.AddView(&table);
        doc.AddView(&plot);
        ASSERT_TRUE(doc.OnNewDocument());
        doc.SendInitialUpdate();
        doc.SetModifiedFlag(false);
        table.resize(400, 400);
        table.show();
        (void)QTest::qWaitForWindowExposed(&table);
    }
    void TearDown() override
    {
        doc.RemoveView(&table);
        doc.RemoveView(&plot);
    }

    void Type(int row, int col, const QString& text) { table.SetCellText(row, col, text); }
    QString Text(int row, int col) { return table.GetCellText(row, col); }
    const SampleRecord& Rec(int row) { return doc.GetSample(row); }
    // The row whole: the table's texts, then the record's values, colour,
    // symbol and whether its slot is in use.
    QString Row(int row)
    {
        const SampleRecord& r = Rec(row);
        return QStringList { Text(row, 1), Text(row, 2), Text(row, 3), Text(row, 4), Text(row, 5) }.join('|')
            + QString::asprintf(
                " = %g %g %g %d %d %s", r.top, r.left, r.right, r.colorId, r.symbolId, r.row == row ? "used" : "free");
    }
    void Select(int top, int left, int bottom, int right)
    {
        table.GetSelection() = CellRange(top, left, bottom, right);
    }
    // Pastes the text as the clipboard's with the cell as the block's corner.
    void Paste(int row, int col, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        Select(row, col, row, col);
        table.OnEditPaste();
    }
    // Centre of a cell in viewport coordinates.
    QPoint Centre(int row, int col)
    {
        const CRect r = table.GetCellRect(row, col);
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    MessageBoxRecorder boxes;
    CTernaryDoc doc;
    CTernaryTable table;
    UpdateCounter plot;
};
