#include "tables/CSymbolCell.h"

#include "framework/gui/CDC.h"
#include "plot/SymbolPainter.h"

#include <QPainter>

namespace {
int Reduce(int id) { return id < 0 ? -1 : id % 16; }
} // namespace

CSymbolCell::CSymbolCell(int colorId, int symbolId)
{
    SetColorId(colorId);
    SetSymbolId(symbolId);
}

void CSymbolCell::SetSymbolId(int symbolId) { m_style.symbolId = Reduce(symbolId); }

void CSymbolCell::SetColorId(int colorId) { m_style.colorId = Reduce(colorId); }

void CSymbolCell::Draw(QPainter&, int, int) { }

void CSymbolCell::DrawInRect(QPainter& painter, int x, int y, int width, int height)
{
    if (!HasSymbol())
        return;
    painter.save();
    CDC dc(&painter);
    DrawSampleSymbol(dc, m_style.colorId, m_style.symbolId, m_style.size, x + width / 2, y + height / 2, 1);
    painter.restore();
}

CSize CSymbolCell::GetExtent(QPainter&) { return CSize { 0, 0 }; }
