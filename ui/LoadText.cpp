#include "ui/LoadText.h"

#include <string>
#include <vector>

CString LoadText(UINT nID, std::initializer_list<CString> arguments)
{
    CString strTemplate;
    strTemplate.LoadString(nID);
    const std::vector<CString> args(arguments);
    const std::string_view text = strTemplate.View();
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t nArg = i + 1 < text.size() && text[i] == '%' ? static_cast<size_t>(text[i + 1] - '1') : args.size();
        if (nArg < args.size()) {
            result += args[nArg].View();
            ++i;
        } else {
            result += text[i];
        }
    }
    return CString(result);
}
