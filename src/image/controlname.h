#pragma once

// A control's objectName as the code writes it, checked against the field table while compiling:
// where a control is renamed in the table, every place that still uses the old name stops the
// build instead of failing at run time.
//     const Field& gateway = ControlName("VGateway").field();

#include "image/fieldtable.h"

#include <string_view>

namespace image
{

class ControlName
{
public:
    // Implicit, so that a function taking a ControlName checks the name it is called with.
    consteval ControlName(const char* name) : ControlName(std::string_view(name)) {}
    consteval ControlName(std::string_view name)
    {
        for (const Field& row : fieldtable::kLayout) {
            if (!name.empty() && row.control == name) {
                m_row = &row;
                return;
            }
        }
        throw "no row of the field table has a control of this name"; // stops the compilation
    }

    // The row, found while compiling.
    constexpr const Field& field() const { return *m_row; }

private:
    const Field* m_row = nullptr;
};

} // namespace image
