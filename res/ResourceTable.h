#pragma once

#include <string_view>
#include <vector>

#include "framework/DialogTemplate.h"

class CResourceProvider;
class CWinApp;
struct VersionRecord;

// The program's resources, looked up by id as the framework needs them:
// dialog templates, the string table, icons, the version record and the
// help page. Tests may add a template of their own.
class ResourceTable
{
public:
    // The template nId, or nullptr when there is none.
    static const DialogTemplate* FindDialog(UINT nId);
    // The string nId (Windows-1252 bytes), or nullptr when there is none.
    static const char* FindString(UINT nId);
    // The ids of every string of the table, in increasing order.
    static std::vector<UINT> StringIds();
    // The icon nId as XPM lines, or nullptr when there is none.
    static const char* const* FindIcon(UINT nId);
    static const VersionRecord& Version();
    // The help page, HTML in UTF-8.
    static std::string_view HelpPage();

    // Adds (or replaces) a template; for tests, which bring dialogs of
    // their own.
    static void AddDialog(const DialogTemplate& dialogTemplate);

    // The table as the framework looks resources up.
    static const CResourceProvider& Provider();
    // Hands the application object what the framework needs of the
    // program: the resources, the window icon, the version, the help page
    // (in every language it is written in) with its title, the translation
    // catalogue, and the characters edit boxes refuse.
    static void ConfigureApplication(CWinApp& app);
};
