#pragma once
// The results of tailor's operations: 0 or 1 on success, small negative
// numbers on failure.
const int kTailorDone = 1;
const int kTailorNoSuchBlock = -3;
const int kTailorFileFailure = -4;
const int kTailorFileMissing = -6;
const int kTailorScriptError = -7;
const int kTailorWriteError = -8;
const int kTailorOutOfRange = -10;
