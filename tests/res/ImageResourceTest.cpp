// The icons and the finder cursor: every size the program asks for is there
// as its own 32-bit picture, so that the system never stretches one size
// into another, and each image is a plain DIB that every system reads.
#include "ProgramResources.h"

#include "app/Application.h"

#include <gtest/gtest.h>

static const WORD ICON_GROUPS[] = {101, 102, 135, 140, 141, 144, 146, 176, 177, 182, 183, 192};
static const WORD FINDER_CURSOR = 191;

struct IconImageSize {
    int nSize;
    DWORD cbBytes; // header, colour rows and the 1-bit AND mask
};
static const IconImageSize ICON_IMAGE_SIZES[] = {{32, 4264}, {24, 2440}, {16, 1128}};

// Checks that a DIB starts with a BITMAPINFOHEADER (which a PNG never
// does) of an uncompressed 32-bit square picture with its mask.
static void ExpectSquare32BitDib(const Bytes &image, size_t nHeader, int nSize)
{
    EXPECT_EQ(DwordAt(image, nHeader), sizeof(BITMAPINFOHEADER)) << "not a BITMAPINFOHEADER (a PNG?)";
    EXPECT_EQ((LONG)DwordAt(image, nHeader + 4), nSize);
    EXPECT_EQ((LONG)DwordAt(image, nHeader + 8), 2 * nSize) << "colour rows and mask rows";
    EXPECT_EQ(WordAt(image, nHeader + 12), 1);
    EXPECT_EQ(WordAt(image, nHeader + 14), 32);
    EXPECT_EQ(DwordAt(image, nHeader + 16), (DWORD)BI_RGB);
}

// The alpha channel is used: a 32-bit image whose alpha bytes are all zero is
// drawn by its mask alone, without its smooth edges.
static bool HasAlpha(const Bytes &image, size_t nHeader, int nSize)
{
    size_t nPixels = nHeader + sizeof(BITMAPINFOHEADER);
    for (int i = 0; i < nSize * nSize; i++) {
        if (nPixels + 4 * i + 3 < image.size() && image[nPixels + 4 * i + 3] != 0)
            return true;
    }
    return false;
}

TEST(IconResources, EveryGroupHolds32And24And16PixelImagesOf32BitsAsUncompressedDibs)
{
    for (WORD wGroup : ICON_GROUPS) {
        SCOPED_TRACE("icon group " + std::to_string(wGroup));
        ImageGroup group = ProgramImageGroup(RT_GROUP_ICON, wGroup);
        EXPECT_EQ(group.wReserved, 0);
        EXPECT_EQ(group.wType, 1);
        ASSERT_EQ(group.entries.size(), 3u);
        for (size_t i = 0; i < group.entries.size(); i++) {
            const GroupEntry &entry = group.entries[i];
            const IconImageSize &size = ICON_IMAGE_SIZES[i];
            SCOPED_TRACE(std::to_string(size.nSize) + " px");
            EXPECT_EQ(entry.nWidth, size.nSize);
            EXPECT_EQ(entry.nHeight, size.nSize);
            EXPECT_EQ(entry.wPlanes, 1);
            EXPECT_EQ(entry.wBitCount, 32);
            EXPECT_EQ(entry.cbBytes, size.cbBytes);

            Bytes image = ProgramResource(RT_ICON, MAKEINTRESOURCEA(entry.wId), LANGUAGE_NEUTRAL);
            EXPECT_EQ(image.size(), size.cbBytes);
            ExpectSquare32BitDib(image, 0, size.nSize);
            EXPECT_TRUE(HasAlpha(image, 0, size.nSize));
        }
    }
}

TEST(IconResources, Group102HoldsTheImagesOfTheMainIconByteForByte)
{
    ImageGroup main = ProgramImageGroup(RT_GROUP_ICON, 101);
    ImageGroup twin = ProgramImageGroup(RT_GROUP_ICON, 102);
    ASSERT_EQ(main.entries.size(), 3u);
    ASSERT_EQ(twin.entries.size(), main.entries.size());
    for (size_t i = 0; i < main.entries.size(); i++) {
        Bytes mainImage = ProgramResource(RT_ICON, MAKEINTRESOURCEA(main.entries[i].wId), LANGUAGE_NEUTRAL);
        Bytes twinImage = ProgramResource(RT_ICON, MAKEINTRESOURCEA(twin.entries[i].wId), LANGUAGE_NEUTRAL);
        EXPECT_FALSE(mainImage.empty());
        EXPECT_TRUE(twinImage == mainImage) << "image " << i;
    }
}

TEST(CursorResource, TheFinderCursorIsOne32PixelImageOf32BitsWithItsHotSpotAt15And15)
{
    ImageGroup group = ProgramImageGroup(RT_GROUP_CURSOR, FINDER_CURSOR);
    EXPECT_EQ(group.wReserved, 0);
    EXPECT_EQ(group.wType, 2);
    ASSERT_EQ(group.entries.size(), 1u);
    EXPECT_EQ(group.entries[0].nWidth, 32);
    EXPECT_EQ(group.entries[0].nHeight, 64);

    // The image starts with the hot spot, then the picture.
    Bytes image = ProgramResource(RT_CURSOR, MAKEINTRESOURCEA(group.entries[0].wId), LANGUAGE_NEUTRAL);
    EXPECT_EQ(group.entries[0].cbBytes, image.size());
    EXPECT_EQ(image.size(), 4 + 4264u);
    EXPECT_EQ(WordAt(image, 0), 15);
    EXPECT_EQ(WordAt(image, 2), 15);
    ExpectSquare32BitDib(image, 4, 32);
    EXPECT_TRUE(HasAlpha(image, 4, 32));
}

TEST(CursorResource, TheLoadedFinderCursorPointsWithItsHotSpot)
{
    HCURSOR hCursor = LoadCursorA(theApplication.m_hInstance, MAKEINTRESOURCEA(FINDER_CURSOR));
    ASSERT_TRUE(hCursor);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hCursor, &info));
    BITMAP bitmap = {};
    GetObjectA(info.hbmColor, sizeof(bitmap), &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 15u);
    EXPECT_EQ(info.yHotspot, 15u);
    EXPECT_EQ(bitmap.bmWidth, 32);
    EXPECT_EQ(bitmap.bmHeight, 32);
}
