#pragma once

// The field text moved to the shared vCard layer; callers above keep this
// include.
#include "vcard/DirectoryText.h"
