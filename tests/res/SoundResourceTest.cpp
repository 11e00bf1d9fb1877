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

// A file of one format chunk and one data chunk; chunks are padded to an even
// length, which their sizes do not count.
struct WaveHeader {
    FOURCC riff;
    DWORD cbRiff;
    FOURCC wave, fmt;
    DWORD cbFormat;
    PCMWAVEFORMAT format;
    FOURCC data;
    DWORD cbData;
};
static_assert(sizeof(WaveHeader) == 44, "no padding between the fields");

TEST(SoundResources, EverySoundIsAWholeMonoPcmWaveOfItsRateDepthAndLength)
{
    for (const ExpectedSound &sound : SOUNDS) {
        Bytes wave = ProgramResource("WAVE", MAKEINTRESOURCEA(sound.wId), LANGUAGE_NEUTRAL);
        DWORD cbPadded = sound.cbData + sound.cbData % 2;
        WORD cbSample = sound.wBits / 8;
        WaveHeader header = {FOURCC_RIFF,
                             sizeof(WaveHeader) - 8 + cbPadded,
                             mmioFOURCC('W', 'A', 'V', 'E'),
                             mmioFOURCC('f', 'm', 't', ' '),
                             sizeof(PCMWAVEFORMAT),
                             {{WAVE_FORMAT_PCM, 1, sound.dwRate, sound.dwRate * cbSample, cbSample}, sound.wBits},
                             mmioFOURCC('d', 'a', 't', 'a'),
                             sound.cbData};

        EXPECT_EQ(Slice(wave, 0, sizeof(header)), BytesOf(header)) << "sound " << sound.wId;
        EXPECT_EQ(wave.size(), sizeof(header) + cbPadded) << "sound " << sound.wId;
    }
}
