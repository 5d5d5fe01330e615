#pragma once
// How the bar's tests print a property value in their failure messages: its
// type and its text. Every test file of the bar that compares values includes it.
#include <QVariant>
#include <ostream>

inline void PrintTo(const QVariant& v, std::ostream* os) {
    if (!v.isValid())
        *os << "(no value)";
    else
        *os << v.typeName() << '(' << v.toString().toStdString() << ')';
}
