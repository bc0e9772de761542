#include "text/xml.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace lyrasta {
namespace {

TEST(XmlReader, EndTagClosesTheInnermostOpenElementWhateverItsName) {
    TXMLParser p;
    ASSERT_TRUE(p.LoadFromText("<A><B></A>"));
    ASSERT_NE(p.Root(), nullptr);
    EXPECT_EQ(p.Root()->Name(), "A");
    ASSERT_EQ(p.Root()->ChildCount(), 1);
    EXPECT_EQ(p.Root()->FirstChild()->Name(), "B");
}

TEST(XmlReader, EmptyElementWithBothKindsOfQuotes) {
    TXMLParser p;
    ASSERT_TRUE(p.LoadFromText("<?xml version='1.0' encoding=\"windows-1255\"?>\n<e a='1 2' b=\"x'y\"/>"));
    const TXMLelement* e = p.Root();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->ChildCount(), 0);
    ASSERT_EQ(e->AttributeCount(), 2);
    EXPECT_EQ(e->AttributeName(0), "a");
    EXPECT_EQ(e->AttributeValueAt(0), "1 2");
    EXPECT_EQ(e->AttributeValue("B"), "x'y");
    EXPECT_EQ(p.XmlVersion(), "1.0");
    EXPECT_EQ(p.XmlEncoding(), "windows-1255");
}

TEST(XmlReader, TextNodesAndCommentsKeepDocumentOrder) {
    TXMLParser p;
    ASSERT_TRUE(p.LoadFromText("<r>\n\t<!-- a > b -->x &LT;b&gt; &amp;&Quot;&apos;<c/>tail\n</r>"));
    const TXMLelement* r = p.Root();
    ASSERT_EQ(r->ChildCount(), 4);
    EXPECT_EQ(r->ChildByIndex(0)->Type(), TXMLelement::ntComment);
    EXPECT_EQ(r->ChildByIndex(0)->Data(), " a > b ");
    EXPECT_EQ(r->ChildByIndex(1)->Type(), TXMLelement::ntText);
    EXPECT_EQ(r->Text(), "x <b> &\"'");
    EXPECT_EQ(r->ChildByName("C"), r->ChildByIndex(2));
    EXPECT_EQ(r->ChildByIndex(3)->Data(), "tail\n");  // LF is kept inside text
    EXPECT_EQ(r->ChildByIndex(2)->PrevSibling(), r->ChildByIndex(1));
    EXPECT_EQ(r->ChildByIndex(2)->NextSibling(), r->ChildByIndex(3));
    EXPECT_EQ(r->ChildByIndex(4), nullptr);
}

TEST(XmlReader, MalformedInputReportsItsErrorAndKeepsWhatWasBuilt) {
    struct Case {
        const char* name;
        const char* text;
        int code;         // 0: the parse fails without calling the handler
        int rootChildren; // children of the root built before the failure, -1: no root
    };
    const Case cases[] = {
        {"tag name starts with a digit", "<r><x/><1a/></r>", xeElementName, 1},
        {"bad character among attributes", "<r a='1' %/>", xeElementName, 0},
        {"text before the root", "junk<r/>", xeDataOutsideElement, -1},
        {"end tag without start", "<r/></r>", xeEndTagWithoutStart, 0},
        {"empty processing instruction", "<r><?></r>", xePInstrTermination, 0},
        {"unknown entity", "<r><x/>a &nbsp b</r>", 0, 1},
        {"value without quotes", "<r a=1/>", 0, 0},
        {"slash not closing an empty element", "<r/ >", 0, 0},
        {"second document type", "<!DOCTYPE a><!DOCTYPE b><r/>", 0, -1},
    };
    for (const Case& c : cases) {
        TXMLParser p;
        int reported = -1;
        std::string text;
        p.OnError = [&](int code, const std::string& t) { reported = code; text = t; };
        EXPECT_FALSE(p.LoadFromText(c.text)) << c.name;
        EXPECT_EQ(reported, c.code ? c.code : -1) << c.name;
        if (c.code) {
            EXPECT_EQ(text, XMLErrorText(c.code)) << c.name;
        }
        const int children = p.Root() ? p.Root()->ChildCount() : -1;
        EXPECT_EQ(children, c.rootChildren) << c.name;
    }
}

TEST(XmlReader, LoneAmpersandFollowedBySemicolonKeepsTheTextUndecoded) {
    TXMLParser p;
    EXPECT_TRUE(p.LoadFromText("<r>&;&amp;</r>"));
    EXPECT_EQ(p.LastErrorText(), "Not valid &-escaped string");
    EXPECT_EQ(p.Root()->Text(), "&;&amp;");
}

TEST(XmlReader, MissingFileIsErrorFour) {
    TXMLParser p;
    int reported = 0;
    p.OnError = [&](int code, const std::string&) { reported = code; };
    EXPECT_FALSE(p.LoadFromFile("/nonexistent/lyrasta/x.xml"));
    EXPECT_EQ(reported, xeFileNotFound);
    EXPECT_EQ(p.LastErrorText(), "File does not exist");
}

TEST(XmlReader, LaterDocumentsMergeIntoTheFirstRoot) {
    TXMLParser p;
    ASSERT_TRUE(p.LoadFromText("<defs a='1'><s Name='one'/></defs>"));
    ASSERT_TRUE(p.LoadFromText("<?xml version='1.0'?><other b='2'><s Name='two'/></other>"));
    const TXMLelement* r = p.Root();
    EXPECT_EQ(r->Name(), "defs");
    ASSERT_EQ(r->ChildCount(), 2);
    EXPECT_EQ(r->ChildByIndex(1)->AttributeValue("name"), "two");
    EXPECT_EQ(r->AttributeValue("b"), "2");
    p.Clear();
    EXPECT_EQ(p.Root(), nullptr);
}

TEST(XmlReader, InputOptionsForTabAndLineFeed) {
    TXMLParser tabs;
    ASSERT_TRUE(tabs.LoadFromText("<r>a\tb\nc</r>"));
    EXPECT_EQ(tabs.Root()->Text(), "a b\nc");
    TXMLParser skip;
    skip.skipTab = true;
    skip.skipLf = true;
    ASSERT_TRUE(skip.LoadFromText("<r>a\tb\r\nc</r>"));
    EXPECT_EQ(skip.Root()->Text(), "abc");
    TXMLParser blank;
    blank.lfToBlank = true;
    ASSERT_TRUE(blank.LoadFromText("<r>a\nb</r>"));
    EXPECT_EQ(blank.Root()->Text(), "a b");
}

TEST(XmlReader, UserSuppliedInputEndsAtCharacter255) {
    const std::string text = "<r x='1'/>\xff<junk";
    size_t i = 0;
    TXMLParser p;
    p.OnUserGetOne = [&]() { return static_cast<unsigned char>(text[i++]); };
    ASSERT_TRUE(p.LoadFromUser());
    EXPECT_EQ(p.Root()->AttributeValue("x"), "1");
}

TEST(XmlReader, DeeplyNestedInputIsFreedWithoutExhaustingTheStack) {
    std::string text;
    for (int i = 0; i < 200000; ++i) text += "<a>";
    TXMLParser p;
    EXPECT_TRUE(p.LoadFromText(text));
    p.Clear();
}

TEST(XmlElement, AttributeErrorsGoToTheDocumentsHandler) {
    TXMLParser p;
    std::vector<int> codes;
    p.OnError = [&](int code, const std::string&) { codes.push_back(code); };
    ASSERT_TRUE(p.LoadFromText("<r name='x'><c/></r>"));
    const TXMLelement* r = p.Root();
    EXPECT_EQ(r->AttributeValue("NAME"), "x");
    EXPECT_EQ(r->AttributeValue("missing"), "");
    EXPECT_EQ(r->AttributeName(1), "");
    EXPECT_EQ(r->FirstChild()->AttributeValue("name"), "");
    EXPECT_EQ(codes, (std::vector<int>{xeAttributeNotFound, xeAttributeIndex, xeNoAttributes}));
    EXPECT_EQ(r->FirstChild()->LastError(), xeNoAttributes);
}

TEST(XmlElement, DeleteRelinksSiblingsAndReturnsTheNeighbour) {
    TXMLParser p;
    ASSERT_TRUE(p.LoadFromText("<r><a/><b/><c/></r>"));
    TXMLelement* r = p.Root();
    TXMLelement* a = r->ChildByIndex(0);
    TXMLelement* c = r->ChildByIndex(2);
    EXPECT_EQ(r->ChildByIndex(1)->Delete(), a);
    EXPECT_EQ(a->NextSibling(), c);
    EXPECT_EQ(c->PrevSibling(), a);
    EXPECT_EQ(a->Delete(), c);
    EXPECT_EQ(c->Delete(), r);
    EXPECT_EQ(r->ChildCount(), 0);
    EXPECT_EQ(r->Delete(), nullptr);  // the root belongs to the parser
}

TEST(XmlWriter, WritesDeclarationIndentationAndEscapes) {
    TXMLParser p;
    TXMLelement* r = p.CreateRoot("Sedrot");
    TXMLelement* s = r->AddChild("Sedra");
    s->AddAttribute("Name", "Noach & \"Lech\" <1>");
    r->AddNode(TXMLelement::ntComment, "", " c ");
    r->AddChild("Empty");
    EXPECT_EQ(p.SaveToText(),
              "<?xml version=\"1.0\" ?>\n"
              " <Sedrot>\n"
              "  <Sedra Name=\"Noach &amp; &quot;Lech&quot; &lt;1&gt;\"/>\n"
              "  <!-- c -->\n"
              "  <Empty/>\n"
              " </Sedrot>\n");
}

TEST(XmlWriter, TextReadBackGainsTheClosingIndentAndLosesLeadingBlanks) {
    TXMLParser p;
    ASSERT_TRUE(p.LoadFromText("<?xml version='1.0' standalone='yes'?><r><t a='&apos;'>  hi</t></r>"));
    const std::filesystem::path file = "xml_writer_test.xml";  // in the build tree
    ASSERT_TRUE(p.SaveToFile(file.string()));
    EXPECT_FALSE(p.SaveToFile(""));

    TXMLParser q;
    ASSERT_TRUE(q.LoadFromFile(file.string()));
    std::filesystem::remove(file);
    EXPECT_EQ(q.XmlStandalone(), "yes");
    const TXMLelement* t = q.Root()->ChildByName("t");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->AttributeValue("a"), "'");
    EXPECT_EQ(t->Text(), "hi  ");  // leading blanks dropped, the indent of </t> gained
}

TEST(XmlWriter, DocumentTypeElementDeclarationsAreWrittenBack) {
    TXMLParser p;
    ASSERT_TRUE(p.LoadFromText("<!DOCTYPE lessons [<!ELEMENT lesson ANY><!ELEMENT br EMPTY>]><lessons/>"));
    ASSERT_NE(p.Dtd(), nullptr);
    EXPECT_EQ(p.Dtd()->name, "lessons");
    EXPECT_EQ(p.SaveToText(),
              "<?xml version=\"1.0\" ?>\n<!DOCTYPE lessons [\n<!ELEMENT lesson ANY>\n"
              "<!ELEMENT br EMPTY>\n ]>\n <lessons/>\n");
}

}  // namespace
}  // namespace lyrasta
