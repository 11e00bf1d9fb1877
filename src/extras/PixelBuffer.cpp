// The pixel buffer behind the menu pictures: allocation, fill and the
// integer alpha blend of one picture over another.
#include "extras/PixelBuffer.h"

#include <algorithm>

// 75 dots per inch
static const LONG s_nPelsPerMeter = 2952;

PixelBuffer::PixelBuffer() : m_pPixels(NULL), m_cbPixels(0), m_nWidth(0), m_nHeight(0), m_bmi()
{
    SetHeader();
}

PixelBuffer::~PixelBuffer()
{
    Release();
}

void PixelBuffer::SetHeader()
{
    ZeroMemory(&m_bmi, sizeof(m_bmi));
    m_bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    m_bmi.bmiHeader.biWidth = m_nWidth;
    m_bmi.bmiHeader.biHeight = m_nHeight; // positive: bottom-up rows
    m_bmi.bmiHeader.biPlanes = 1;
    m_bmi.bmiHeader.biBitCount = 32;
    m_bmi.bmiHeader.biCompression = BI_RGB;
    m_bmi.bmiHeader.biXPelsPerMeter = s_nPelsPerMeter;
    m_bmi.bmiHeader.biYPelsPerMeter = s_nPelsPerMeter;
}

void PixelBuffer::Release()
{
    if (m_pPixels)
        HeapFree(GetProcessHeap(), 0, m_pPixels);
    m_pPixels = NULL;
    m_cbPixels = 0;
    m_nWidth = m_nHeight = 0;
    SetHeader();
}

bool PixelBuffer::Resize(int nHeight, int nWidth, bool bFill, DWORD dwColor)
{
    if (nWidth <= 0 || nHeight <= 0) {
        Release();
        return true;
    }
    ULONGLONG cbNeeded = (ULONGLONG)nWidth * (ULONGLONG)nHeight * 4;
    if (cbNeeded == m_cbPixels) {
        m_nWidth = nWidth;
        m_nHeight = nHeight;
        SetHeader();
    } else {
        Release();
        // A size past 4 GB is refused rather than wrapped into a small block.
        DWORD *pPixels = cbNeeded <= MAXDWORD ? (DWORD *)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)cbNeeded) : NULL;
        if (!pPixels)
            return false;
        // Cannot be refused: the buffer was just emptied, and the block's
        // size is the product of the two positive sides.
        Attach(pPixels, (DWORD)cbNeeded, nWidth, nHeight);
    }
    if (bFill)
        Fill(dwColor);
    return true;
}

bool PixelBuffer::Attach(DWORD *pPixels, DWORD cbPixels, int nWidth, int nHeight)
{
    if (m_pPixels)
        return false;
    if (pPixels ? (cbPixels == 0 || nWidth <= 0 || nHeight <= 0 || (ULONGLONG)nWidth * nHeight * 4 != cbPixels)
                : (cbPixels != 0 || nWidth != 0 || nHeight != 0))
        return false;
    m_pPixels = pPixels;
    m_cbPixels = cbPixels;
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    SetHeader();
    return true;
}

void PixelBuffer::Fill(DWORD dwColor)
{
    if (!m_pPixels)
        return;
    for (DWORD i = 0; i < m_cbPixels / 4; i++)
        m_pPixels[i] = dwColor;
}

static DWORD Channel(DWORD dwPixel, int nShift)
{
    return (dwPixel >> nShift) & 0xFF;
}

void PixelBuffer::BlendOver(const PixelBuffer &source, int nRows, int nColumns)
{
    // Never past the end of either picture.
    nRows = std::min({nRows, m_nHeight, source.m_nHeight});
    nColumns = std::min({nColumns, m_nWidth, source.m_nWidth});
    for (int y = 0; y < nRows; y++) {
        for (int x = 0; x < nColumns; x++) {
            DWORD s = source.At(x, y), &d = At(x, y);
            // Straight (not premultiplied) colours, rounded to the nearest.
            DWORD a = (Channel(s, 24) * 255 + 127) / 255, b = 255 - a;
            DWORD dwResult = (a + (Channel(d, 24) * b + 127) / 255) << 24;
            for (int nShift = 0; nShift < 24; nShift += 8)
                dwResult |= ((Channel(d, nShift) * b + Channel(s, nShift) * a + 127) / 255) << nShift;
            d = dwResult;
        }
    }
}
