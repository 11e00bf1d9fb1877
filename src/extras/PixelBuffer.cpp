// The pixel buffer behind the menu pictures: allocation, fill and the
// integer alpha blend of one picture over another.
#include "extras/PixelBuffer.h"

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
    // A picture larger than 4 GB cannot be held: refused rather than wrapped.
    ULONGLONG cbNeeded = (ULONGLONG)nWidth * (ULONGLONG)nHeight * 4;
    if (cbNeeded > MAXDWORD)
        return false;
    if (cbNeeded == m_cbPixels) {
        m_nWidth = nWidth;
        m_nHeight = nHeight;
        SetHeader();
    } else {
        Release();
        DWORD *pPixels = (DWORD *)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)cbNeeded);
        if (!pPixels || !Attach(pPixels, (DWORD)cbNeeded, nWidth, nHeight)) {
            if (pPixels)
                HeapFree(GetProcessHeap(), 0, pPixels);
            return false;
        }
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
    if (nRows > m_nHeight)
        nRows = m_nHeight;
    if (nRows > source.m_nHeight)
        nRows = source.m_nHeight;
    if (nColumns > m_nWidth)
        nColumns = m_nWidth;
    if (nColumns > source.m_nWidth)
        nColumns = source.m_nWidth;
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
