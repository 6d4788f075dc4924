#include "framework/GdiHandles.h"

void FillSolid(HDC dc, const RECT& rect, COLORREF color)
{
    const COLORREF previous = SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF color)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    FillSolid(dc, RECT{rect.left, rect.top, rect.right, rect.top + 1}, color);
    FillSolid(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
    FillSolid(dc, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, color);
    FillSolid(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

void DrawSolidLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color)
{
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    SelectedObject selected(dc, pen.Get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void FillSolidPolygon(HDC dc, const POINT* points, int count, COLORREF color)
{
    GdiObject<HBRUSH> brush(CreateSolidBrush(color));
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    SelectedObject selectedBrush(dc, brush.Get());
    SelectedObject selectedPen(dc, pen.Get());
    Polygon(dc, points, count);
}
