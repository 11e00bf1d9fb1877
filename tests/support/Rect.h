// Comparing and printing rectangles in test expectations.
#pragma once

#include <windows.h>

#include <ostream>

inline bool operator==(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline bool operator!=(const RECT &a, const RECT &b)
{
    return !(a == b);
}

inline std::ostream &operator<<(std::ostream &os, const RECT &rc)
{
    return os << "(" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom << ")";
}
