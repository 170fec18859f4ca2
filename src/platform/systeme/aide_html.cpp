#include "platform/systeme/aide_html.h"

void HtmlHelp(const std::string&, int, std::intptr_t) {}
