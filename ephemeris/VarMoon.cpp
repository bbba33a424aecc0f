#include "VarMoon.h"

namespace pellor
{

CalcContext gCalc{};

} // namespace pellor
