// The French message box that explains a failed start-up.
#include "app/Application.h"

static const char s_szCaption[] = "Erreur durant l'initialisation";
static const char s_szCodeLineTemplate[] = "CODE D'ERREUR %1!d!";

// Formats a template with numbered inserts; the caller frees the result with
// LocalFree. Null when the formatter fails (it does so only without memory).
static char *FormatTemplate(const char *pszTemplate, const DWORD_PTR *pInserts)
{
    char *pszText = NULL;
    FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                   pszTemplate, 0, 0, (LPSTR)&pszText, 0, (va_list *)pInserts);
    return pszText;
}

void ShowStartupError(int nCode, const char *pszTemplate, const DWORD_PTR *pInserts, int nInserts)
{
    DWORD_PTR codeInsert = (DWORD_PTR)nCode;
    char *pszCodeLine = FormatTemplate(s_szCodeLineTemplate, &codeInsert);

    DWORD_PTR bodyInserts[8] = {(DWORD_PTR)(pszCodeLine ? pszCodeLine : s_szCodeLineTemplate)};
    for (int i = 0; i < nInserts && i + 1 < (int)ARRAYSIZE(bodyInserts); i++)
        bodyInserts[i + 1] = pInserts[i];
    char *pszBody = FormatTemplate(pszTemplate, bodyInserts);

    MessageBoxA(NULL, pszBody ? pszBody : pszTemplate, s_szCaption, MB_OK | MB_ICONHAND);

    if (pszBody)
        LocalFree(pszBody);
    if (pszCodeLine)
        LocalFree(pszCodeLine);
}
