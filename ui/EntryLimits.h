#pragma once

// The most characters each box of the entry dialogs takes: the note (misc)
// is kept shorter than the other fields.
constexpr int kMaxFieldChars = 70;
constexpr int kMaxMiscChars = 65;
