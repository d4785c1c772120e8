#pragma once
// The figures of the hard quantitative question set: diagrams that go with a question's stem or
// explanation (a Venn diagram, circles in a square, points on two lines, coordinate planes and a
// triangle). They are written like the other artwork and then embedded in the set's data file.

class ArtworkRegistry;

class QuestionFigures {
  public:
    static void addTo(ArtworkRegistry& registry);
};
