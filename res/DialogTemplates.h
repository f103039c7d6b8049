#pragma once

#include <vector>

#include "framework/DialogTemplate.h"

// The dialog templates of the program, in resource-id order.
std::vector<DialogTemplate> ProgramDialogTemplates();
