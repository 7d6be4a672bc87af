// The one way numbers become text for the user: whole numbers in decimal ("%d"), results of a
// division with up to 13 significant digits in the shortest form ("%.13g"). Locale-free, so a
// decimal point is always ".".
#pragma once
#include <string>

// 0, 7, -12, 2147483647.
std::string IntegerText(int value);

// 0.1, 1, 2.5, 12.3, 100; 0.30000000000000004 reads 0.3. Very large or small values use an
// exponent ("1e+15"), as "%.13g" does.
std::string DecimalText(double value);
