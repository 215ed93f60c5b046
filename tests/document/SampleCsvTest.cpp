#include "DocTestHelpers.h"

#include "document/SampleCsv.h"
#include "framework/core/TextEncoding.h"

#include <gtest/gtest.h>

TEST(SampleCsvTest, QuotesWhatNeedsQuotingAndLeavesEmptyValuesEmpty)
{
    auto doc = NewDoc();
    doc->m_topAxis.SetTitle("Say \"hi\"");
    doc->m_leftAxis.SetTitle("L;eft\t");
    doc->m_rightAxis.SetTitle("Right ");
    doc->GetSample(2).name = "a,b";
    doc->GetSample(2).right = EMPTY_VALUE;
    doc->GetSample(2).colorId = -1;
    doc->GetSample(2).symbolId = -1;
    doc->GetSample(9) = doc->GetSample(1);
    doc->GetSample(9).row = 9;
    doc->GetSample(9).top = 33.333333f;
    EXPECT_EQ(SamplesToCsv(*doc),
        "Sample,\"Say \"\"hi\"\"\",\"L;eft\t\",\"Right \",Color,Symbol\n"
        "Spl#1,20,30,50,3,0\n"
        "\"a,b\",10,70,,,\n"
        "Spl#1,33.3333,30,50,3,0\n");
}

TEST(SampleCsvTest, OlderTextsInWindows1252BecomeUtf8)
{
    auto doc = NewDoc();
    doc->GetSample(1).name = "Caf\xe9 \x80"; // Windows-1252
    doc->GetSample(2).name = "Caf\xc3\xa9"; // already UTF-8
    const std::string csv = SamplesToCsv(*doc);
    EXPECT_NE(csv.find("Caf\xc3\xa9 \xe2\x82\xac,20"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\nCaf\xc3\xa9,10"), std::string::npos) << csv;
    EXPECT_EQ(DecodeText("\x81"), QString(QChar(0x81)));
}
