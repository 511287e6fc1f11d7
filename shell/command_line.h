// Splitting the program's command line into arguments.
#pragma once
#include <string>
#include <vector>

namespace gw {

// Entry 0 is the program path; the words of the command line follow. Double quotes
// group blanks into a word; a '-' or '/' outside quotes starts an option that is
// skipped up to the next blank (characters already collected stay in the word).
std::vector<std::string> splitCommandLine(const std::string& programPath, const char* commandLine);

}  // namespace gw
