#include "grid/CGridCell.h"

CGridCell::~CGridCell() = default;

void CGridCell::Draw(QPainter&, int, int) { }

void CGridCell::DrawInRect(QPainter&, int, int, int, int) { }

CSize CGridCell::GetExtent(QPainter&) { return CSize {}; }
