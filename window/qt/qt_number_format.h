#pragma once

#include "solver/number/field_number.h"

class QLocale;

namespace triangle {

// The regional number settings of a Qt locale. Qt knows no setting for the leading zero
// or the form of negative numbers, so those are the leading zero and a leading sign.
NumberFormat NumberFormatOf(const QLocale& locale);

} // namespace triangle
