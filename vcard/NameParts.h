#pragma once

#include <string_view>

// Whether every part of a name appears in the name chosen, ignoring case.
// parts holds them separated by ';' or ',' (N's components and their
// values: "Friedman;Nat;D;Mr.;", "ing. jr,M.Sc."). When one does not, the
// readers keep the parts in misc. Each part costs time linear in it and the
// name; parts that would cost more than a set amount are kept rather than
// compared.
bool NameHoldsEveryPart(std::string_view name, std::string_view parts);
