#pragma once

#include <string_view>

// Whether every part of a name appears in the name chosen, ignoring case.
// parts holds them separated by ';' or ',' (N's components and their
// values: "Friedman;Nat;D;Mr.;", "ing. jr,M.Sc."). When one does not, the
// readers keep the parts in misc. Very long text is not searched: such a
// part is kept rather than compared.
bool NameHoldsEveryPart(std::string_view name, std::string_view parts);
