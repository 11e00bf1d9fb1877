// The feedback sounds: each is a whole RIFF/WAVE file in the format that the
// sound is played in, so that PlaySound can play it straight from memory.
#include "ProgramResources.h"

#include <gtest/gtest.h>

struct ExpectedSound {
    WORD wId;
    DWORD dwRate;
    WORD wBits;
    DWORD cbData;
};
static const ExpectedSound SOUNDS[] = {
    {130, 22050, 16, 74502}, // shortcut created
    {144, 22050, 8, 12147},  // option on
    {147, 22050, 8, 9952},   // failure
    {159, 22050, 16, 30466}, // settings saved
    {167, 22050, 8, 12624},  // option off
    {193, 11025, 8, 6515},   // copied
};

// What a RIFF/WAVE file says of itself; bComplete when its chunks, each
// padded to an even length, fill the file exactly.
struct WaveFile {
    bool bComplete;
    WORD wFormatTag;
    WORD wChannels;
    DWORD dwRate;
    DWORD dwBytesPerSecond;
    WORD wBlockAlign;
    WORD wBits;
    DWORD cbData;
};

static WaveFile ReadWave(const Bytes &wave)
{
    WaveFile file = {};
    if (TagAt(wave, 0) != "RIFF" || DwordAt(wave, 4) != wave.size() - 8 || TagAt(wave, 8) != "WAVE")
        return file;
    bool bFormat = false, bData = false;
    size_t nChunk = 12;
    while (nChunk + 8 <= wave.size()) {
        std::string tag = TagAt(wave, nChunk);
        DWORD cbChunk = DwordAt(wave, nChunk + 4);
        size_t nBody = nChunk + 8;
        if (tag == "fmt " && cbChunk >= 16) {
            bFormat = true;
            file.wFormatTag = WordAt(wave, nBody);
            file.wChannels = WordAt(wave, nBody + 2);
            file.dwRate = DwordAt(wave, nBody + 4);
            file.dwBytesPerSecond = DwordAt(wave, nBody + 8);
            file.wBlockAlign = WordAt(wave, nBody + 12);
            file.wBits = WordAt(wave, nBody + 14);
        } else if (tag == "data") {
            bData = true;
            file.cbData = cbChunk;
        }
        nChunk = nBody + cbChunk + (cbChunk & 1);
    }
    file.bComplete = bFormat && bData && nChunk == wave.size();
    return file;
}

TEST(SoundResources, EverySoundIsAWholeMonoPcmWaveOfItsRateDepthAndLength)
{
    for (const ExpectedSound &sound : SOUNDS) {
        SCOPED_TRACE("sound " + std::to_string(sound.wId));
        WaveFile file = ReadWave(ProgramResource("WAVE", MAKEINTRESOURCEA(sound.wId), LANGUAGE_NEUTRAL));
        EXPECT_TRUE(file.bComplete);
        EXPECT_EQ(file.wFormatTag, WAVE_FORMAT_PCM);
        EXPECT_EQ(file.wChannels, 1);
        EXPECT_EQ(file.dwRate, sound.dwRate);
        EXPECT_EQ(file.wBits, sound.wBits);
        EXPECT_EQ(file.wBlockAlign, sound.wBits / 8);
        EXPECT_EQ(file.dwBytesPerSecond, sound.dwRate * sound.wBits / 8);
        EXPECT_EQ(file.cbData, sound.cbData);
    }
}
