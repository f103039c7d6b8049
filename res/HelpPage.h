#pragma once

#include <string_view>

// res/help.html and its translations (help_de.html, ...), compiled into
// the program (generated at build time).
std::string_view HelpPageHtml();
std::string_view HelpPageHtml_de();
std::string_view HelpPageHtml_fr();
std::string_view HelpPageHtml_es();
std::string_view HelpPageHtml_it();
std::string_view HelpPageHtml_nl();
std::string_view HelpPageHtml_pt();
