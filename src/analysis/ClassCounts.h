#pragma once

#include <string>
#include <vector>

class ClassDiagram;
class CTernaryDoc;

// How many of the plot's samples fall in each field of a diagram.
struct ClassCounts {
    struct Row {
        std::string name;
        int count = 0;
    };
    std::vector<Row> fields; // every field of the diagram, in its order
    int unclassified = 0; // samples in use without a class
    int total = 0; // samples in use

    double Percent(int count) const { return total > 0 ? 100.0 * count / total : 0.0; }
};

ClassCounts CountClasses(const CTernaryDoc& doc, const ClassDiagram& diagram);

// The counts as tab-separated text with a header line, CR LF after every row
// (the way the tables put blocks on the clipboard); a last "No class" row
// when some samples have none.
std::string ClassCountsText(const ClassCounts& counts);
