// Runs a helper program to its end, quietly, and makes sure it does not outlive the site.
#pragma once

#include <string>
#include <vector>

// The exit status, or -1 when the program could not be started or ended by a signal.
int RunQuietly(const std::vector<std::string>& argv);
