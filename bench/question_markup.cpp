// Reading pasted question markup into a custom set: a megabyte of ordinary questions (about 5,000,
// each different) and texts crafted against the reader (marks that open a part and never close it,
// repeated through long questions; a long option to underline that the text almost repeats). A
// megabyte of each should take well under a second; ten megabytes are measured for comparison.
#include <benchmark/benchmark.h>

#include <string>

#include "Classes/practice/MQSet.h"
#include "Classes/practice/QuestionMarkup.h"

namespace {

constexpr std::size_t kMegabyte = 1u << 20;

// Ordinary questions, each with its own numbers, up to the size.
std::string ordinaryQuestions(std::size_t size) {
    std::string text = "Questions for the week.\n";
    for (int n = 1; text.size() < size; ++n) {
        std::string a = std::to_string(n), b = std::to_string(n * 3 + 7);
        text += "#question# #type:PS#\nA box holds " + a + " red and " + b +
                " blue marbles. How many marbles does it hold in all?\n#options#\nA) " + a + "\nB) " + b +
                "\nC) " + std::to_string(n * 4 + 7) + "\nD) " + std::to_string(n * 4 + 8) + "\nE) " +
                std::to_string(n * 5) + "\n#OA:C#\n#explanation#\n" + a + " + " + b + " = " +
                std::to_string(n * 4 + 7) + ".\n";
    }
    return text;
}

// Long questions of 64 KB, each repeating a mark that starts a part whose end mark never follows:
// the question text in one, the options in the next, up to the size.
std::string craftedQuestions(std::size_t size) {
    constexpr std::size_t kPiece = 64 * 1024;
    std::string text;
    for (bool options = false; text.size() < size; options = !options) {
        std::size_t end = text.size() + kPiece;
        text += options ? "#question# #OA:A# #type:PS#" : "#question# #OA:A#";
        while (text.size() < end) text += options ? "#options# " : "#type:PS# ";
    }
    return text;
}

// One sentence-correction question whose text repeats, almost, its long first option: the option
// is looked for in the text to be underlined.
std::string craftedSCQuestion(std::size_t size) {
    std::string option(size / 4, 'a');
    option += 'b';
    return "#question# #type:SC#" + std::string(size / 2, 'a') + "#options# A) " + option +
           " B) 2 C) 3 D) 4 E) 5 #OA:A#";
}

// Reads the text that `make` writes, of the benchmark's argument in quarters of a megabyte, into a
// fresh set each time.
template <class Make>
void readInto(benchmark::State& state, Make make) {
    const std::string text = make(std::size_t(state.range(0)) * kMegabyte / 4);
    int added = 0;
    for (auto _ : state) {
        auto set = MQSet::make(7001, "Mine", "My own", "Sets_custom.png", false);
        added = QuestionMarkup::addQuestions(set, text);
    }
    state.counters["questions"] = added;
    state.counters["MB"] = double(text.size()) / double(kMegabyte);
}

void ReadOrdinaryQuestions(benchmark::State& state) { readInto(state, ordinaryQuestions); }
BENCHMARK(ReadOrdinaryQuestions)->Arg(1)->Arg(4)->Arg(40)->Unit(benchmark::kMillisecond);

void ReadCraftedQuestions(benchmark::State& state) { readInto(state, craftedQuestions); }
BENCHMARK(ReadCraftedQuestions)->Arg(1)->Arg(4)->Arg(40)->Unit(benchmark::kMillisecond);

void ReadCraftedSCQuestion(benchmark::State& state) { readInto(state, craftedSCQuestion); }
BENCHMARK(ReadCraftedSCQuestion)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
