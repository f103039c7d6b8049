#pragma once

#include <functional>
#include <string>

#include "data/SafeFileReplace.h"

// Runs a writer of new contents into sink; false when it could not produce
// them or ran out of memory trying (result.strReason then says so).
bool RunContentWriter(const std::function<bool(CByteSink&)>& writeContent, CByteSink& sink, CReplaceResult& result);

// Rewrites the file at path itself, for a folder that takes no new file.
// Every write is checked; on a failure the old bytes are written back, and
// result says whether the file is as it was. false when the file cannot even
// be opened for it (the caller then reports its own reason).
bool RewriteInPlace(
    const std::string& path, const std::function<bool(CByteSink&)>& writeContent, CReplaceResult& result);
