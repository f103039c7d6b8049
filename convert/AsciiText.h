#pragma once

// The ASCII text helpers moved to the shared vCard layer; callers above keep
// this include.
#include "vcard/AsciiText.h"
