// The icons and the finder cursor: every size the program asks for is there
// as its own 32-bit picture, so that the system never stretches one size
// into another, and each image is a plain DIB that every system reads.
#include "ProgramResources.h"

#include <gtest/gtest.h>

struct IconSize {
    int nSize;
    size_t cbImage; // header, colour rows and the 1-bit AND mask
};
static const IconSize ICON_SIZES[] = {{32, 4264}, {24, 2440}, {16, 1128}};

// The image of a group that the system picks for a size, as LoadImageA does.
static Bytes IconImage(WORD wGroup, int nSize)
{
    Bytes group = ProgramResource(RT_GROUP_ICON, MAKEINTRESOURCEA(wGroup), LANGUAGE_NEUTRAL);
    int nImage = group.empty() ? 0 : LookupIconIdFromDirectoryEx(group.data(), TRUE, nSize, nSize, LR_DEFAULTCOLOR);
    return ProgramResource(RT_ICON, MAKEINTRESOURCEA(nImage), LANGUAGE_NEUTRAL);
}

// An uncompressed 32-bit DIB (a PNG has no such header) whose height counts
// the mask rows too.
static Bytes Dib32Header(int nSize)
{
    BITMAPINFOHEADER header = {sizeof(header), nSize, 2 * nSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    return BytesOf(header);
}

// A 32-bit image whose alpha bytes are all zero is drawn by its mask alone,
// without its smooth edges.
static bool HasAlpha(const Bytes &image, size_t nPixels, int nSize)
{
    for (int i = 0; i < nSize * nSize; i++) {
        if (nPixels + 4 * i + 3 < image.size() && image[nPixels + 4 * i + 3] != 0)
            return true;
    }
    return false;
}

TEST(IconResources, EveryGroupHolds32And24And16PixelImagesOf32BitsAsUncompressedDibs)
{
    for (WORD wGroup : ICON_GROUPS) {
        EXPECT_EQ(GroupImageIds(RT_GROUP_ICON, wGroup).size(), 3u) << "group " << wGroup;
        for (const IconSize &size : ICON_SIZES) {
            SCOPED_TRACE("group " + std::to_string(wGroup) + ", " + std::to_string(size.nSize) + " px");
            Bytes image = IconImage(wGroup, size.nSize);
            EXPECT_EQ(image.size(), size.cbImage);
            EXPECT_EQ(Slice(image, 0, sizeof(BITMAPINFOHEADER)), Dib32Header(size.nSize));
            EXPECT_TRUE(HasAlpha(image, sizeof(BITMAPINFOHEADER), size.nSize));
        }
    }
}

TEST(IconResources, Group102HoldsTheImagesOfTheMainIconByteForByte)
{
    for (const IconSize &size : ICON_SIZES) {
        Bytes main = IconImage(101, size.nSize);
        EXPECT_FALSE(main.empty());
        EXPECT_TRUE(IconImage(102, size.nSize) == main) << size.nSize << " px";
    }
}

TEST(CursorResource, TheFinderCursorIsOne32PixelImageOf32BitsWithItsHotSpotAt15And15)
{
    std::vector<WORD> images = GroupImageIds(RT_GROUP_CURSOR, 191);
    ASSERT_EQ(images.size(), 1u);
    Bytes image = ProgramResource(RT_CURSOR, MAKEINTRESOURCEA(images[0]), LANGUAGE_NEUTRAL);

    // The hot spot's x and y come before the picture.
    EXPECT_EQ(image.size(), 4 + 4264u);
    EXPECT_EQ(Slice(image, 0, 4), (Bytes{15, 0, 15, 0}));
    EXPECT_EQ(Slice(image, 4, sizeof(BITMAPINFOHEADER)), Dib32Header(32));
    EXPECT_TRUE(HasAlpha(image, 4 + sizeof(BITMAPINFOHEADER), 32));
}
