// Any bytes as the rich text of lesson notes: the reader never fails, and the notes'
// preparation with the placeholders of a small naming keeps it so.
#include <cstddef>
#include <cstdint>
#include <string>

#include "text/xml.h"
#include "training/lesson_text.h"
#include "training/rich_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static lyrasta::TXMLParser names = [] {
        lyrasta::TXMLParser p;
        p.LoadFromText("<N><Encoding Name=\"A\"><Trope Name=\"SEGOL\" VALUE=\"Segol\" HEB_VALUE=\"\xd7\xa1\" "
                       "HEB_CHAR_VALUE=\"\xe2\x97\x8c\xd6\x92\" BEFORE_ZARKA_HEB_VALUE=\"x\"/></Encoding></N>");
        return p;
    }();
    const std::string text(reinterpret_cast<const char*>(data), size);
    lyrasta::ReadRichText(text);
    const lyrasta::TXMLelement* encoding = names.Root() ? names.Root()->FirstChild() : nullptr;
    lyrasta::ReadRichText(lyrasta::PrepareLessonText(text, nullptr, encoding));
    return 0;
}
