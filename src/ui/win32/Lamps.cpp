#include "ui/win32/Lamps.h"

#include "ui/win32/WindowKit.h"

namespace wendox::ui {

namespace {

constexpr int kImageSize = 16;
constexpr int kDiscSize = 11;

HBITMAP DrawLamp(HDC screen, COLORREF colour) {
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kImageSize, kImageSize);
    HGDIOBJ old = SelectObject(dc, bitmap);

    const RECT square{0, 0, kImageSize, kImageSize};
    HBRUSH background = CreateSolidBrush(kDarkGreen);
    FillRect(dc, &square, background);
    DeleteObject(background);

    HBRUSH fill = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldBrush = SelectObject(dc, fill);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    const int edge = (kImageSize - kDiscSize) / 2;
    Ellipse(dc, edge, edge, edge + kDiscSize, edge + kDiscSize);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(fill);
    DeleteObject(pen);

    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

}  // namespace

HIMAGELIST MakeLampImages() {
    HIMAGELIST images = ImageList_Create(kImageSize, kImageSize, ILC_COLOR24, 3, 0);
    HDC screen = GetDC(nullptr);
    for (COLORREF colour : {kBrightGreen, RGB(255, 0, 0), RGB(255, 255, 0)}) {
        HBITMAP lamp = DrawLamp(screen, colour);
        ImageList_Add(images, lamp, nullptr);
        DeleteObject(lamp);
    }
    ReleaseDC(nullptr, screen);
    return images;
}

}  // namespace wendox::ui
