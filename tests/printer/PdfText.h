#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <sys/wait.h>

#include <QList>
#include <QString>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

// The text on the pages of a PDF that CUPS's text filter made from plain
// text, as pdftotext reads it and a person would.
//
// That filter embeds its monospace font addressed by glyph numbers and with
// no table back to characters, so pdftotext reports each glyph's number as
// if it were the character ('Q' comes out as '4'). The numbers are mapped
// back through the character map of the font itself: the one fontconfig
// gives for "monospace", as it does to the filter. The line breaks and the
// spaces that pdftotext adds between words pass unchanged, so the glyphs
// numbered like them (those of ' ) = in DejaVu Sans Mono) cannot be read.
namespace PdfText {

// The file of the font fontconfig picks for "monospace".
inline std::optional<std::string> MonospaceFontFile()
{
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("monospace"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::optional<std::string> file;
    FcChar8* path = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
        file = reinterpret_cast<const char*>(path);
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    FcFini();   // frees the configuration the calls above loaded
    return file;
}

// Glyph number -> the lowest character the font draws with that glyph.
inline std::map<char32_t, char32_t> CharacterOfGlyph(const std::string& fontFile)
{
    std::map<char32_t, char32_t> characters;
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) == 0 && FT_New_Face(library, fontFile.c_str(), 0, &face) == 0) {
        FT_UInt glyph = 0;
        for (FT_ULong ch = FT_Get_First_Char(face, &glyph); glyph != 0; ch = FT_Get_Next_Char(face, ch, &glyph))
            characters.emplace(glyph, static_cast<char32_t>(ch));
        FT_Done_Face(face);
    }
    if (library)
        FT_Done_FreeType(library);
    return characters;
}

inline std::optional<std::string> RunPdftotext(const std::filesystem::path& pdfFile)
{
    std::string command = "pdftotext -enc UTF-8 '" + pdfFile.string() + "' -";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return std::nullopt;
    std::string output;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    int status = pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return output;
}

// The readable text of the PDF that begins somewhere in `job` (a printer
// job may wrap it in printer commands), or nothing when there is none or a
// tool fails. `scratch` is a directory for the PDF file pdftotext reads.
inline std::optional<std::string> Read(const std::string& job, const std::filesystem::path& scratch)
{
    size_t start = job.find("%PDF-");
    std::optional<std::string> fontFile = MonospaceFontFile();
    if (start == std::string::npos || !fontFile)
        return std::nullopt;
    std::filesystem::path pdfFile = scratch / "job.pdf";
    std::ofstream(pdfFile, std::ios::binary) << job.substr(start);
    std::optional<std::string> glyphText = RunPdftotext(pdfFile);
    if (!glyphText)
        return std::nullopt;

    std::map<char32_t, char32_t> characterOf = CharacterOfGlyph(*fontFile);
    std::u32string text;
    for (char32_t glyph : QString::fromStdString(*glyphText).toUcs4()) {
        auto found = characterOf.find(glyph);
        bool layout = glyph == U'\n' || glyph == U'\f' || glyph == U' ';
        text += layout || found == characterOf.end() ? glyph : found->second;
    }
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

}   // namespace PdfText
