#pragma once

#include <functional>

// Told how far a long step has come; answering false stops the step (the user cancelled).
using ReportProgress = std::function<bool(int done, int total)>;
