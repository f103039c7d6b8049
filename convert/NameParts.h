#pragma once

#include <string>
#include <vector>

// Whether every part of a name (each comma-separated value of each part:
// "ing. jr,M.Sc.") appears in the name chosen, ignoring case. When one does
// not, the readers keep the parts in misc. Very long text is not searched:
// such a part is kept rather than compared.
bool NameHoldsEveryPart(const std::string& name, const std::vector<std::string>& parts);
