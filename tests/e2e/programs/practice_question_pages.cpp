// Writes the phone's question page of every question of the hard quantitative set into a folder,
// as the question screen builds it, with its explanation shown, for the browser test that checks
// that no page is wider than the phone. Usage: practice_question_pages FOLDER

#include <cstdio>
#include <fstream>
#include <string>

#include "Classes/practice/MHardQuantSet.h"
#include "Classes/practice/MHardQuantSet200.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/QuestionPage.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: practice_question_pages FOLDER\n", stderr);
        return 2;
    }
    auto set = MQSet::make(1, "Hard Quant", "Hard quantitative questions", "Sets_hard_quant.png", false);
    MHardQuantSet::fillSet(set);
    MHardQuantSet200::fillSet(set);
    int written = 0;
    for (const auto& question : set->questions()) {
        QuestionPage::Inputs in;
        in.question = question.get();
        in.device = QuestionPage::phone();
        in.imageSuffix = "@2x";
        std::string page = QuestionPage::page(in);
        // The explanation as the reveal shows it.
        page += "<script>document.getElementById('explanation').style.display = 'block';</script>";
        std::ofstream(std::string(argv[1]) + "/" + std::to_string(question->number()) + ".html") << page;
        ++written;
    }
    std::printf("%d\n", written);
    return written > 0 ? 0 : 1;
}
