// The formats other nonogram tools share, through the window: a .non opens and goes on as
// webpbn XML with its numbers and title; a refused file says what and where.
#include "app/AppTestSupport.h"
#include "formats/FormatDispatch.h"
#include "text/StringIds.h"

using namespace quenk;
using namespace quenk::test;

TEST(SharedFormats, NonOpensAndIsSavedAsXmlWithItsTitle) {
    CProgram p;
    CMessageRecorder messages;
    CFileDialogAnswers files;
    WriteText(p.File("heart.non"),
              "title \"Heart\"\nby \"Someone\"\nwidth 3\nheight 2\n\nrows\n1,1\n3\n\ncolumns\n2\n1\n2\n");
    ASSERT_TRUE(p.Open(p.File("heart.non")));
    EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
    const CCrossword opened = *p.Doc().Crossword();
    EXPECT_EQ(opened.Metadata().strTitle, "Heart");

    files.Answer(p.File("heart.xml"));
    ASSERT_TRUE(p.Command(ID_FILE_SAVE_AS));
    EXPECT_TRUE(messages.Requests().empty());
    EXPECT_EQ(p.Caption(), p.Title() + " - heart.xml");
    const CLoadResult saved = LoadCrossword(p.File("heart.xml"));
    ASSERT_TRUE(saved.crossword);
    EXPECT_EQ(saved.crossword->m_pTopNumbers, opened.m_pTopNumbers);
    EXPECT_EQ(saved.crossword->m_pLeftNumbers, opened.m_pLeftNumbers);
    EXPECT_EQ(saved.crossword->Metadata().strAuthor, "Someone");

    // A broken file leaves the puzzle shown; the message says what and where.
    WriteText(p.File("broken.non"), "width 3\nheight 2\nrows\n1,x\n3\ncolumns\n2\n1\n2\n");
    EXPECT_FALSE(p.Open(p.File("broken.non")));
    ASSERT_EQ(messages.Ids(), std::vector<unsigned>{IDS_CREATE_ERROR});
    EXPECT_TRUE(messages.Requests()[0].strText.contains(QString::fromUtf8("rows: строка 4")))
        << messages.Requests()[0].strText.toStdString();
    EXPECT_EQ(*p.Doc().Crossword(), opened);
}
