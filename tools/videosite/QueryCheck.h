// The checks a request's query must pass before any page looks at it.
#pragma once

#include <string>

// Every "%" starts a two-digit hexadecimal escape.
bool HasValidEscapes(const std::string& target);
bool IsValidUtf8(const std::string& text);
