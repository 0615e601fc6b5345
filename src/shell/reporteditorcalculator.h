#pragma once
// The calculator of the report editor's "Hesap Makinesi": the command in the
// settings value "VKcalc" when it is set, else the first desktop calculator
// found on PATH. Started without waiting; a failed start is not reported.
#include <QString>

namespace vz {

// The command line that would be started; empty when there is none.
QString calculatorCommand();
// Starts it detached; returns false when there is no command or it did not start.
bool startCalculator();

} // namespace vz
