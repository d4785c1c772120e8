#include "Classes/study_aids/MConcepts.h"

#include "Classes/study_aids/MConcept.h"
#include "platform/ui/Image.h"

MConcepts::MConcepts() {
    struct Row {
        const char* fullName;
        const char* icon;
        const char* fileName;
    };
    static constexpr Row kRows[] = {
        {"Number Theory", "Math_icon_nt.png", "math_number_theory_index"},
        {"Percents", "Math_icon_percents.png", "math_per_index"},
        {"Absolute Value", "Math_icon_absolute_value.png", "math_abs_index"},
        {"Triangles", "Math_icon_triangles.png", "math_tri_index"},
        {"Circles", "Math_icon_circles.png", "math_cir_index"},
        {"Coordinate Geometry", "Math_icon_cg.png", "math_cg_index"},
        {"Standard Deviation", "Math_icon_std.png", "math_std_index"},
        {"Probability", "Math_icon_probability.png", "math_pro_index"},
    };
    for (const auto& row : kRows)
        concepts_.push_back(
            std::make_shared<MConcept>(row.fullName, ui::Image::named(row.icon), row.fileName));
}
