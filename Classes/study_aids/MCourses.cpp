#include "Classes/study_aids/MCourses.h"

#include <algorithm>

#include "Classes/study_aids/MCenter.h"
#include "Classes/study_aids/MCourse.h"
#include "Classes/study_aids/MManhattanORVACenters.h"
#include "platform/ui/Image.h"

namespace {

// The contact name of the provider's centres for calls over Skype.
constexpr const char* kManhattanORVASkype = "manhattan.orva.centers";

// A provider without centres: no map image, no Skype name, no centre list.
std::shared_ptr<MCourse> plainCourse(const char* companyName, const char* iconName, const char* fileName,
                                     const char* logoName) {
    return std::make_shared<MCourse>(companyName, ui::Image::named(iconName), nullptr, fileName, logoName,
                                     std::nullopt, std::nullopt);
}

}  // namespace

MCourses::MCourses() {
    courses_.push_back(plainCourse("Kaplan", "Courses_Kaplan.png", "Courses_Kaplan_index", "Courses_Kaplan"));
    courses_.push_back(
        plainCourse("Knewton", "Courses_knewton.png", "Courses_Knewton_index", "Courses_knewton"));

    MCourse::Centers centers;
    MManhattanORVACenters::fillSet(centers);
    courses_.push_back(std::make_shared<MCourse>(
        "Manhattan ORVA", ui::Image::named("Courses_ManhattanORVA.png"),
        ui::Image::named("Courses_ManhattanORVA_MI.png"), "Courses_ManhattanORVA_index",
        "Courses_ManhattanORVA", kManhattanORVASkype, std::move(centers)));

    courses_.push_back(plainCourse("Princeton Review", "Courses_PrincetonReview.png",
                                   "Courses_PrincetonReview_index", "Courses_PrincetonReview"));
    courses_.push_back(plainCourse("Manhattan Review", "Courses_ManhattanReview.png",
                                   "Courses_ManhattanReview_index", "Courses_ManhattanReview"));
}

std::shared_ptr<MCourse> MCourses::courseForName(std::string_view name) const {
    for (const auto& course : courses_)
        if (course->companyName() == name) return course;
    return nullptr;
}

std::shared_ptr<MCourse> MCourses::courseForCenter(const std::shared_ptr<MCenter>& center) const {
    if (!center) return nullptr;
    for (const auto& course : courses_) {
        const auto& centers = course->centers();
        if (centers && std::find(centers->begin(), centers->end(), center) != centers->end()) return course;
    }
    return nullptr;
}
