#pragma once

#include "framework/core/CArchive.h"
#include "framework/core/CDocument.h"

#include <string>
#include <vector>

// A document whose contents are lines of text, one per file line; New gives
// the single line "new". Counts how often its contents were deleted.
class LinesDocument : public CDocument {
public:
    std::vector<std::string> lines;
    int deleteCount = 0;

    void DeleteContents() override
    {
        ++deleteCount;
        lines.clear();
    }
    bool OnNewDocument() override
    {
        if (!CDocument::OnNewDocument())
            return false;
        lines = { "new" };
        return true;
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            for (const std::string& line : lines)
                ar.WriteString(line + "\n");
        } else {
            std::string line;
            while (ar.ReadString(line))
                lines.push_back(line);
        }
    }
};
