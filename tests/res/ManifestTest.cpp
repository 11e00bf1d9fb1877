// The application manifest: the program's identity, the version 6 common
// controls (without them the About box's links cannot be created), no
// elevation, and nothing that would change how the system scales the program.
#include "ProgramResources.h"

#include <gtest/gtest.h>

static std::string ProgramManifest()
{
    Bytes manifest = ProgramResource(RT_MANIFEST, MAKEINTRESOURCEA(1), LANGUAGE_ENGLISH_CANADA);
    return std::string(manifest.begin(), manifest.end());
}

// The opening tag of every element of that name, in document order.
static std::vector<std::string> Tags(const std::string &xml, const std::string &name)
{
    std::vector<std::string> tags;
    for (size_t n = xml.find("<" + name); n != std::string::npos; n = xml.find("<" + name, n + 1)) {
        if (strchr(" \t\r\n/>", xml[n + 1 + name.size()])) // not a longer name that begins the same way
            tags.push_back(xml.substr(n, xml.find('>', n) + 1 - n));
    }
    return tags;
}

// The attributes that a tag lacks, each written name="value".
static std::string MissingAttributes(const std::string &tag, const std::vector<std::string> &attributes)
{
    std::string missing;
    for (const std::string &attribute : attributes) {
        if (tag.find(" " + attribute) == std::string::npos)
            missing += attribute + " ";
    }
    return missing;
}

// The system refuses to start a program whose manifest it cannot parse.
TEST(Manifest, IsUtf8XmlOfAnAssemblyVersion1)
{
    std::string xml = ProgramManifest();
    std::vector<std::string> declarations = Tags(xml, "?xml"), assemblies = Tags(xml, "assembly");
    ASSERT_EQ(declarations.size(), 1u);
    ASSERT_EQ(assemblies.size(), 1u);

    EXPECT_GT(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, xml.data(), (int)xml.size(), NULL, 0), 0);
    EXPECT_EQ(MissingAttributes(declarations[0], {"encoding=\"UTF-8\""}), "");
    EXPECT_EQ(
        MissingAttributes(assemblies[0], {"xmlns=\"urn:schemas-microsoft-com:asm.v1\"", "manifestVersion=\"1.0\""}),
        "");
}

TEST(Manifest, NamesTheProgramAndDependsOnlyOnTheVersion6CommonControls)
{
    std::string xml = ProgramManifest();
    std::vector<std::string> identities = Tags(xml, "assemblyIdentity");
    ASSERT_EQ(identities.size(), 2u) << "the program's own and the one dependency's";

    EXPECT_EQ(MissingAttributes(identities[0], {"version=\"1.0.0.0\"", "processorArchitecture=\"X86\"",
                                                "name=\"Morvane.Zelbrant\"", "type=\"win32\""}),
              "");
    EXPECT_EQ(Tags(xml, "dependentAssembly").size(), 1u);
    EXPECT_EQ(MissingAttributes(identities[1], {"type=\"win32\"", "name=\"Microsoft.Windows.Common-Controls\"",
                                                "version=\"6.0.0.0\"", "processorArchitecture=\"X86\"",
                                                "publicKeyToken=\"6595b64144ccf1df\"", "language=\"*\""}),
              "");
    EXPECT_NE(xml.find("<description>Zelbrant application</description>"), std::string::npos);
}

TEST(Manifest, AsksToRunAsInvokerWithoutUiAccessAndDeclaresNoDpiAwarenessNorSupportedSystems)
{
    std::string xml = ProgramManifest();
    std::vector<std::string> trust = Tags(xml, "trustInfo"), levels = Tags(xml, "requestedExecutionLevel");
    ASSERT_EQ(trust.size(), 1u);
    ASSERT_EQ(levels.size(), 1u);

    EXPECT_EQ(MissingAttributes(trust[0], {"xmlns=\"urn:schemas-microsoft-com:asm.v2\""}), "");
    EXPECT_EQ(MissingAttributes(levels[0], {"level=\"asInvoker\"", "uiAccess=\"false\""}), "");
    EXPECT_EQ(xml.find("dpiAware"), std::string::npos); // dpiAware and dpiAwareness
    EXPECT_EQ(xml.find("supportedOS"), std::string::npos);
}
