#pragma once

#include <string_view>

// res/help.html, compiled into the program (generated at configure time).
std::string_view HelpPageHtml();
