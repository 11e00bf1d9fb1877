// The two dialog templates, read field by field as the dialog manager reads
// an extended template, against the controls the program and its users rely
// on: ids, classes, captions with their blanks and accents, styles, places.
#include "ProgramResources.h"

#include "dialog/DlgZelbrant.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

static const WORD MAIN_DIALOG = 196;
static const WORD ABOUT_DIALOG = 103;

// An sz_Or_Ord field reads as its string, empty when absent, or as 0xFFFF
// followed by the ordinal, the way the template stores it.
static const wchar_t MAIN_ICON[] = {0xFFFF, 101, 0};
static const wchar_t MAKER_LOGO_ICON[] = {0xFFFF, 140, 0};
static const DWORD NO_ID = (DWORD)-1;

struct DialogItem {
    DWORD dwHelpId;
    DWORD dwExStyle;
    DWORD dwStyle;
    short x, y, cx, cy;
    DWORD dwId;
    std::wstring strClass;
    std::wstring strCaption;
    WORD cbExtra;
};

struct DialogTemplate {
    WORD wVersion;
    WORD wSignature;
    DWORD dwHelpId;
    DWORD dwExStyle;
    DWORD dwStyle;
    WORD cItems;
    short x, y, cx, cy;
    std::wstring strMenu;
    std::wstring strClass;
    std::wstring strCaption;
    WORD wPointSize;
    WORD wWeight;
    BYTE bItalic;
    BYTE bCharSet;
    std::wstring strTypeface;
    std::vector<DialogItem> items;
    bool bOverrun;  // a field lay past the end of the resource
    size_t cbAfter; // bytes after the last item
};

// Reads a template's fields in order; offsets count from the start of the
// template, which the loader aligns.
class TemplateReader {
public:
    explicit TemplateReader(const Bytes &bytes) : m_bytes(bytes), m_nPos(0) {}
    BYTE Byte()
    {
        m_nPos += 1;
        return m_nPos <= m_bytes.size() ? m_bytes[m_nPos - 1] : 0;
    }
    WORD Word()
    {
        m_nPos += 2;
        return WordAt(m_bytes, m_nPos - 2);
    }
    DWORD Dword()
    {
        m_nPos += 4;
        return DwordAt(m_bytes, m_nPos - 4);
    }
    short Short()
    {
        return (short)Word();
    }
    std::wstring String()
    {
        std::wstring text;
        while (m_nPos < m_bytes.size()) {
            WORD w = Word();
            if (w == 0)
                break;
            text += (wchar_t)w;
        }
        return text;
    }
    std::wstring StringOrOrdinal()
    {
        if (WordAt(m_bytes, m_nPos) != 0xFFFF)
            return String();
        Word();
        return std::wstring{(wchar_t)0xFFFF, (wchar_t)Word()};
    }
    void Skip(size_t cb)
    {
        m_nPos += cb;
    }
    void AlignToDword()
    {
        m_nPos = (m_nPos + 3) & ~(size_t)3;
    }
    bool Overrun() const
    {
        return m_nPos > m_bytes.size();
    }
    size_t Left() const
    {
        return Overrun() ? 0 : m_bytes.size() - m_nPos;
    }

private:
    const Bytes &m_bytes;
    size_t m_nPos;
};

static DialogItem ReadItem(TemplateReader &reader)
{
    reader.AlignToDword();
    DialogItem item;
    item.dwHelpId = reader.Dword();
    item.dwExStyle = reader.Dword();
    item.dwStyle = reader.Dword();
    item.x = reader.Short();
    item.y = reader.Short();
    item.cx = reader.Short();
    item.cy = reader.Short();
    item.dwId = reader.Dword();
    item.strClass = reader.StringOrOrdinal();
    item.strCaption = reader.StringOrOrdinal();
    item.cbExtra = reader.Word();
    reader.Skip(item.cbExtra);
    return item;
}

static DialogTemplate ProgramDialog(WORD wId)
{
    Bytes bytes = ProgramResource(RT_DIALOG, MAKEINTRESOURCEA(wId), LANGUAGE_FRENCH_CANADA);
    TemplateReader reader(bytes);
    DialogTemplate dialog = {};
    dialog.wVersion = reader.Word();
    dialog.wSignature = reader.Word();
    dialog.dwHelpId = reader.Dword();
    dialog.dwExStyle = reader.Dword();
    dialog.dwStyle = reader.Dword();
    dialog.cItems = reader.Word();
    dialog.x = reader.Short();
    dialog.y = reader.Short();
    dialog.cx = reader.Short();
    dialog.cy = reader.Short();
    dialog.strMenu = reader.StringOrOrdinal();
    dialog.strClass = reader.StringOrOrdinal();
    dialog.strCaption = reader.String();
    if (dialog.dwStyle & DS_SETFONT) {
        dialog.wPointSize = reader.Word();
        dialog.wWeight = reader.Word();
        dialog.bItalic = reader.Byte();
        dialog.bCharSet = reader.Byte();
        dialog.strTypeface = reader.String();
    }
    for (WORD i = 0; i < dialog.cItems && !reader.Overrun(); i++)
        dialog.items.push_back(ReadItem(reader));
    dialog.bOverrun = reader.Overrun();
    reader.AlignToDword();
    dialog.cbAfter = reader.Left();
    return dialog;
}

static void ExpectExtendedTemplateInSegoeUi8(const DialogTemplate &dialog)
{
    EXPECT_FALSE(dialog.bOverrun);
    EXPECT_EQ(dialog.cbAfter, 0u);
    EXPECT_EQ(dialog.wVersion, 1);
    EXPECT_EQ(dialog.wSignature, 0xFFFF);
    EXPECT_EQ(dialog.dwHelpId, 0u);
    EXPECT_EQ(dialog.strMenu, L"");
    EXPECT_EQ(dialog.strClass, L"");
    EXPECT_EQ(dialog.wPointSize, 8);
    EXPECT_EQ(dialog.wWeight, 400);
    EXPECT_EQ(dialog.bItalic, 0);
    EXPECT_EQ(dialog.bCharSet, 0);
    EXPECT_EQ(dialog.strTypeface, L"Segoe UI");
}

struct ExpectedItem {
    DWORD dwId;
    const wchar_t *pszClass;
    const wchar_t *pszCaption; // null: wording of our own, checked apart
    DWORD dwStyle;             // besides WS_CHILD | WS_VISIBLE
    short x, y, cx, cy;
};

// A control's class as the dialog manager understands it: the ordinals of the
// predefined classes stand for their names, and case does not matter. (The
// resource compiler we build with stores every class as an upper-case name,
// where Microsoft's stores the predefined ones as ordinals.)
static std::wstring ClassName(const std::wstring &strClass)
{
    static const wchar_t *const PREDEFINED[] = {L"BUTTON", L"EDIT", L"STATIC", L"LISTBOX", L"SCROLLBAR", L"COMBOBOX"};
    if (strClass.size() == 2 && strClass[0] == 0xFFFF && strClass[1] >= 0x0080 && strClass[1] <= 0x0085)
        return PREDEFINED[strClass[1] - 0x0080];
    std::wstring name = strClass;
    CharUpperBuffW(&name[0], (DWORD)name.size());
    return name;
}

static void ExpectItems(const std::vector<DialogItem> &items, const std::vector<ExpectedItem> &expected)
{
    ASSERT_EQ(items.size(), expected.size());
    for (size_t i = 0; i < items.size(); i++) {
        const DialogItem &item = items[i];
        const ExpectedItem &row = expected[i];
        SCOPED_TRACE("item " + std::to_string(i + 1) + ", id " + std::to_string((int)row.dwId));
        EXPECT_EQ(item.dwId, row.dwId);
        EXPECT_EQ(ClassName(item.strClass), ClassName(row.pszClass));
        if (row.pszCaption) {
            EXPECT_EQ(item.strCaption, row.pszCaption);
        }
        EXPECT_EQ(item.dwStyle, WS_CHILD | WS_VISIBLE | row.dwStyle);
        EXPECT_EQ(item.dwExStyle, 0u);
        EXPECT_EQ(item.dwHelpId, 0u);
        EXPECT_EQ(item.cbExtra, 0);
        EXPECT_EQ(item.x, row.x);
        EXPECT_EQ(item.y, row.y);
        EXPECT_EQ(item.cx, row.cx);
        EXPECT_EQ(item.cy, row.cy);
    }
}

// The address of a SysLink caption that is exactly one anchor with the same
// address as target and text, empty otherwise.
static std::wstring SingleAnchorAddress(const std::wstring &markup)
{
    const std::wstring OPEN = L"<a href=\"", CLOSE = L"</a>";
    size_t nTargetEnd = markup.find(L"\">");
    if (markup.compare(0, OPEN.size(), OPEN) != 0 || nTargetEnd == std::wstring::npos ||
        markup.size() < nTargetEnd + 2 + CLOSE.size() ||
        markup.compare(markup.size() - CLOSE.size(), CLOSE.size(), CLOSE) != 0)
        return std::wstring();
    std::wstring target = markup.substr(OPEN.size(), nTargetEnd - OPEN.size());
    std::wstring text = markup.substr(nTargetEnd + 2, markup.size() - CLOSE.size() - nTargetEnd - 2);
    return target == text ? target : std::wstring();
}

TEST(DialogTemplates, TheMainDialogIsAnExtendedTemplateInSegoeUi8WithItsCaptionStylesAndSize)
{
    DialogTemplate dialog = ProgramDialog(MAIN_DIALOG);
    ExpectExtendedTemplateInSegoeUi8(dialog);
    EXPECT_EQ(dialog.dwStyle,
              (DWORD)(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(dialog.dwExStyle, (DWORD)WS_EX_APPWINDOW);
    EXPECT_EQ(dialog.strCaption, L"Zelbrant");
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, 296);
    EXPECT_EQ(dialog.cy, 199);
}

TEST(DialogTemplates, EveryMainDialogControlHasItsIdClassCaptionStyleAndPlaceInTabOrder)
{
    const DWORD CHECK_BOX = WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX;
    const DWORD LABEL = WS_GROUP | SS_LEFT;
    const DWORD INFO = ES_AUTOHSCROLL | ES_READONLY;
    const DWORD PUSH = WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON;
    const DWORD DEFAULT = WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON;
    // clang-format off
    const std::vector<ExpectedItem> expected = {
        {NO_ID, L"Static", L"Cliquer et déplacer l'icône cible au-dessus d'une fenêtre pour la sélectionner, "
                           L"puis relâcher le bouton de la souris.",                 LABEL,     6,   6,   232, 16},
        {101,   L"Static", L"",        WS_GROUP | SS_ICON | SS_REALSIZEIMAGE,                   242, 6,   20,  20},
        {102,   L"Button", L"&Garder cette boîte de dialogue au-dessus des autres fenêtres ",
                                                                                     CHECK_BOX, 6,   26,  227, 10},
        {103,   L"Button", L"Trouver &automatiquement la fenêtre parent racine de la fenêtre pointée ",
                                                                                     CHECK_BOX, 6,   36,  263, 10},
        {104,   L"Button", L"&Dessine un cadre inversé autour de la fenêtre pointée ", CHECK_BOX, 6,   46,  202, 10},
        {NO_ID, L"Button", L"Fenêtre présentement sélectionnée :",                   BS_GROUPBOX, 6, 66,  285, 104},
        {301,   L"Static", L"Titre :",                                               LABEL,     12,  78,  20,  8},
        {201,   L"Edit",   L"",                                                      INFO,      60,  78,  222, 12},
        {302,   L"Static", L"Classe :",                                              LABEL,     12,  90,  26,  8},
        {202,   L"Edit",   L"",                                                      INFO,      60,  90,  222, 12},
        {303,   L"Static", L"Descripteur :",                                         LABEL,     12,  102, 44,  8},
        {203,   L"Edit",   L"",                                                      INFO,      60,  102, 90,  12},
        {304,   L"Static", L"Identificateur :",                                      LABEL,     184, 102, 51,  8},
        {204,   L"Edit",   L"",                                                      INFO,      238, 102, 46,  12},
        {305,   L"Static", L"Style :",                                               LABEL,     12,  114, 21,  8},
        {205,   L"Edit",   L"",                                                      INFO,      60,  114, 46,  12},
        {306,   L"Static", L"Style étendu :",                                        LABEL,     184, 114, 48,  8},
        {206,   L"Edit",   L"",                                                      INFO,      238, 114, 46,  12},
        {307,   L"Static", L"Parent :",                                              LABEL,     12,  126, 27,  8},
        {207,   L"Edit",   L"",                                                      INFO,      60,  126, 46,  12},
        {308,   L"Static", L"Rectangle :",                                           LABEL,     12,  138, 39,  8},
        {208,   L"Edit",   L"",                                                      INFO,      60,  138, 222, 12},
        {209,   L"Button", L"Garder la &fenêtre sélectionnée au-dessus des autres fenêtres ",
                                                                                     CHECK_BOX, 12,  154, 225, 10},
        {401,   L"Button", L" &Copier les informations dans le Presse-papiers",      PUSH,      6,   176, 184, 16},
        {1,     L"Button", L" Men&u",                                                DEFAULT,   240, 176, 50,  16},
    };
    // clang-format on
    DialogTemplate dialog = ProgramDialog(MAIN_DIALOG);
    EXPECT_EQ(dialog.cItems, expected.size());
    ExpectItems(dialog.items, expected);
}

TEST(DialogTemplates, TheAboutBoxIsAnExtendedTemplateInSegoeUi8WithItsCaptionStylesAndSize)
{
    DialogTemplate dialog = ProgramDialog(ABOUT_DIALOG);
    ExpectExtendedTemplateInSegoeUi8(dialog);
    EXPECT_EQ(dialog.dwStyle, (DWORD)(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(dialog.dwExStyle, 0u);
    EXPECT_EQ(dialog.strCaption, L"À propos de Zelbrant");
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, 244);
    EXPECT_EQ(dialog.cy, 170);
}

TEST(DialogTemplates, EveryAboutBoxControlHasItsIdClassCaptionStyleAndPlaceInTabOrder)
{
    const DWORD LABEL = WS_GROUP | SS_LEFT;
    const DWORD ICON = WS_GROUP | SS_ICON;
    const DWORD LINK = WS_GROUP | WS_TABSTOP | LWS_IGNORERETURN;
    const DWORD DEFAULT = WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON;
    // clang-format off
    const std::vector<ExpectedItem> expected = {
        {NO_ID, L"Static",  MAIN_ICON,                         ICON,                6,   6,   20,  20},
        {1026,  L"Static",  L"Zelbrant\nVersion 0.0.0.0",      LABEL | SS_NOPREFIX, 34,  8,   172, 16},
        {NO_ID, L"Static",  MAKER_LOGO_ICON,                   ICON,                6,   42,  20,  20},
        {NO_ID, L"Static",  nullptr /* credit line */,         LABEL,               34,  40,  76,  8},
        {1061,  L"SysLink", nullptr /* product page link */,   LINK,                38,  48,  170, 8},
        {NO_ID, L"Static",  L"Autre collaborateur :",          LABEL,               34,  64,  72,  8},
        {213,   L"SysLink", nullptr /* collaborator link */,   LINK,                38,  72,  170, 8},
        {NO_ID, L"Static",  nullptr /* rights notice */,       LABEL,               34,  88,  114, 16},
        {NO_ID, L"Static",  L"Si vous appréciez cette application, faites-le moi savoir en me faisant parvenir "
                            L"un courriel à partir de mon site Web.", LABEL,        8,   114, 210, 24},
        {1,     L"Button",  L" &Fermer",                       DEFAULT,             166, 136, 70,  28},
    };
    // clang-format on
    DialogTemplate dialog = ProgramDialog(ABOUT_DIALOG);
    EXPECT_EQ(dialog.cItems, expected.size());
    ExpectItems(dialog.items, expected);
    ASSERT_EQ(dialog.items.size(), expected.size());

    // Our own wording: one line of credit and a two-line rights notice, both naming the maker.
    const std::wstring &credit = dialog.items[3].strCaption;
    const std::wstring &rights = dialog.items[7].strCaption;
    EXPECT_NE(credit.find(L"Morvane"), std::wstring::npos);
    EXPECT_EQ(credit.find(L'\n'), std::wstring::npos);
    EXPECT_NE(rights.find(L"Morvane"), std::wstring::npos);
    EXPECT_EQ(std::count(rights.begin(), rights.end(), L'\n'), 1);
}

TEST(DialogTemplates, EachAboutLinkIsOneAnchorAndTheProductOneOpensThePageThatF1Opens)
{
    DialogTemplate dialog = ProgramDialog(ABOUT_DIALOG);
    ASSERT_EQ(dialog.items.size(), 10u);
    ZLBR_DlgZelbrant dlg(NULL);
    std::wstring f1Page(dlg.m_strWebPage.begin(), dlg.m_strWebPage.end());

    std::wstring product = SingleAnchorAddress(dialog.items[4].strCaption);
    std::wstring collaborator = SingleAnchorAddress(dialog.items[6].strCaption);

    EXPECT_EQ(product, L"https://zelbrant.morvane.com/");
    EXPECT_EQ(product, f1Page);
    EXPECT_EQ(collaborator.compare(0, 4, L"http"), 0) << dialog.items[6].strCaption;
    EXPECT_NE(collaborator.find(L"://"), std::wstring::npos);
}
