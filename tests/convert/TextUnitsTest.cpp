// The small units the readers are built from, each on the inputs whose
// mistakes a golden file would hide: the content-line lexer, the CSV
// tokenizer and the crossing into the directory's code page.

#include <gtest/gtest.h>

#include "convert/CsvTokenizer.h"
#include "vcard/DirectoryText.h"
#include "vcard/VCardLexer.h"

namespace {

// "group|name|param=value,...|value" for a line, or "no content line".
std::string Lexed(const std::string& line)
{
    CVCardLexer lexer;
    if (!lexer.Split(line))
        return "no content line";
    std::string result = std::string(lexer.Group()) + '|' + std::string(lexer.Name()) + '|';
    for (const CVCardParameter& parameter : lexer.Parameters())
        result += std::string(parameter.name) + '=' + std::string(parameter.value) + ',';
    return result + '|' + std::string(lexer.Value());
}

TEST(VCardLexer, SplitsQuotedParametersGroupsAndBareTypes)
{
    const std::pair<const char*, const char*> cases[] = {
        {"FN:Ann Lee", "|FN||Ann Lee"},
        {"item1.TEL;TYPE=cell,voice:+1 555", "item1|TEL|TYPE=cell,TYPE=voice,|+1 555"},
        {"TEL;CELL;PREF:1", "|TEL|=CELL,=PREF,|1"},
        {"TEL;CELL,VOICE:1", "|TEL|=CELL,VOICE,|1"},
        {"ADR;LABEL=\"1 Main St; Floor: 2, left\":;;1 Main St", "|ADR|LABEL=1 Main St; Floor: 2, left,|;;1 Main St"},
        {"NOTE:a:b;c", "|NOTE||a:b;c"},
        {"X-Y;P=\"open:quote", "no content line"},
        {"just text", "no content line"},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(Lexed(line), expected) << line;
}

// "cell|cell/" per row, each cell as [column]text.
std::string Tokenized(const std::string& text)
{
    std::string result;
    CCsvTokenizer tokenizer(
        ',', 8,
        [&](size_t nColumn, std::string_view cell, bool bCut) {
            result += '[' + std::to_string(nColumn) + ']' + std::string(cell) + (bCut ? "+" : "") + '|';
        },
        [&](bool bBlank) { result += bBlank ? "blank/" : "/"; });
    tokenizer.Feed(text);
    tokenizer.Finish();
    return result;
}

TEST(CsvTokenizer, ReadsQuotesLineBreaksAndEmptyCells)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a,,c\r\n", "[0]a|[2]c|/"},
        {"\"x,\"\"y\"\"\nz\",b", "[0]x,\"y\"\nz|[1]b|/"},
        {"a\"b\",c", "[0]a\"b\"|[1]c|/"},
        {"\"ab\"cd,e", "[0]abcd|[1]e|/"},
        {"\"open,to the end", "[0]open,to +|/"},
        {"a\r\n\r\nb", "[0]a|/blank/[0]b|/"},
        {",,,\n", "blank/"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Tokenized(text), expected) << text;
}

TEST(DirectoryText, KeepsOnlyWhatTheFileGivesBack)
{
    struct Case
    {
        const char* pszUtf8;
        const char* pszField;
        int nReplaced;
    };
    const Case cases[] = {
        {"Caf\xC3\xA9 \xE2\x82\xAC", "Caf\xE9 \x80", 0},
        {"a\tb", "a b", 0},   // as the entry boxes do
        {"a\x0B"
         "b\x0C"
         "c\x16"
         "d\x7F",
            "a?b?c?d?", 4},
        {"\xC2\xA5"
         "100",
            "?100", 1},   // the yen sign's byte is a space in the file
        {"\xC2\x81", "\x81", 0},
        {"\xF0\x9F\x98\x80!", "?!", 1},
        {"\xFF\xC3", "??", 2},
    };
    for (const Case& c : cases) {
        int nReplaced = 0;
        EXPECT_EQ(CDirectoryText::FromUtf8(c.pszUtf8, nReplaced).Bytes(), c.pszField) << c.pszUtf8;
        EXPECT_EQ(nReplaced, c.nReplaced) << c.pszUtf8;
    }
}

}   // namespace
