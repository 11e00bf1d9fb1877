// The application manifest: the program's identity, the version 6 common
// controls (without them the About box's links cannot be created), no
// elevation, and nothing that would change how the system scales or treats
// the program.
#include "ProgramResources.h"

#include <gtest/gtest.h>

#include <map>

typedef std::map<std::string, std::string> Attributes;

static std::string ProgramManifest()
{
    Bytes manifest = ProgramResource(RT_MANIFEST, MAKEINTRESOURCEA(1), LANGUAGE_ENGLISH_CANADA);
    return std::string(manifest.begin(), manifest.end());
}

// The name="value" attributes of every element of that name, in document
// order; enough for a manifest, which has no comments or entities here.
static std::vector<Attributes> Elements(const std::string &xml, const std::string &name)
{
    std::vector<Attributes> elements;
    for (size_t nStart = xml.find("<" + name); nStart != std::string::npos; nStart = xml.find("<" + name, nStart + 1)) {
        size_t nPos = nStart + 1 + name.size();
        if (nPos < xml.size() && !strchr(" \t\r\n/>", xml[nPos]))
            continue; // an element whose name only begins the same way
        size_t nEnd = xml.find('>', nPos);
        Attributes attributes;
        for (;;) {
            size_t nEquals = xml.find("=\"", nPos);
            size_t nClose = nEquals < nEnd ? xml.find('"', nEquals + 2) : std::string::npos;
            if (nClose == std::string::npos)
                break;
            size_t nName = xml.find_last_of(" \t\r\n", nEquals) + 1;
            attributes[xml.substr(nName, nEquals - nName)] = xml.substr(nEquals + 2, nClose - nEquals - 2);
            nPos = nClose + 1;
        }
        elements.push_back(attributes);
    }
    return elements;
}

// The text from the start of open to the end of close, empty when either is missing.
static std::string Section(const std::string &xml, const std::string &open, const std::string &close)
{
    size_t nStart = xml.find(open);
    size_t nEnd = nStart == std::string::npos ? nStart : xml.find(close, nStart);
    return nEnd == std::string::npos ? std::string() : xml.substr(nStart, nEnd + close.size() - nStart);
}

static const Attributes PROGRAM_IDENTITY = {
    {"version", "1.0.0.0"}, {"processorArchitecture", "X86"}, {"name", "Morvane.Zelbrant"}, {"type", "win32"}};
static const Attributes COMMON_CONTROLS_6 = {{"type", "win32"},
                                             {"name", "Microsoft.Windows.Common-Controls"},
                                             {"version", "6.0.0.0"},
                                             {"processorArchitecture", "X86"},
                                             {"publicKeyToken", "6595b64144ccf1df"},
                                             {"language", "*"}};

TEST(Manifest, IsUtf8XmlOfAnAssemblyVersion1)
{
    std::string xml = ProgramManifest();
    ASSERT_FALSE(xml.empty());
    EXPECT_GT(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, xml.data(), (int)xml.size(), NULL, 0), 0);
    std::vector<Attributes> declaration = Elements(xml, "?xml");
    ASSERT_EQ(declaration.size(), 1u);
    EXPECT_EQ(declaration[0]["encoding"], "UTF-8");
    EXPECT_EQ(Elements(xml, "assembly"),
              std::vector<Attributes>({{{"xmlns", "urn:schemas-microsoft-com:asm.v1"}, {"manifestVersion", "1.0"}}}));
}

TEST(Manifest, NamesTheProgramAndDependsOnlyOnTheVersion6CommonControls)
{
    std::string xml = ProgramManifest();
    std::string dependency = Section(xml, "<dependency>", "</dependency>");

    EXPECT_EQ(Elements(xml, "assemblyIdentity"), std::vector<Attributes>({PROGRAM_IDENTITY, COMMON_CONTROLS_6}));
    EXPECT_EQ(Section(xml, "<description>", "</description>"), "<description>Zelbrant application</description>");
    EXPECT_EQ(Elements(xml, "dependency").size(), 1u);
    EXPECT_EQ(Elements(dependency, "dependentAssembly").size(), 1u);
    EXPECT_EQ(Elements(dependency, "assemblyIdentity"), std::vector<Attributes>({COMMON_CONTROLS_6}));
}

TEST(Manifest, AsksToRunAsInvokerWithoutUiAccessAndDeclaresNoDpiAwarenessNorSupportedSystems)
{
    std::string xml = ProgramManifest();
    std::string trust = Section(xml, "<trustInfo", "</trustInfo>");

    EXPECT_EQ(Elements(xml, "trustInfo"), std::vector<Attributes>({{{"xmlns", "urn:schemas-microsoft-com:asm.v2"}}}));
    EXPECT_EQ(Elements(xml, "requestedExecutionLevel").size(), 1u);
    EXPECT_EQ(Elements(trust, "requestedExecutionLevel"),
              std::vector<Attributes>({{{"level", "asInvoker"}, {"uiAccess", "false"}}}));
    EXPECT_EQ(xml.find("dpiAware"), std::string::npos); // dpiAware and dpiAwareness
    EXPECT_EQ(xml.find("supportedOS"), std::string::npos);
}
