// A block of 32-bit pixels (0xAARRGGBB, rows bottom-up) with the header that
// describes it to GDI, and the alpha blend the menu pictures are made with.
#pragma once

#include <windows.h>

class PixelBuffer {
public:
    PixelBuffer();
    ~PixelBuffer();

    void Release();
    // Makes the buffer nWidth x nHeight; a side of 0 or less empties it. A
    // block of the same byte size is kept as it is, pixels included.
    bool Resize(int nHeight, int nWidth, bool bFill, DWORD dwColor);
    // Takes over a heap block; refused while one is held or when the block
    // and its sizes do not agree.
    bool Attach(DWORD *pPixels, DWORD cbPixels, int nWidth, int nHeight);
    void Fill(DWORD dwColor);
    // Composites the top-left nRows x nColumns pixels of source over the
    // same pixels of this buffer, both aligned at their top-left corner.
    void BlendOver(const PixelBuffer &source, int nRows, int nColumns);

    // Pixel (x, y) counted from the top-left corner.
    DWORD &At(int x, int y) const
    {
        return m_pPixels[(m_nHeight - 1 - y) * m_nWidth + x];
    }

    DWORD *m_pPixels;
    DWORD m_cbPixels;
    int m_nWidth;
    int m_nHeight;
    BITMAPINFO m_bmi;

private:
    void SetHeader();

    PixelBuffer(const PixelBuffer &) = delete;
    PixelBuffer &operator=(const PixelBuffer &) = delete;
};
