#include "analysis/ClassCounts.h"

#include "analysis/ClassDiagram.h"
#include "document/CTernaryDoc.h"

#include <cstdio>

ClassCounts CountClasses(const CTernaryDoc& doc, const ClassDiagram& diagram)
{
    ClassCounts counts;
    for (const ClassField& field : diagram.Fields())
        counts.fields.push_back({ field.name, 0 });
    for (int slot = 1; slot < doc.m_sampleSlots; ++slot) {
        const SampleRecord& sample = doc.GetSample(slot);
        if (!sample.InUse())
            continue;
        ++counts.total;
        const int field = diagram.Classify(sample);
        if (field < 0)
            ++counts.unclassified;
        else
            ++counts.fields[static_cast<std::size_t>(field)].count;
    }
    return counts;
}

std::string ClassCountsText(const ClassCounts& counts)
{
    std::string text = "Class\tSamples\tPer cent\r\n";
    auto row = [&](const std::string& name, int count) {
        char numbers[64];
        std::snprintf(numbers, sizeof numbers, "\t%d\t%.1f\r\n", count, counts.Percent(count));
        text += name;
        text += numbers;
    };
    for (const ClassCounts::Row& field : counts.fields)
        row(field.name, field.count);
    if (counts.unclassified > 0)
        row("No class", counts.unclassified);
    return text;
}
