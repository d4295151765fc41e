#pragma once

#include "results/result_graphs.h"

#include <string>

// The eighteen graphs and the outcome of the read as the JSON document of `quavis-cli results`:
// {"resultsLoaded": bool, "graphs": [{"name", "units", "caption", "curves": [{"legend", "points"}]}]},
// every number with 17 significant digits, followed by a line break.
std::string ResultsJson(const quavis::TResultGraphs& graphs);
