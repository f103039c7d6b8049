#pragma once

#include <string>

// The names of the new files a replace makes beside its target, and the
// tidying of those a crash left behind.
//
// A new file is named "<name>.XXXXXX", where the six characters are two
// capital letters, two small letters and two digits in a random order. A
// name a person gives ("Dialstack.dat.backup", ".Old123") hardly ever has
// that mix, so a file of this pattern is taken for one of ours.

// A fresh name of the pattern for a new file beside folder/name.
std::string NewTempFileName(const std::string& folder, const std::string& name);

// Removes the files of the pattern for name in folder that are the user's
// own, regular, and older than ten minutes: a crash between writing the new
// file and renaming it left them; a younger one may belong to a replace
// still in progress.
void RemoveOldTempFiles(const std::string& folder, const std::string& name);
