#pragma once

#include <vector>

// Level-8 answers (branch 30) of the engine as it was before the searches ran on several
// threads, kept so that any later engine can be checked against them: the answers must not
// change, whatever the speed-ups.
struct RecordedAnswer {
    const char* Grid; // 81 characters '0' to '3'
    int Side;
    int Algo;
    const char* Answer; // as FormatSearchAnswer writes it
};

const std::vector<RecordedAnswer>& RecordedLevel8Answers();
