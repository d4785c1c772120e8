#pragma once
// What benchmarks and tests fill the user's data with: stand-in question-set files of the built-in
// sets' full sizes (made up for timing only, never shipped), and many answers, attempts and card
// showings of the shape a long-time user has.

#include <filesystem>

class MFlashcards;
class MOGTrackerRepository;
class MPracticeRepository;

namespace testing_support {

// A long-time user: practice answers, error-log attempts and flashcard showings.
constexpr int kLargePracticeRecords = 100000;
constexpr int kLargeTrackerAttempts = 30000;
constexpr int kLargeFlashcardShowings = 2000;

// The question-set files under `folder`/question_sets: each builder's number of records, with a
// paragraph of text each.
void writeStandInQuestionSets(const std::filesystem::path& folder);
// `count` answers spread over the built-in sets' questions; a session of 25 answers now and then,
// the rest outside sessions.
void addPracticeRecords(MPracticeRepository& repository, int count);
// `sessions` practice sessions of `answers` answers each over the built-in sets' questions, of
// every type and mostly wrong, eight hours apart, the last begun an hour ago. The clock stands still
// while they are made and is given back afterwards.
void addPracticeSessions(MPracticeRepository& repository, int sessions, int answers);
// `count` attempts, one question after another through every book, round after round.
void addTrackerAttempts(MOGTrackerRepository& repository, int count);
// `count` showings of the listed decks' cards, in sessions of 20.
void addFlashcardShowings(MFlashcards& flashcards, int count);

// The long-time user's central, practice and tracker files in the documents folder, made against
// the resources folder in use.
void writeLargeRepository();
// The central and practice files, in the documents folder, of a user who practised that many
// sessions (addPracticeSessions) and did nothing else.
void writePracticeSessions(int sessions, int answers);
// `folder`/resources: the program's resources (those in use now) with the stand-in question
// sets; `folder`/data: the long-time user's files. Both folders are then the ones in use.
void writeLargeData(const std::filesystem::path& folder);

}  // namespace testing_support
