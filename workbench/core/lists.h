// Growable lists of grid indices and of single-precision numbers.
#pragma once

#include <QList>

using TIntegerList = QList<int>;
using TNumbersList = QList<float>;
