#pragma once
// Statistics of a list [a;b;...] of expression texts.

#include <string>

// The item of smallest (largest) numeric value, as written; the first of
// equal items wins. "#err" for an empty list or an item without a value.
std::string minimum(const std::string& liste);
std::string maximum(const std::string& liste);
// The mean, exactly.
std::string moyenne(const std::string& liste);
// The population variance: the mean of the squared deviations, exactly.
std::string variance(const std::string& liste);
// sqrt of the variance, the root left as it is.
std::string ecart_type(const std::string& liste);
